// The exact bytes of the two registry value types the proxy switch writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "apply/registry.h"

namespace veltrano {

inline constexpr const char* kInternetSettings =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// REG_SZ: the text's bytes in the code page it was converted to, then one NUL.
std::vector<std::uint8_t> regSzData(const std::string& codePageBytes);
// REG_DWORD: four bytes, least significant first.
std::vector<std::uint8_t> regDwordData(std::int32_t value);

// Writes one value: create or open the key, set, flush, close. Never reports a failure.
void SetRegistryValue(Registry& registry, RootKey root, const std::string& keyPath,
                      const std::string& valueName, std::uint32_t type,
                      const std::vector<std::uint8_t>& data);

}  // namespace veltrano
