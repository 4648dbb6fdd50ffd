// The machine's adapters through IP Helper (GetAdaptersAddresses), and where their DNS servers
// come from (the interface's TCP/IP parameters in the registry, readable by any user).
#pragma once

#include <winsock2.h>

#include <windows.h>

#include <iphlpapi.h>

#include <functional>

#include "apply/network_adapters.h"
#include "shell/win32/system_function.h"

namespace veltrano::win32 {

// For an adapter's GUID name ("{...}"), the DNS servers typed for it; nullopt when unknown.
using StaticDnsLookup =
    std::function<std::optional<std::vector<std::string>>(const std::string& adapterGuid)>;

// The adapters of a chain as GetAdaptersAddresses fills it.
std::vector<NetworkAdapter> adaptersOf(const IP_ADAPTER_ADDRESSES* first,
                                       const StaticDnsLookup& staticDns);

// The NameServer value under the interface's TCP/IP parameters: the servers separated by commas
// or blanks, empty when DNS comes from DHCP; nullopt when the interface has no such key.
std::optional<std::vector<std::string>> staticDnsFromRegistry(const std::string& adapterGuid);

class Win32NetworkAdapters final : public NetworkAdapters {
 public:
  std::optional<std::vector<NetworkAdapter>> list() override;

 private:
  using GetAdaptersAddressesFunction = ULONG(WINAPI*)(ULONG family, ULONG flags, PVOID reserved,
                                                      PIP_ADAPTER_ADDRESSES adapters, PULONG size);

  // iphlpapi.dll is loaded when the adapters are first asked for, not at start-up.
  SystemFunction<GetAdaptersAddressesFunction> getAdaptersAddresses_{L"iphlpapi.dll",
                                                                     "GetAdaptersAddresses"};
};

}  // namespace veltrano::win32
