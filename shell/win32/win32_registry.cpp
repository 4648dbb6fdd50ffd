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

}  // namespace veltrano::win32
