// The machine's adapters through IP Helper (GetAdaptersAddresses).
#pragma once

#include "apply/network_adapters.h"

namespace veltrano::win32 {

class Win32NetworkAdapters final : public NetworkAdapters {
 public:
  std::optional<std::vector<NetworkAdapter>> list() override;
};

}  // namespace veltrano::win32
