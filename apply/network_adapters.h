// The machine's network adapters and their IPv4 state, as the system reports them.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace veltrano {

struct IPv4Address {
  enum class State { Preferred, Tentative, Duplicate, Other };
  std::string address;  // dotted decimal
  int prefixLength = 0;
  State state = State::Preferred;
};

struct NetworkAdapter {
  std::string name;  // the friendly name, as netsh knows the adapter
  bool loopbackOrTunnel = false;
  bool dhcp = false;
  std::vector<IPv4Address> addresses;
  std::vector<std::string> gateways;    // dotted decimal
  std::vector<std::string> dnsServers;  // dotted decimal, IPv4 only, in the order used
  // The DNS servers typed for the adapter rather than taken from DHCP: empty when they come
  // from DHCP (or there are none); nullopt when the system does not say.
  std::optional<std::vector<std::string>> staticDnsServers;
};

class NetworkAdapters {
 public:
  virtual ~NetworkAdapters() = default;
  // Every adapter of the machine, or nullopt when the system cannot be asked.
  virtual std::optional<std::vector<NetworkAdapter>> list() = 0;
};

}  // namespace veltrano
