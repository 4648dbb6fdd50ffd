#include "shell/win32/win32_platform.h"

#include <map>

#include "shell/win32/handles.h"
#include "shell/win32/program_folder.h"
#include "shell/win32/utf16.h"

namespace veltrano::win32 {

namespace {

constexpr UINT kHelpDisplayTableOfContents = 1;  // HH_DISPLAY_TOC

// Handlers waiting for their thread timer, by timer ID.
std::map<UINT_PTR, Handler>& pendingDelays() {
  static std::map<UINT_PTR, Handler> pending;
  return pending;
}

// A thread timer's WM_TIMER reaches whichever message loop turns on this thread (a modal
// box's one too), and DispatchMessage calls this there.
void CALLBACK timerFired(HWND /*window*/, UINT /*message*/, UINT_PTR id, DWORD /*time*/) {
  KillTimer(nullptr, id);
  const auto found = pendingDelays().find(id);
  if (found == pendingDelays().end()) {
    return;
  }
  // Out of the map first: the handler may ask for the next delay.
  const Handler run = std::move(found->second);
  pendingDelays().erase(found);
  run();
}

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
  const UINT_PTR id =
      SetTimer(nullptr, 0, static_cast<UINT>(milliseconds < 0 ? 0 : milliseconds), timerFired);
  if (id != 0) {
    pendingDelays()[id] = std::move(handler);
  }
}

void Win32Platform::watchNetwork(Handler onChange) {
  networkWatch_ = std::make_unique<NetworkWatch>(std::move(onChange));
}

std::string Win32Platform::timeOfDay() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  char text[8] = {};
  wsprintfA(text, "%02u:%02u", now.wHour, now.wMinute);
  return text;
}

void Win32Platform::internetSettingsChanged() {
  if (const InternetSetOptionFunction setOption = internetSetOption_.get()) {
    setOption(nullptr, INTERNET_OPTION_SETTINGS_CHANGED, nullptr, 0);
    setOption(nullptr, INTERNET_OPTION_REFRESH, nullptr, 0);
  }
}

}  // namespace veltrano::win32
