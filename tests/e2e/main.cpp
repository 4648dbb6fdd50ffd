// veltrano_e2e: drives the real veltrano.exe under Wine, one case per run.
//   veltrano_e2e <case> <veltrano.exe> <fixtures folder>   runs one case (a release case runs
//                                                        that veltrano.exe where it stands)
//   veltrano_e2e --list                                  names every case
//   veltrano_e2e --registered <case>...                  checks that CTest knows every case
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "cases.h"
#include "expect.h"
#include "text.h"

namespace {

using e2e::Case;

void say(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

// CTest hands over Linux paths; under Wine they live on drive Z:.
std::filesystem::path windowsPath(std::string path) {
  if (!path.empty() && path.front() == '/') {
    path = "Z:" + path;
  }
  std::replace(path.begin(), path.end(), '/', '\\');
  return std::filesystem::path(e2e::widen(path));
}

int listCases() {
  for (const Case& c : e2e::allCases()) {
    say(c.name);
  }
  return 0;
}

int checkRegistered(const std::vector<std::string>& registered) {
  std::set<std::string> known;
  for (const Case& c : e2e::allCases()) {
    known.insert(c.name);
  }
  const std::set<std::string> listed(registered.begin(), registered.end());
  int missing = 0;
  for (const std::string& name : known) {
    if (listed.count(name) == 0) {
      say("case " + name + " is not registered in tests/e2e/CMakeLists.txt");
      ++missing;
    }
  }
  for (const std::string& name : listed) {
    if (known.count(name) == 0) {
      say("tests/e2e/CMakeLists.txt registers " + name + ", which the driver does not know");
      ++missing;
    }
  }
  return missing == 0 ? 0 : 1;
}

// Expected file bytes assume an Italian Windows; scripts/e2e.sh sets LANG for Wine.
bool codePagesAreItalian() {
  if (GetACP() == e2e::kAnsiCodePage && GetOEMCP() == e2e::kOemCodePage) {
    return true;
  }
  say("FAIL: Wine runs with ANSI code page " + std::to_string(GetACP()) + " and OEM code page " +
      std::to_string(GetOEMCP()) + "; the suite needs 1252 and 850 (LANG=it_IT.UTF-8, see " +
      "scripts/e2e.sh)");
  return false;
}

int runCase(const std::string& name, const e2e::Environment& environment) {
  auto cases = e2e::allCases();
  for (Case& c : e2e::releaseCases()) {
    cases.push_back(std::move(c));
  }
  const auto found =
      std::find_if(cases.begin(), cases.end(), [&](const Case& c) { return c.name == name; });
  if (found == cases.end()) {
    say("unknown case " + name + " (--list names them)");
    return 2;
  }
  if (!codePagesAreItalian()) {
    return 1;
  }
  try {
    found->run(environment);
  } catch (const e2e::Fatal& fatal) {
    e2e::recordFailure(fatal.what());
  } catch (const std::exception& error) {
    e2e::recordFailure(std::string("unexpected error: ") + error.what());
  }
  if (e2e::failures().empty()) {
    say("PASS " + name);
    return 0;
  }
  say("FAIL " + name);
  for (const std::string& failure : e2e::failures()) {
    say("  - " + failure);
  }
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // UTF-8 bytes out as they are, lines ending in LF
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    args.push_back(e2e::narrow(argv[i]));
  }
  if (args.size() == 1 && args[0] == "--list") {
    return listCases();
  }
  if (!args.empty() && args[0] == "--registered") {
    return checkRegistered(std::vector<std::string>(args.begin() + 1, args.end()));
  }
  if (args.size() != 3) {
    say("usage: veltrano_e2e <case> <veltrano.exe> <fixtures folder> | --list | --registered "
        "<case>...");
    return 2;
  }
  return runCase(args[0], e2e::Environment{windowsPath(args[1]), windowsPath(args[2])});
}
