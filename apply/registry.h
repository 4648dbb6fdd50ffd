// The registry, as far as the proxy switch needs it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace veltrano {

enum class RootKey { CurrentUser };

enum RegistryType : std::uint32_t { kRegSz = 1, kRegDword = 4 };

class Registry {
 public:
  virtual ~Registry() = default;
  // Creates or opens the key, writes one value, flushes and closes the key.
  // Failures are silent: the proxy switch never reports them.
  virtual void setValue(RootKey root, const std::string& keyPath, const std::string& valueName,
                        std::uint32_t type, const std::vector<std::uint8_t>& data) = 0;
};

}  // namespace veltrano
