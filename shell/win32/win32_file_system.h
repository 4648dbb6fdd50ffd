// The profile file and the batch file on a real Windows disk.
#pragma once

#include "store/file_system.h"

namespace veltrano::win32 {

class Win32FileSystem final : public FileSystem {
 public:
  std::optional<std::string> readAll(const std::string& path) override;
  bool replaceAll(const std::string& path, std::string_view bytes) override;
  bool remove(const std::string& path) override;
};

}  // namespace veltrano::win32
