// Stands in for netsh.exe in the program folder during the end-to-end tests: cmd.exe finds it
// there before the system's one. It changes nothing and appends the arguments it received, as
// UTF-8 joined with "|", one line per call, to netsh-calls.txt beside itself.
#include <windows.h>

#include <shellapi.h>

#include <string>

namespace {

std::string utf8(const std::wstring& wide) {
  if (wide.empty()) {
    return {};
  }
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, out.data(), length, nullptr, nullptr);
  return out;
}

std::wstring recordPath() {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), MAX_PATH);
  path.resize(length);
  return path.substr(0, path.find_last_of(L'\\') + 1) + L"netsh-calls.txt";
}

}  // namespace

int wmain() {
  int count = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::string line;
  for (int i = 1; argv != nullptr && i < count; ++i) {
    line += (i == 1 ? "" : "|") + utf8(argv[i]);
  }
  LocalFree(argv);
  line += "\r\n";

  const HANDLE file = CreateFileW(recordPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return 1;
  }
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}
