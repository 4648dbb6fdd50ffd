#include "shell/win32/win32_network_adapters.h"

namespace veltrano::win32 {

std::optional<std::vector<NetworkAdapter>> Win32NetworkAdapters::list() {
  return std::nullopt;
}

}  // namespace veltrano::win32
