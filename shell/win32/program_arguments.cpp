#include "shell/win32/program_arguments.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "shell/win32/program_folder.h"
#include "shell/win32/system_function.h"
#include "shell/win32/utf16.h"

namespace veltrano::win32 {

namespace {

using CommandLineToArgvFunction = LPWSTR*(WINAPI*)(LPCWSTR commandLine, int* count);

bool blank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

CommandLine commandOfProcess() {
  const std::string line = narrow(GetCommandLineW());
  const std::string_view arguments = argumentsAfterProgramName(line, narrow(modulePath()));
  if (blank(arguments)) {
    return CommandLine{};
  }
  SystemFunction<CommandLineToArgvFunction> split{L"shell32.dll", "CommandLineToArgvW"};
  const CommandLineToArgvFunction splitFunction = split.get();
  int count = 0;
  // A stand-in name in front, so that the arguments are split by the rules of a whole line
  // and the real name, already taken off, is never split again.
  const std::wstring whole = L"x " + widen(arguments);
  LPWSTR* words = splitFunction == nullptr ? nullptr : splitFunction(whole.c_str(), &count);
  if (words == nullptr) {
    return CommandLine{CommandLine::Kind::Invalid, {}, false, {}};
  }
  std::vector<std::string> after;
  for (int i = 1; i < count; ++i) {
    after.push_back(narrow(words[i]));
  }
  LocalFree(words);
  return parseCommandLine(after);
}

}  // namespace veltrano::win32
