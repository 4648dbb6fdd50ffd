// The current user's Internet proxy as WinINet itself sees it: what programs will use,
// whatever the registry values say.
#pragma once

#include <optional>
#include <string>

namespace veltrano {

struct ProxyState {
  bool enabled = false;
  std::string server;  // "host:port", as written
  std::string bypass;  // the exceptions, "<local>" when Veltrano sets the proxy

  bool operator==(const ProxyState&) const = default;
};

class ProxySettings {
 public:
  virtual ~ProxySettings() = default;
  // nullopt when WinINet cannot be asked.
  virtual std::optional<ProxyState> read() = 0;
};

}  // namespace veltrano
