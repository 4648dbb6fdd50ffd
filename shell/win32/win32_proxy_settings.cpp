#include "shell/win32/win32_proxy_settings.h"

#include "shell/win32/utf16.h"

namespace veltrano::win32 {

namespace {

// Takes a text WinINet allocated for us, and frees it.
std::string takeText(LPWSTR text) {
  if (text == nullptr) {
    return {};
  }
  const std::string out = narrow(text);
  GlobalFree(text);
  return out;
}

}  // namespace

std::optional<ProxyState> Win32ProxySettings::read() {
  const QueryOptionFunction query = queryOption_.get();
  if (query == nullptr) {
    return std::nullopt;
  }
  INTERNET_PER_CONN_OPTIONW options[3] = {};
  options[0].dwOption = INTERNET_PER_CONN_FLAGS;
  options[1].dwOption = INTERNET_PER_CONN_PROXY_SERVER;
  options[2].dwOption = INTERNET_PER_CONN_PROXY_BYPASS;
  INTERNET_PER_CONN_OPTION_LISTW list{};
  list.dwSize = sizeof list;
  list.pszConnection = nullptr;  // the LAN settings, where the registry values belong
  list.dwOptionCount = 3;
  list.pOptions = options;
  DWORD size = sizeof list;
  if (!query(nullptr, INTERNET_OPTION_PER_CONNECTION_OPTION, &list, &size)) {
    return std::nullopt;
  }
  ProxyState state;
  state.enabled = (options[0].Value.dwValue & PROXY_TYPE_PROXY) != 0;
  state.server = takeText(options[1].Value.pszValue);
  state.bypass = takeText(options[2].Value.pszValue);
  return state;
}

}  // namespace veltrano::win32
