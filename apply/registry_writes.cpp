#include "apply/registry_writes.h"

namespace veltrano {

std::vector<std::uint8_t> regSzData(const std::string& codePageBytes) {
  std::vector<std::uint8_t> data(codePageBytes.begin(), codePageBytes.end());
  data.push_back(0);
  return data;
}

std::vector<std::uint8_t> regDwordData(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  return {static_cast<std::uint8_t>(bits & 0xFFu), static_cast<std::uint8_t>((bits >> 8) & 0xFFu),
          static_cast<std::uint8_t>((bits >> 16) & 0xFFu),
          static_cast<std::uint8_t>((bits >> 24) & 0xFFu)};
}

void SetRegistryValue(Registry& registry, RootKey root, const std::string& keyPath,
                      const std::string& valueName, std::uint32_t type,
                      const std::vector<std::uint8_t>& data) {
  registry.setValue(root, keyPath, valueName, type, data);
}

}  // namespace veltrano
