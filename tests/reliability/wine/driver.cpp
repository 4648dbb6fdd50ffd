#include "driver.h"

#include <thread>
#include <vector>

namespace reliability_wine {

namespace {

constexpr auto kPoll = std::chrono::milliseconds(50);
constexpr int kMessageBoxTextId = 0xFFFF;

struct Search {
  DWORD process;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (owner == search->process && IsWindowVisible(window) &&
      std::wstring(name) == search->className) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

template <class Condition>
bool waitUntil(std::chrono::milliseconds timeout, Condition condition) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) {
      return false;
    }
    std::this_thread::sleep_for(kPoll);
  }
  return true;
}

}  // namespace

std::wstring widen(const std::string& utf8) {
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), length);
  return out;
}

std::string narrow(const std::wstring& utf16) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), length,
                      nullptr, nullptr);
  return out;
}

Program::Program(const std::filesystem::path& exe) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  const std::wstring folder = exe.parent_path().wstring();
  if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     folder.c_str(), &startup, &info)) {
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
  }
}

Program::~Program() {
  if (process_ != nullptr) {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_, 1);
    }
    CloseHandle(process_);
  }
}

HWND Program::findWindow(const wchar_t* className) const {
  Search search{id_, className, nullptr};
  EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Program::waitForMainWindow(std::chrono::milliseconds timeout) const {
  HWND window = nullptr;
  waitUntil(timeout, [&] { return (window = findWindow(L"VeltranoMain")) != nullptr; });
  return window;
}

HWND Program::waitForMessageBox(std::chrono::milliseconds timeout) const {
  HWND box = nullptr;
  waitUntil(timeout, [&] { return (box = findWindow(L"#32770")) != nullptr; });
  return box;
}

bool Program::waitForExit(std::chrono::milliseconds timeout) const {
  return WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

void press(HWND window, int buttonId) {
  PostMessageW(GetDlgItem(window, buttonId), BM_CLICK, 0, 0);
}

std::string messageBoxText(HWND box) {
  wchar_t text[1024] = {};
  GetDlgItemTextW(box, kMessageBoxTextId, text, 1024);
  return narrow(text);
}

void answerOk(HWND box) {
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace reliability_wine
