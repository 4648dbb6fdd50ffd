#include "shell/win32/win32_registry.h"

#include <windows.h>

#include "shell/win32/handles.h"

namespace veltrano::win32 {

namespace {

HKEY rootHandle(RootKey root) {
  switch (root) {
    case RootKey::CurrentUser:
      return HKEY_CURRENT_USER;
  }
  return HKEY_CURRENT_USER;
}

}  // namespace

void Win32Registry::setValue(RootKey root, const std::string& keyPath, const std::string& valueName,
                             std::uint32_t type, const std::vector<std::uint8_t>& data) {
  HKEY opened = nullptr;
  if (RegCreateKeyExA(rootHandle(root), keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, &opened,
                      nullptr) != ERROR_SUCCESS) {
    return;  // failures are silent by design
  }
  const RegistryKey key(opened);
  RegSetValueExA(key.get(), valueName.c_str(), 0, type, data.data(),
                 static_cast<DWORD>(data.size()));
  RegFlushKey(key.get());
}

bool Win32Registry::getValue(RootKey root, const std::string& keyPath, const std::string& valueName,
                             std::optional<RegistryValue>& value) {
  value.reset();
  DWORD type = 0, size = 0;
  const LSTATUS probe = RegGetValueA(rootHandle(root), keyPath.c_str(), valueName.c_str(),
                                     RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &size);
  if (probe == ERROR_FILE_NOT_FOUND) {
    return true;  // no such value, or no such key: nothing to keep
  }
  std::vector<std::uint8_t> data(size);
  if (probe != ERROR_SUCCESS ||
      RegGetValueA(rootHandle(root), keyPath.c_str(), valueName.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                   &type, data.data(), &size) != ERROR_SUCCESS) {
    return false;
  }
  data.resize(size);
  value = RegistryValue{type, std::move(data)};
  return true;
}

void Win32Registry::deleteValue(RootKey root, const std::string& keyPath,
                                const std::string& valueName) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(rootHandle(root), keyPath.c_str(), 0, KEY_SET_VALUE, &opened) ==
      ERROR_SUCCESS) {
    const RegistryKey key(opened);
    RegDeleteValueA(key.get(), valueName.c_str());
    RegFlushKey(key.get());
  }
}

}  // namespace veltrano::win32
