// What veltrano.exe is asked to do by its arguments.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano {

struct CommandLine {
  enum class Kind { Window, Apply, Undo, Usage, Invalid };
  Kind kind = Kind::Window;
  std::string connection;      // Apply: the connection's name, trimmed of blanks
  bool quiet = false;          // show no message box
  std::optional<int> confirm;  // Apply: seconds the change waits to be kept
};

// Seconds a change waits to be kept when /confirm names none, and the most it may name.
inline constexpr int kConfirmSeconds = 60;
inline constexpr int kMaxConfirmSeconds = 3600;

// The arguments after the program's own name, split as CommandLineToArgvW splits them, in
// UTF-8. No argument: the window. "/apply NAME" with an optional "/quiet" in any place: apply
// NAME without the window; "/confirm [SECONDS]" after it (not with /quiet: it asks in a box)
// waits for the change to be kept. "/undo": put back what the last apply changed. "/?" alone:
// the usage box. Switches are case-insensitive and may start with "-" too. Anything else is
// Invalid. "/quiet" anywhere, even swallowed into another
// argument by a stray quote ("Lab\" /quiet"), means no box at all: a scheduled task can never
// answer one. Such an argument is Invalid.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The command line that Windows gave the process without the program's name, which is left
// as Windows found it: up to its closing quote, or the program's own path when the line starts
// with it unquoted (blanks and all, as CreateProcess allows), or else up to the first blank.
std::string_view argumentsAfterProgramName(std::string_view commandLine,
                                           std::string_view programPath);

}  // namespace veltrano
