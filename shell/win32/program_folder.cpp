#include "shell/win32/program_folder.h"

#include <windows.h>

namespace veltrano::win32 {

std::wstring folderOfModulePath(const std::wstring& modulePath) {
  const std::size_t separator = modulePath.find_last_of(L"\\/");
  if (separator == std::wstring::npos) {
    return {};
  }
  std::wstring folder = modulePath.substr(0, separator);
  const bool driveOnly = folder.size() == 2 && folder[1] == L':';
  if (driveOnly) {
    folder += L'\\';
  }
  return folder;
}

std::wstring modulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD capacity = static_cast<DWORD>(path.size());
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), capacity);
    if (length == 0) {
      return {};
    }
    if (length < capacity) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // truncated: long paths exceed MAX_PATH
  }
}

std::wstring programFolder() {
  return folderOfModulePath(modulePath());
}

}  // namespace veltrano::win32
