#include "shell/command_line.h"

#include <algorithm>

#include "store/profile_table.h"

namespace veltrano {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

// "/apply", "-APPLY" and the like name the switch "apply"; anything else names none.
std::string switchName(const std::string& argument) {
  if (argument.size() < 2 || (argument.front() != '/' && argument.front() != '-')) {
    return {};
  }
  return lowerAscii(argument.substr(1));
}

// "/quiet" as a word of its own inside a longer argument, where a stray quote put it.
bool swallowsQuiet(const std::string& argument) {
  const std::string lowered = lowerAscii(argument);
  for (std::size_t at = lowered.find("quiet"); at != std::string::npos;
       at = lowered.find("quiet", at + 1)) {
    const bool switchBefore = at >= 1 && (lowered[at - 1] == '/' || lowered[at - 1] == '-') &&
                              (at == 1 || isBlank(lowered[at - 2]) || lowered[at - 2] == '"');
    const std::size_t end = at + 5;
    if (switchBefore && (end == lowered.size() || isBlank(lowered[end]) || lowered[end] == '"')) {
      return true;
    }
  }
  return false;
}

// After "/apply NAME": nothing, or "/confirm" with perhaps its seconds, 1 to an hour in digits;
// never with /quiet, since the change is kept only from its box.
bool confirmOf(const std::vector<std::string>& rest, CommandLine& out) {
  if (rest.size() == 2) {
    return true;
  }
  if (switchName(rest[2]) != "confirm" || rest.size() > 4 || out.quiet) {
    return false;
  }
  out.confirm = kConfirmSeconds;
  if (rest.size() == 4) {
    const std::string& seconds = rest[3];
    const bool digits =
        !seconds.empty() && seconds.size() <= 4 &&
        std::all_of(seconds.begin(), seconds.end(), [](char c) { return c >= '0' && c <= '9'; });
    out.confirm = digits ? std::stoi(seconds) : 0;
  }
  return *out.confirm >= 1 && *out.confirm <= kMaxConfirmSeconds;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine out;
  std::vector<std::string> rest;
  int quiet = 0;
  bool swallowed = false;
  for (const std::string& argument : arguments) {
    if (switchName(argument) == "quiet") {
      ++quiet;
    } else {
      swallowed = swallowed || swallowsQuiet(argument);
      rest.push_back(argument);
    }
  }
  out.quiet = quiet > 0 || swallowed;
  if (arguments.empty()) {
    out.kind = CommandLine::Kind::Window;
  } else if (swallowed) {
    out.kind = CommandLine::Kind::Invalid;
  } else if (rest.size() == 1 && switchName(rest[0]) == "?" && quiet == 0) {
    out.kind = CommandLine::Kind::Usage;
  } else if (rest.size() == 1 && switchName(rest[0]) == "undo" && quiet < 2) {
    out.kind = CommandLine::Kind::Undo;
  } else if (rest.size() >= 2 && switchName(rest[0]) == "apply" && quiet < 2 &&
             !trimBlanks(rest[1]).empty() && confirmOf(rest, out)) {
    out.kind = CommandLine::Kind::Apply;
    out.connection = trimBlanks(rest[1]);
  } else {
    out.kind = CommandLine::Kind::Invalid;
  }
  return out;
}

std::string_view argumentsAfterProgramName(std::string_view commandLine,
                                           std::string_view programPath) {
  std::string_view line = commandLine;
  while (!line.empty() && isBlank(line.front())) {
    line.remove_prefix(1);
  }
  std::size_t end = 0;
  if (!line.empty() && line.front() == '"') {
    const std::size_t closing = line.find('"', 1);
    end = closing == std::string_view::npos ? line.size() : closing + 1;
  } else if (!programPath.empty() && line.size() >= programPath.size() &&
             lowerAscii(std::string(line.substr(0, programPath.size()))) ==
                 lowerAscii(std::string(programPath)) &&
             (line.size() == programPath.size() || isBlank(line[programPath.size()]))) {
    end = programPath.size();
  }
  // What follows a closing quote, or the whole name when it is not our path, runs to a blank.
  while (end < line.size() && !isBlank(line[end])) {
    ++end;
  }
  return line.substr(end);
}

}  // namespace veltrano
