#include "shell/command_line.h"

#include "store/profile_table.h"

namespace veltrano {

namespace {

// "/apply", "-APPLY" and the like name the switch "apply"; anything else names none.
std::string switchName(const std::string& argument) {
  if (argument.size() < 2 || (argument.front() != '/' && argument.front() != '-')) {
    return {};
  }
  return lowerAscii(argument.substr(1));
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine out;
  std::vector<std::string> rest;
  int quiet = 0;
  for (const std::string& argument : arguments) {
    if (switchName(argument) == "quiet") {
      ++quiet;
    } else {
      rest.push_back(argument);
    }
  }
  out.quiet = quiet > 0;
  if (arguments.empty()) {
    out.kind = CommandLine::Kind::Window;
  } else if (rest.size() == 1 && switchName(rest[0]) == "?" && quiet == 0) {
    out.kind = CommandLine::Kind::Usage;
  } else if (rest.size() == 2 && switchName(rest[0]) == "apply" && quiet < 2 &&
             !trimBlanks(rest[1]).empty()) {
    out.kind = CommandLine::Kind::Apply;
    out.connection = trimBlanks(rest[1]);
  } else {
    out.kind = CommandLine::Kind::Invalid;
  }
  return out;
}

}  // namespace veltrano
