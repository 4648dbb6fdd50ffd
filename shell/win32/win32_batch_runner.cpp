#include "shell/win32/win32_batch_runner.h"

#include <string>

#include "apply/cmd_invocation.h"
#include "shell/win32/protected_file.h"
#include "shell/win32/utf16.h"
#include "shell/win32/win32_platform.h"

namespace veltrano::win32 {

namespace {

WriteResult failure(DWORD error) {
  return error == ERROR_SHARING_VIOLATION ? WriteResult::Busy : WriteResult::Failed;
}

bool writeAll(HANDLE file, std::string_view bytes) {
  DWORD written = 0;
  const auto size = static_cast<DWORD>(bytes.size());
  return WriteFile(file, bytes.data(), size, &written, nullptr) && written == size;
}

bool holds(HANDLE file, std::string_view bytes) {
  std::string read(bytes.size() + 1, '\0');
  DWORD size = 0;
  return ReadFile(file, read.data(), static_cast<DWORD>(read.size()), &size, nullptr) &&
         std::string_view(read.data(), size) == bytes;
}

std::wstring systemFolder() {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  return length == 0 || length >= MAX_PATH ? std::wstring{} : std::wstring(folder, length);
}

std::wstring fullPath(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  full.resize(length < size ? length : 0);
  return full;
}

}  // namespace

void prepareCmdStart(CmdStart& start, bool elevated, HWND owner) {
  SHELLEXECUTEINFOW& info = start.info;
  info = {};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  // netsh needs an administrator: ask once, for this one cmd.
  info.hwnd = elevated ? nullptr : owner;
  info.lpVerb = elevated ? nullptr : L"runas";
  info.lpFile = start.program.c_str();
  info.lpParameters = start.parameters.c_str();
  info.lpDirectory = start.folder.c_str();
  info.nShow = SW_SHOWMINIMIZED;
}

StartResult startFailure(DWORD error) {
  return error == ERROR_CANCELLED ? StartResult::Declined : StartResult::Failed;
}

Win32BatchRunner::~Win32BatchRunner() {
  if (process_) {
    WaitForSingleObject(process_.get(), INFINITE);
  }
}

WriteResult Win32BatchRunner::write(const std::string& path, std::string_view bytes) {
  if (running()) {
    return WriteResult::Busy;
  }
  const std::wstring file = widen(path);
  heldFiles_.erase(file);  // written again: the older hold would keep it from being replaced
  // A file rewritten in place keeps its old permissions: a new one gets only ours.
  if (!DeleteFileW(file.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
    return failure(GetLastError());
  }
  {
    const HANDLE created = createProtectedFile(file);
    if (created == INVALID_HANDLE_VALUE) {
      return failure(GetLastError());
    }
    const KernelHandle writer(created);
    if (!writeAll(created, bytes)) {
      return WriteResult::Failed;
    }
  }
  const HANDLE reader = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (reader == INVALID_HANDLE_VALUE) {
    return failure(GetLastError());
  }
  KernelHandle held(reader);
  // Between closing and holding, another Veltrano of this user could have written it.
  if (!holds(reader, bytes)) {
    return WriteResult::Busy;
  }
  heldFiles_[file] = std::move(held);
  return WriteResult::Written;
}

StartResult Win32BatchRunner::start(const std::vector<std::string>& paths) {
  const StartResult result = launch(paths);
  if (result != StartResult::Started || !process_) {
    heldFiles_.clear();
  }
  return result;
}

StartResult Win32BatchRunner::launch(const std::vector<std::string>& paths) {
  CmdStart start;
  start.folder = systemFolder();
  std::vector<std::string> full;
  for (const std::string& path : paths) {
    full.push_back(narrow(fullPath(widen(path))));
  }
  const auto parameters = cmdArguments(full, codePage_);
  const ShellExecuteExFunction shellExecuteEx = shellExecuteEx_.get();
  if (start.folder.empty() || !parameters || shellExecuteEx == nullptr) {
    return StartResult::Failed;
  }
  start.program = start.folder + L"\\cmd.exe";
  start.parameters = widen(*parameters);
  prepareCmdStart(start, processIsElevated(), owner_);
  if (!shellExecuteEx(&start.info)) {
    return startFailure(GetLastError());
  }
  process_.reset(start.info.hProcess);
  return StartResult::Started;
}

bool Win32BatchRunner::running() {
  if (!process_) {
    return false;
  }
  if (WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    return true;
  }
  process_.reset();
  heldFiles_.clear();
  return false;
}

}  // namespace veltrano::win32
