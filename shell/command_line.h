// What veltrano.exe is asked to do by its arguments.
#pragma once

#include <string>
#include <vector>

namespace veltrano {

struct CommandLine {
  enum class Kind { Window, Apply, Usage, Invalid };
  Kind kind = Kind::Window;
  std::string connection;  // Apply: the connection's name, trimmed of blanks
  bool quiet = false;      // Apply: show no message box
};

// The arguments after the program's own name, split as CommandLineToArgvW splits them, in
// UTF-8. No argument: the window. "/apply NAME" with an optional "/quiet" in any place: apply
// NAME without the window. "/?" alone: the usage box. Switches are case-insensitive and may
// start with "-" too. Anything else is Invalid.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

}  // namespace veltrano
