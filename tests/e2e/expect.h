// Expectations of a case. A failed expectation is recorded and the case goes on, so that one
// run reports every difference; a step without which the case cannot go on throws Fatal.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

class Fatal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& message);

void expect(bool condition, const std::string& what);
void expectText(const std::string& what, std::string_view expected, std::string_view actual);
void expectNumber(const std::string& what, long long expected, long long actual);
void expectTexts(const std::string& what, const std::vector<std::string>& expected,
                 const std::vector<std::string>& actual);
// Byte-exact comparison of file or registry contents; the message points at the first line
// that differs.
void expectBytes(const std::string& what, std::string_view expected, std::string_view actual);

void recordFailure(const std::string& message);
const std::vector<std::string>& failures();

}  // namespace e2e
