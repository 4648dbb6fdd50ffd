// The machine's adapters through IP Helper (GetAdaptersAddresses).
#pragma once

#include <winsock2.h>

#include <windows.h>

#include <iphlpapi.h>

#include "apply/network_adapters.h"
#include "shell/win32/system_function.h"

namespace veltrano::win32 {

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
