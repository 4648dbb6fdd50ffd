#include "expect.h"

#include <algorithm>

#include "text.h"

namespace e2e {

namespace {

std::vector<std::string>& recorded() {
  static std::vector<std::string> list;
  return list;
}

std::string joined(const std::vector<std::string>& texts) {
  std::string out = "[";
  for (std::size_t i = 0; i < texts.size(); ++i) {
    out += (i == 0 ? "" : ", ") + shown(texts[i]);
  }
  return out + "]";
}

}  // namespace

void fail(const std::string& message) {
  throw Fatal(message);
}

void recordFailure(const std::string& message) {
  recorded().push_back(message);
}

const std::vector<std::string>& failures() {
  return recorded();
}

void expect(bool condition, const std::string& what) {
  if (!condition) {
    recordFailure(what);
  }
}

void expectText(const std::string& what, std::string_view expected, std::string_view actual) {
  if (expected != actual) {
    recordFailure(what + ": expected " + shown(expected) + ", got " + shown(actual));
  }
}

void expectNumber(const std::string& what, long long expected, long long actual) {
  if (expected != actual) {
    recordFailure(what + ": expected " + std::to_string(expected) + ", got " +
                  std::to_string(actual));
  }
}

void expectTexts(const std::string& what, const std::vector<std::string>& expected,
                 const std::vector<std::string>& actual) {
  if (expected != actual) {
    recordFailure(what + ": expected " + joined(expected) + ", got " + joined(actual));
  }
}

void expectBytes(const std::string& what, std::string_view expected, std::string_view actual) {
  if (expected == actual) {
    return;
  }
  const auto want = linesOf(expected);
  const auto got = linesOf(actual);
  std::size_t line = 0;
  while (line < want.size() && line < got.size() && want[line] == got[line]) {
    ++line;
  }
  std::string message = what + ": differs at line " + std::to_string(line + 1) + ": expected " +
                        (line < want.size() ? shownBytes(want[line]) : "the end of the data") +
                        ", got " +
                        (line < got.size() ? shownBytes(got[line]) : "the end of the data");
  message += "\n    whole content: " + shownBytes(actual);
  recordFailure(message);
}

}  // namespace e2e
