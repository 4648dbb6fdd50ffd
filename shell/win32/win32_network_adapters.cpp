#include "shell/win32/win32_network_adapters.h"

#include <string>

#include "shell/win32/utf16.h"

namespace veltrano::win32 {

namespace {

// Enough for a machine with a few adapters; a larger need is told and tried again.
constexpr ULONG kFirstBufferSize = 16 * 1024;
constexpr int kAttempts = 3;

// Four bytes as "a.b.c.d", without pulling in ws2_32 for it; empty for any other family.
std::string dottedDecimal(const SOCKET_ADDRESS& address) {
  if (address.lpSockaddr == nullptr || address.lpSockaddr->sa_family != AF_INET) {
    return {};
  }
  const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(address.lpSockaddr);
  const auto& bytes = ipv4->sin_addr.S_un.S_un_b;
  return std::to_string(bytes.s_b1) + '.' + std::to_string(bytes.s_b2) + '.' +
         std::to_string(bytes.s_b3) + '.' + std::to_string(bytes.s_b4);
}

IPv4Address::State stateOf(IP_DAD_STATE state) {
  switch (state) {
    case IpDadStatePreferred:
      return IPv4Address::State::Preferred;
    case IpDadStateTentative:
      return IPv4Address::State::Tentative;
    case IpDadStateDuplicate:
      return IPv4Address::State::Duplicate;
    default:
      return IPv4Address::State::Other;
  }
}

// Appends the IPv4 entries of a linked list of addresses (unicast, gateway or DNS).
template <typename Entry>
void appendDotted(const Entry* entry, std::vector<std::string>& out) {
  for (; entry != nullptr; entry = entry->Next) {
    if (std::string dotted = dottedDecimal(entry->Address); !dotted.empty()) {
      out.push_back(std::move(dotted));
    }
  }
}

NetworkAdapter adapterOf(const IP_ADAPTER_ADDRESSES& system) {
  NetworkAdapter adapter;
  adapter.name = narrow(system.FriendlyName == nullptr ? L"" : system.FriendlyName);
  adapter.loopbackOrTunnel =
      system.IfType == IF_TYPE_SOFTWARE_LOOPBACK || system.IfType == IF_TYPE_TUNNEL;
  adapter.dhcp = (system.Flags & IP_ADAPTER_DHCP_ENABLED) != 0;
  for (auto* unicast = system.FirstUnicastAddress; unicast != nullptr; unicast = unicast->Next) {
    if (std::string dotted = dottedDecimal(unicast->Address); !dotted.empty()) {
      adapter.addresses.push_back(
          {std::move(dotted), unicast->OnLinkPrefixLength, stateOf(unicast->DadState)});
    }
  }
  appendDotted(system.FirstGatewayAddress, adapter.gateways);
  appendDotted(system.FirstDnsServerAddress, adapter.dnsServers);
  return adapter;
}

}  // namespace

std::optional<std::vector<NetworkAdapter>> Win32NetworkAdapters::list() {
  const GetAdaptersAddressesFunction getAdapters = getAdaptersAddresses_.get();
  if (getAdapters == nullptr) {
    return std::nullopt;
  }
  constexpr ULONG kFlags =
      GAA_FLAG_INCLUDE_GATEWAYS | GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST;
  ULONG size = kFirstBufferSize;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    // ULONGLONG elements keep the structures aligned as the system writes them.
    std::vector<ULONGLONG> buffer(size / sizeof(ULONGLONG) + 1);
    auto* first = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data());
    const ULONG result = getAdapters(AF_INET, kFlags, nullptr, first, &size);
    if (result == ERROR_BUFFER_OVERFLOW) {
      continue;
    }
    if (result == ERROR_NO_DATA) {
      return std::vector<NetworkAdapter>{};
    }
    if (result != NO_ERROR) {
      return std::nullopt;
    }
    std::vector<NetworkAdapter> adapters;
    for (const IP_ADAPTER_ADDRESSES* system = first; system != nullptr; system = system->Next) {
      adapters.push_back(adapterOf(*system));
    }
    return adapters;
  }
  return std::nullopt;
}

}  // namespace veltrano::win32
