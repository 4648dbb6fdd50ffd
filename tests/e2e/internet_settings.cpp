#include "internet_settings.h"

#include "expect.h"
#include "text.h"

namespace e2e {

namespace {

constexpr const char* kInternetSettings =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

}  // namespace

std::optional<RegistryValue> readInternetSetting(const std::string& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kInternetSettings, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  DWORD type = 0;
  DWORD size = 0;
  std::optional<RegistryValue> value;
  if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    std::string bytes(size, '\0');
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()),
                         &size) == ERROR_SUCCESS) {
      bytes.resize(size);
      value = RegistryValue{type, bytes};
    }
  }
  RegCloseKey(key);
  return value;
}

void writeInternetSetting(const std::string& name, const RegistryValue& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kInternetSettings, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    fail("cannot open the Internet settings key to preset " + name);
  }
  const LSTATUS status = RegSetValueExA(key, name.c_str(), 0, value.type,
                                        reinterpret_cast<const BYTE*>(value.bytes.data()),
                                        static_cast<DWORD>(value.bytes.size()));
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) {
    fail("cannot preset the Internet setting " + name);
  }
}

RegistryValue dwordValue(std::uint32_t number) {
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8) {
    bytes += static_cast<char>((number >> shift) & 0xFFu);
  }
  return {REG_DWORD, bytes};
}

RegistryValue textValue(const std::string& utf8) {
  return {REG_SZ, encode(utf8, kAnsiCodePage) + '\0'};
}

void expectInternetSetting(const std::string& name, const RegistryValue& expected) {
  const auto actual = readInternetSetting(name);
  const std::string what = "registry value " + name;
  if (!actual) {
    recordFailure(what + " is missing");
    return;
  }
  expectNumber(what + " type", expected.type, actual->type);
  expectBytes(what, expected.bytes, actual->bytes);
}

}  // namespace e2e
