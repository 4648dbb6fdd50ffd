// The machine's services the window needs: program folder, HTML Help, starting the batch
// file (elevated when needed) and telling WinINet that the proxy changed.
#pragma once

#include <windows.h>

#include <shellapi.h>
#include <wininet.h>

#include "shell/toolkit.h"
#include "shell/win32/system_function.h"

namespace veltrano::win32 {

class Win32Platform final : public Platform {
 public:
  // The window that owns the administrator prompt; set once the main window exists.
  void setOwner(HWND owner) { owner_ = owner; }

  std::string programFolder() override;
  void setHelpFile(const std::string& path) override { helpFile_ = path; }
  std::string helpFile() const override { return helpFile_; }
  void showHelp(const std::string& path) override;
  StartResult startProgram(const std::string& path, int windowStyle) override;
  void internetSettingsChanged() override;

 private:
  using HtmlHelpFunction = HWND(WINAPI*)(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data);
  using ShellExecuteExFunction = BOOL(WINAPI*)(SHELLEXECUTEINFOW* info);
  using InternetSetOptionFunction = BOOL(WINAPI*)(HINTERNET, DWORD, LPVOID, DWORD);

  HWND owner_ = nullptr;
  std::string helpFile_;
  // The libraries stay loaded until the process ends: help windows may outlive the main one.
  SystemFunction<HtmlHelpFunction> htmlHelp_{L"hhctrl.ocx", "HtmlHelpW"};
  SystemFunction<ShellExecuteExFunction> shellExecuteEx_{L"shell32.dll", "ShellExecuteExW"};
  SystemFunction<InternetSetOptionFunction> internetSetOption_{L"wininet.dll",
                                                               "InternetSetOptionW"};
};

// True when the process token is elevated (an administrator past UAC).
bool processIsElevated();

}  // namespace veltrano::win32
