#include "shell/command_line.h"

#include <algorithm>

#include "store/profile_table.h"

namespace veltrano {

namespace {

// "/apply", "-APPLY" and the like name the switch "apply"; anything else names none.
std::string switchName(const std::string& argument) {
  if (argument.size() < 2 || (argument.front() != '/' && argument.front() != '-')) {
    return {};
  }
  std::string name = argument.substr(1);
  std::transform(name.begin(), name.end(), name.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return name;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine out;
  if (arguments.empty()) {
    return out;
  }
  if (arguments.size() == 1 && switchName(arguments[0]) == "?") {
    out.kind = CommandLine::Kind::Usage;
    return out;
  }
  bool apply = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string name = switchName(arguments[i]);
    if (name == "quiet" && !out.quiet) {
      out.quiet = true;
    } else if (name == "apply" && !apply && i + 1 < arguments.size()) {
      apply = true;
      out.connection = trimBlanks(arguments[++i]);
    } else {
      return CommandLine{CommandLine::Kind::Invalid, {}, out.quiet};
    }
  }
  out.kind =
      apply && !out.connection.empty() ? CommandLine::Kind::Apply : CommandLine::Kind::Invalid;
  return out;
}

}  // namespace veltrano
