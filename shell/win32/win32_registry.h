// The proxy values under HKEY_CURRENT_USER, through advapi32.
#pragma once

#include "apply/registry.h"

namespace veltrano::win32 {

class Win32Registry final : public Registry {
 public:
  // Key path and value name are ASCII; the data is already in the bytes the value keeps
  // (REG_SZ in the ANSI code page with its NUL), so the ANSI entry points store it as given.
  void setValue(RootKey root, const std::string& keyPath, const std::string& valueName,
                std::uint32_t type, const std::vector<std::uint8_t>& data) override;
  bool getValue(RootKey root, const std::string& keyPath, const std::string& valueName,
                std::optional<RegistryValue>& value) override;
  void deleteValue(RootKey root, const std::string& keyPath, const std::string& valueName) override;
};

}  // namespace veltrano::win32
