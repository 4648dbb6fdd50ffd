// lastconnection.bat as cmd.exe reads it, reduced to what decides whether a line runs anything
// besides its own command: % expansion, caret escapes, double quotes, the characters that
// split, redirect or group commands, and delayed ! expansion. Shared by the fuzz target of the
// batch lines and the hostile-input tests.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "apply/batch_file.h"

namespace veltrano::reliability {

inline constexpr std::string_view kCommentStart = "rem setting connessione ";
inline constexpr std::string_view kAddressStart = "netsh interface ip set address ";
inline constexpr std::string_view kDnsStart = "netsh interface ip set dns ";

// The longest line cmd.exe reads as one command line.
inline constexpr std::size_t kCmdLineLimit = 8191;

// The lines of a text in which every line ends in CR LF and no other CR or LF appears;
// nullopt otherwise.
std::optional<std::vector<std::string>> crLfLines(std::string_view text);

// One line as cmd.exe reads it: the literal text the command receives, or nullopt when
// anything in the line would act (expand, split, redirect, group or join the next line).
// `commandLine` is false for the "rem" line, where parentheses and ! do nothing.
std::optional<std::string> readAsCmd(std::string_view line, bool commandLine);

// The three lines as cmd.exe reads them.
struct BatchAsRead {
  std::string comment;
  std::string address;
  std::string dns;
};

// nullopt unless the batch is exactly three CR LF lines with the fixed starts, and cmd reads
// each of them as one command that nothing in it can extend.
std::optional<BatchAsRead> readBatchAsCmd(std::string_view batch);

// The address and DNS lines that netsh must receive for these inputs.
std::string expectedAddressLine(const BatchInput& input);
std::string expectedDnsLine(const BatchInput& input);

// A text buildBatch cannot carry: a control character anywhere, or a " or ! outside the comment.
bool uncarriable(std::string_view text, bool inComment);

}  // namespace veltrano::reliability
