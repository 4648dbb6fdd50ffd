#include "shell/win32/win32_platform.h"

#include "shell/win32/handles.h"
#include "shell/win32/program_folder.h"
#include "shell/win32/utf16.h"

namespace veltrano::win32 {

namespace {

constexpr UINT kHelpDisplayTableOfContents = 1;  // HH_DISPLAY_TOC

std::wstring folderOf(const std::wstring& file) {
  const std::size_t separator = file.find_last_of(L"\\/");
  return separator == std::wstring::npos ? std::wstring{} : file.substr(0, separator);
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

StartResult Win32Platform::startProgram(const std::string& path, int windowStyle) {
  const std::wstring file = widen(path);
  const std::wstring directory = folderOf(file);
  const bool elevated = processIsElevated();
  SHELLEXECUTEINFOW execute{};
  execute.cbSize = sizeof execute;
  execute.fMask = SEE_MASK_FLAG_NO_UI;
  // netsh needs an administrator: ask once, for the batch file alone.
  execute.hwnd = elevated ? nullptr : owner_;
  execute.lpVerb = elevated ? nullptr : L"runas";
  execute.lpFile = file.c_str();
  execute.lpDirectory = directory.empty() ? nullptr : directory.c_str();
  execute.nShow = windowStyle;
  const ShellExecuteExFunction shellExecuteEx = shellExecuteEx_.get();
  if (shellExecuteEx == nullptr) {
    return StartResult::Failed;
  }
  if (shellExecuteEx(&execute)) {
    return StartResult::Started;
  }
  return GetLastError() == ERROR_CANCELLED ? StartResult::Declined : StartResult::Failed;
}

void Win32Platform::internetSettingsChanged() {
  if (const InternetSetOptionFunction setOption = internetSetOption_.get()) {
    setOption(nullptr, INTERNET_OPTION_SETTINGS_CHANGED, nullptr, 0);
    setOption(nullptr, INTERNET_OPTION_REFRESH, nullptr, 0);
  }
}

}  // namespace veltrano::win32
