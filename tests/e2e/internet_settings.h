// The current user's proxy values under
// HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings, read and preset through the
// same Wine registry that the program writes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace e2e {

struct RegistryValue {
  DWORD type;
  std::string bytes;
};

std::optional<RegistryValue> readInternetSetting(const std::string& name);
void writeInternetSetting(const std::string& name, const RegistryValue& value);

RegistryValue dwordValue(std::uint32_t number);
RegistryValue textValue(const std::string& utf8);  // REG_SZ in the ANSI code page, NUL ended

// Records a failure unless the value is there with exactly this type and these bytes.
void expectInternetSetting(const std::string& name, const RegistryValue& expected);

}  // namespace e2e
