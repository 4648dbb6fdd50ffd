#include "veltrano_process.h"

#include <tlhelp32.h>

#include <map>

#include "expect.h"
#include "text.h"
#include "wait.h"

namespace e2e {

namespace {

struct ProcessEntry {
  DWORD id;
  std::string exe;
};

// Descendants of `root`, found through the parent ids of a process snapshot.
std::vector<ProcessEntry> descendantsOf(DWORD root) {
  std::multimap<DWORD, ProcessEntry> byParent;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) {
    return {};
  }
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    byParent.emplace(entry.th32ParentProcessID,
                     ProcessEntry{entry.th32ProcessID, narrow(entry.szExeFile)});
  }
  CloseHandle(snapshot);

  std::vector<ProcessEntry> found;
  std::vector<DWORD> toVisit{root};
  while (!toVisit.empty()) {
    const DWORD parent = toVisit.back();
    toVisit.pop_back();
    auto [first, last] = byParent.equal_range(parent);
    for (auto it = first; it != last; ++it) {
      if (it->second.id != root && found.size() < 64) {
        found.push_back(it->second);
        toVisit.push_back(it->second.id);
      }
    }
  }
  return found;
}

BOOL CALLBACK collectWindowOf(HWND window, LPARAM context) {
  auto* wanted = reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == wanted->first) {
    wanted->second.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::string classOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return narrow(name);
}

std::string textOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) {
    fail("the program does not answer: reading a text timed out");
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 5000, &copied);
  text.resize(copied);
  return narrow(text);
}

VeltranoProcess::VeltranoProcess(const std::filesystem::path& exe) {
  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  const std::wstring folder = exe.parent_path().wstring();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.wstring().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, folder.c_str(), &startup, &info)) {
    fail("cannot start " + exe.string() + " (error " + std::to_string(GetLastError()) + ")");
  }
  CloseHandle(info.hThread);
  handle_ = info.hProcess;
  id_ = info.dwProcessId;
}

VeltranoProcess::~VeltranoProcess() {
  end();
  CloseHandle(handle_);
}

bool VeltranoProcess::running() const {
  return WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT;
}

DWORD VeltranoProcess::exitCode() const {
  DWORD code = 0;
  GetExitCodeProcess(handle_, &code);
  return code;
}

bool VeltranoProcess::waitForExit(std::chrono::milliseconds timeout) const {
  return WaitForSingleObject(handle_, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

std::vector<HWND> VeltranoProcess::windows() const {
  std::pair<DWORD, std::vector<HWND>> wanted{id_, {}};
  EnumWindows(collectWindowOf, reinterpret_cast<LPARAM>(&wanted));
  return wanted.second;
}

HWND VeltranoProcess::mainWindow() const {
  for (HWND window : windows()) {
    if (classOf(window) == "VeltranoMain" && IsWindowVisible(window)) {
      return window;
    }
  }
  return nullptr;
}

std::vector<std::string> VeltranoProcess::runningChildren() const {
  std::vector<std::string> names;
  for (const ProcessEntry& child : descendantsOf(id_)) {
    names.push_back(child.exe);
  }
  return names;
}

bool VeltranoProcess::waitForChildrenToEnd(std::chrono::milliseconds timeout) const {
  return pollFor([&] { return runningChildren().empty(); }, timeout);
}

void VeltranoProcess::endChildren() const {
  for (const ProcessEntry& child : descendantsOf(id_)) {
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, child.id)) {
      TerminateProcess(process, 1);
      WaitForSingleObject(process, 5000);
      CloseHandle(process);
    }
  }
}

void VeltranoProcess::end() {
  endChildren();
  if (running()) {
    TerminateProcess(handle_, 1);
    WaitForSingleObject(handle_, 5000);
  }
}

}  // namespace e2e
