#include "shell/win32/win32_file_system.h"

#include <windows.h>

#include "shell/win32/handles.h"
#include "shell/win32/utf16.h"

namespace veltrano::win32 {

namespace {

// An editor or a virus scanner may hold the old file for a moment; wait a little for it.
constexpr int kMoveAttempts = 10;
constexpr DWORD kMoveRetryDelayMs = 50;

KernelHandle openFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
  HANDLE file = CreateFileW(path.c_str(), access, share, nullptr, disposition,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return nullptr;
  }
  return KernelHandle(file);
}

bool writeEverything(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(bytes.size() > 0x10000000 ? 0x10000000 : bytes.size());
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool writeNewFile(const std::wstring& path, std::string_view bytes) {
  const KernelHandle file = openFile(path, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS);
  if (!file || !writeEverything(file.get(), bytes)) {
    return false;
  }
  return FlushFileBuffers(file.get()) != FALSE;
}

// A temporary file left by a rewrite that was cut short (a crash, a power cut) must not block
// the next one: CREATE_ALWAYS fails on a hidden, system or read-only file.
void removeLeftover(const std::wstring& temporary) {
  SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(temporary.c_str());
}

bool isTransient(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
         error == ERROR_LOCK_VIOLATION;
}

bool moveOver(const std::wstring& from, const std::wstring& to) {
  for (int attempt = 1;; ++attempt) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return true;
    }
    if (attempt == kMoveAttempts || !isTransient(GetLastError())) {
      return false;
    }
    Sleep(kMoveRetryDelayMs);
  }
}

}  // namespace

std::optional<std::string> Win32FileSystem::readAll(const std::string& path) {
  const KernelHandle file =
      openFile(widen(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
  if (!file) {
    return std::nullopt;
  }
  std::string content;
  char buffer[65536];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) {
      return std::nullopt;
    }
    if (read == 0) {
      return content;
    }
    content.append(buffer, read);
  }
}

bool Win32FileSystem::replaceAll(const std::string& path, std::string_view bytes) {
  const std::wstring target = widen(path);
  const std::wstring temporary = target + L".tmp";
  removeLeftover(temporary);
  if (writeNewFile(temporary, bytes) && moveOver(temporary, target)) {
    return true;
  }
  DeleteFileW(temporary.c_str());
  return false;
}

bool Win32FileSystem::remove(const std::string& path) {
  const std::wstring file = widen(path);
  return DeleteFileW(file.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

}  // namespace veltrano::win32
