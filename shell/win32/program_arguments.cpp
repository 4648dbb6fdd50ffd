#include "shell/win32/program_arguments.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "shell/win32/system_function.h"
#include "shell/win32/utf16.h"

namespace veltrano::win32 {

namespace {

using CommandLineToArgvFunction = LPWSTR*(WINAPI*)(LPCWSTR commandLine, int* count);

bool blank(const wchar_t* text) {
  for (; text != nullptr && *text != L'\0'; ++text) {
    if (*text != L' ' && *text != L'\t') {
      return false;
    }
  }
  return true;
}

}  // namespace

CommandLine commandOf(const wchar_t* arguments) {
  if (blank(arguments)) {
    return CommandLine{};
  }
  SystemFunction<CommandLineToArgvFunction> split{L"shell32.dll", "CommandLineToArgvW"};
  const CommandLineToArgvFunction splitFunction = split.get();
  int count = 0;
  // The whole line, so that the program's name is split off by the same rules as the rest.
  LPWSTR* words = splitFunction == nullptr ? nullptr : splitFunction(GetCommandLineW(), &count);
  if (words == nullptr) {
    return CommandLine{CommandLine::Kind::Invalid, {}, false};
  }
  std::vector<std::string> after;
  for (int i = 1; i < count; ++i) {
    after.push_back(narrow(words[i]));
  }
  LocalFree(words);
  return parseCommandLine(after);
}

}  // namespace veltrano::win32
