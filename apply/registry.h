// The registry, as far as the proxy switch and putting it back need it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace veltrano {

enum class RootKey { CurrentUser };

enum RegistryType : std::uint32_t { kRegSz = 1, kRegDword = 4 };

// A value as the registry keeps it: its type and its bytes.
struct RegistryValue {
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
  bool operator==(const RegistryValue&) const = default;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Creates or opens the key, writes one value, flushes and closes the key.
  // Failures are silent: the proxy switch never reports them.
  virtual void setValue(RootKey root, const std::string& keyPath, const std::string& valueName,
                        std::uint32_t type, const std::vector<std::uint8_t>& data) = 0;
  // The value, left empty when there is none; false when it cannot be read.
  virtual bool getValue(RootKey root, const std::string& keyPath, const std::string& valueName,
                        std::optional<RegistryValue>& value) = 0;
  // Deletes the value if there is one; silent, as setValue is.
  virtual void deleteValue(RootKey root, const std::string& keyPath,
                           const std::string& valueName) = 0;
};

}  // namespace veltrano
