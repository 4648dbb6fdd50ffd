#include "shell/win32/win32_platform.h"

#include <map>

#include "shell/win32/handles.h"
#include "shell/win32/program_folder.h"
#include "shell/win32/utf16.h"

namespace veltrano::win32 {

namespace {

constexpr UINT kHelpDisplayTableOfContents = 1;  // HH_DISPLAY_TOC

}  // namespace

bool processIsElevated() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
    return false;
  }
  const KernelHandle owned(token);
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  if (!GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size)) {
    return false;
  }
  return elevation.TokenIsElevated != 0;
}

std::string Win32Platform::programFolder() {
  return narrow(win32::programFolder());
}

void Win32Platform::showHelp(const std::string& path) {
  if (const HtmlHelpFunction function = htmlHelp_.get()) {
    const std::wstring file = widen(path);
    function(nullptr, file.c_str(), kHelpDisplayTableOfContents, 0);
  }
}

void Win32Platform::afterDelay(int milliseconds, Handler handler) {
  // A thread timer: WM_TIMER reaches the message loop (a modal box's one too) and
  // DispatchMessage calls the procedure, on this thread.
  static std::map<UINT_PTR, Handler> pending;
  const auto fire = [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    const auto found = pending.find(id);
    if (found == pending.end()) {
      return;
    }
    Handler run = std::move(found->second);
    pending.erase(found);
    run();
  };
  const UINT_PTR id = SetTimer(nullptr, 0, static_cast<UINT>(milliseconds), fire);
  if (id != 0) {
    pending[id] = std::move(handler);
  }
}

void Win32Platform::internetSettingsChanged() {
  if (const InternetSetOptionFunction setOption = internetSetOption_.get()) {
    setOption(nullptr, INTERNET_OPTION_SETTINGS_CHANGED, nullptr, 0);
    setOption(nullptr, INTERNET_OPTION_REFRESH, nullptr, 0);
  }
}

}  // namespace veltrano::win32
