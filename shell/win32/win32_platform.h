// The machine's services the window needs: program folder, HTML Help, delays on the window's
// thread, telling WinINet that the proxy changed, network changes and the time of day.
#pragma once

#include <windows.h>

#include <wininet.h>

#include <memory>

#include "shell/toolkit.h"
#include "shell/win32/network_watch.h"
#include "shell/win32/system_function.h"

namespace veltrano::win32 {

class Win32Platform final : public Platform {
 public:
  std::string programFolder() override;
  void setHelpFile(const std::string& path) override { helpFile_ = path; }
  std::string helpFile() const override { return helpFile_; }
  void showHelp(const std::string& path) override;
  void afterDelay(int milliseconds, Handler handler) override;
  void internetSettingsChanged() override;
  void watchNetwork(Handler onChange) override;
  std::string timeOfDay() override;
  bool remoteSession() override { return GetSystemMetrics(SM_REMOTESESSION) != 0; }

 private:
  using HtmlHelpFunction = HWND(WINAPI*)(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data);
  using InternetSetOptionFunction = BOOL(WINAPI*)(HINTERNET, DWORD, LPVOID, DWORD);

  std::string helpFile_;
  std::unique_ptr<NetworkWatch> networkWatch_;
  // The libraries stay loaded until the process ends: help windows may outlive the main one.
  SystemFunction<HtmlHelpFunction> htmlHelp_{L"hhctrl.ocx", "HtmlHelpW"};
  SystemFunction<InternetSetOptionFunction> internetSetOption_{L"wininet.dll",
                                                               "InternetSetOptionW"};
};

// True when the process token is elevated (an administrator past UAC).
bool processIsElevated();

}  // namespace veltrano::win32
