// The user's proxy as WinINet itself sees it (InternetQueryOption), not as the registry values
// read: only that view says what programs will use.
#pragma once

#include <windows.h>

#include <wininet.h>

#include "apply/proxy_settings.h"
#include "shell/win32/system_function.h"

namespace veltrano::win32 {

class Win32ProxySettings final : public ProxySettings {
 public:
  std::optional<ProxyState> read() override;

 private:
  using QueryOptionFunction = BOOL(WINAPI*)(HINTERNET, DWORD, LPVOID, LPDWORD);

  // wininet.dll is loaded when the proxy is first read, not at start-up.
  SystemFunction<QueryOptionFunction> queryOption_{L"wininet.dll", "InternetQueryOptionW"};
};

}  // namespace veltrano::win32
