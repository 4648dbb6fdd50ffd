// veltrano.exe's command line: the program's name taken off as Windows found it, and what the
// arguments ask.
#include <gtest/gtest.h>

#include "shell/command_line.h"

namespace veltrano {
namespace {

TEST(Arguments, TheProgramsNameIsTakenOffAsWindowsFoundItAndNeverSplitAgain) {
  const std::string path = "C:\\Program Files\\Veltrano\\veltrano.exe";
  const std::pair<std::string, std::string> rows[] = {
      {"\"C:\\Program Files\\Veltrano\\veltrano.exe\" /apply X", " /apply X"},
      {"C:\\Program Files\\Veltrano\\veltrano.exe /apply X",
       " /apply X"},  // CreateProcess, unquoted
      {"  veltrano /apply \"Lab 2\"", " /apply \"Lab 2\""},
      {"C:\\Program Files\\Veltrano\\veltrano.exe2 /x", " Files\\Veltrano\\veltrano.exe2 /x"},
      {"\"C:\\V\"x /apply", " /apply"},
      {"\"C:\\V /apply", ""},
  };
  for (const auto& [line, rest] : rows) {
    EXPECT_EQ(argumentsAfterProgramName(line, path), rest) << line;
  }
}

TEST(Arguments, QuietAnywhereSilencesEvenAnArgumentAStrayQuoteSwallowed) {
  using K = CommandLine::Kind;
  const std::tuple<std::vector<std::string>, K, std::string, bool> rows[] = {
      {{}, K::Window, "", false},
      {{"/apply", " Lab 2 "}, K::Apply, "Lab 2", false},
      {{"-QUIET", "-Apply", "Lab"}, K::Apply, "Lab", true},
      {{"/apply", "Lab\" /quiet"}, K::Invalid, "", true},  // /apply "Lab\" /quiet
      {{"/apply", "Wi-Fi-quiet"}, K::Apply, "Wi-Fi-quiet", false},
      {{"/apply", "Lab", "/quiet", "/quiet"}, K::Invalid, "", true},
      {{"/apply", "  "}, K::Invalid, "", false},
      {{"/?"}, K::Usage, "", false},
      {{"/?", "/quiet"}, K::Invalid, "", true},
      {{"Lab"}, K::Invalid, "", false},
  };
  for (const auto& [arguments, kind, connection, quiet] : rows) {
    const CommandLine parsed = parseCommandLine(arguments);
    EXPECT_EQ(parsed.kind, kind) << ::testing::PrintToString(arguments);
    EXPECT_EQ(parsed.connection, connection) << ::testing::PrintToString(arguments);
    EXPECT_EQ(parsed.quiet, quiet) << ::testing::PrintToString(arguments);
  }
}

}  // namespace
}  // namespace veltrano
