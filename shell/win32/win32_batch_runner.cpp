#include "shell/win32/win32_batch_runner.h"

#include "shell/win32/handles.h"
#include "shell/win32/utf16.h"
#include "shell/win32/win32_platform.h"

namespace veltrano::win32 {

namespace {

constexpr int kMinimized = SW_SHOWMINIMIZED;

std::wstring folderOf(const std::wstring& file) {
  const std::size_t separator = file.find_last_of(L"\\/");
  return separator == std::wstring::npos ? std::wstring{} : file.substr(0, separator);
}

}  // namespace

WriteResult Win32BatchRunner::write(const std::string& path, std::string_view bytes) {
  HANDLE file = CreateFileW(widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return WriteResult::Failed;
  }
  const KernelHandle owned(file);
  DWORD written = 0;
  const auto size = static_cast<DWORD>(bytes.size());
  if (!WriteFile(file, bytes.data(), size, &written, nullptr) || written != size) {
    return WriteResult::Failed;
  }
  return WriteResult::Written;
}

StartResult Win32BatchRunner::start(const std::string& path) {
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
  execute.nShow = kMinimized;
  const ShellExecuteExFunction shellExecuteEx = shellExecuteEx_.get();
  if (shellExecuteEx == nullptr) {
    return StartResult::Failed;
  }
  if (shellExecuteEx(&execute)) {
    return StartResult::Started;
  }
  return GetLastError() == ERROR_CANCELLED ? StartResult::Declined : StartResult::Failed;
}

bool Win32BatchRunner::running() {
  return false;
}

}  // namespace veltrano::win32
