#include "shell/win32/win32_network_adapters.h"

#include <string>

#include "shell/win32/handles.h"
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

NetworkAdapter adapterOf(const IP_ADAPTER_ADDRESSES& system, const StaticDnsLookup& staticDns) {
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
  adapter.staticDnsServers = staticDns(system.AdapterName == nullptr ? "" : system.AdapterName);
  return adapter;
}

}  // namespace

std::vector<NetworkAdapter> adaptersOf(const IP_ADAPTER_ADDRESSES* first,
                                       const StaticDnsLookup& staticDns) {
  std::vector<NetworkAdapter> adapters;
  for (const IP_ADAPTER_ADDRESSES* system = first; system != nullptr; system = system->Next) {
    adapters.push_back(adapterOf(*system, staticDns));
  }
  return adapters;
}

std::optional<std::vector<std::string>> staticDnsFromRegistry(const std::string& adapterGuid) {
  const std::wstring path =
      L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\" + widen(adapterGuid);
  HKEY opened = nullptr;
  if (adapterGuid.empty() || RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE,
                                           &opened) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const RegistryKey key(opened);
  wchar_t value[1024] = {};
  DWORD size = sizeof value - sizeof value[0];
  const LSTATUS status =
      RegGetValueW(key.get(), nullptr, L"NameServer", RRF_RT_REG_SZ, nullptr, value, &size);
  std::vector<std::string> servers;
  if (status == ERROR_FILE_NOT_FOUND) {
    return servers;  // nothing was ever typed: netsh writes the value when it sets one
  }
  if (status != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::string server;
  for (const char c : narrow(value) + ",") {
    if (c == ',' || c == ' ') {
      if (!server.empty()) {
        servers.push_back(std::move(server));
      }
      server.clear();
    } else {
      server += c;
    }
  }
  return servers;
}

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
    return adaptersOf(first, staticDnsFromRegistry);
  }
  return std::nullopt;
}

}  // namespace veltrano::win32
