#include "support/properties.h"

#include <algorithm>
#include <vector>

namespace veltrano::support {

namespace {

bool isControl(char c) {
  return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

// No control character anywhere, no " or ! outside the comment, no \ closing the adapter name.
bool carriable(const BatchInput& in) {
  const auto clean = [](std::string_view text, bool inComment) {
    return std::none_of(text.begin(), text.end(), [inComment](char c) {
      return isControl(c) || (!inComment && (c == '"' || c == '!'));
    });
  };
  const bool addresses =
      in.dhcp ||
      (clean(in.ip, false) && clean(in.mask, false) && clean(in.gateway, false) &&
       std::all_of(in.dns.begin(), in.dns.end(), [&](auto& d) { return clean(d, false); }));
  return clean(in.nome, true) && clean(in.interfaccia, false) && addresses &&
         (in.interfaccia.empty() || in.interfaccia.back() != '\\');
}

// One batch line as cmd.exe reads it: the literal text its command receives, or nullopt when
// anything in it would act (expand a %, split, redirect, group, expand a ! or join the next
// line). `command` is false for the "rem" line, where ( ) and ! do nothing.
std::optional<std::string> readAsCmd(std::string_view line, bool command) {
  // Before anything else cmd expands % sequences; only "%%", a literal %, is harmless.
  std::string expanded;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (isControl(line[i]) || (line[i] == '%' && (++i == line.size() || line[i] != '%'))) {
      return std::nullopt;
    }
    expanded += line[i];
  }
  if (command && expanded.find('!') != std::string::npos) {
    return std::nullopt;
  }
  std::string literal;
  bool quoted = false;
  for (std::size_t i = 0; i < expanded.size(); ++i) {
    const char c = expanded[i];
    const bool special =
        std::string_view(command ? "&|<>()" : "&|<>").find(c) != std::string_view::npos;
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && c == '^') {
      if (++i == expanded.size()) {
        return std::nullopt;
      }
    } else if (!quoted && special) {
      return std::nullopt;
    }
    literal += expanded[i];
  }
  return literal;
}

}  // namespace

std::string batchProblem(const BatchInput& in) {
  const auto batch = buildBatch(in);
  if (batch.has_value() != carriable(in)) {
    return batch ? "a text that cannot be carried was let through" : "a carriable text was refused";
  }
  if (!batch) {
    return {};
  }
  const std::string adapter = "\"" + in.interfaccia + "\"";
  std::vector<std::string> expected = {
      "rem setting connessione " + in.nome,
      "netsh interface ip set address " + adapter +
          (in.dhcp ? " dhcp"
                   : " static " + in.ip + " " + in.mask + " " +
                         (in.gateway.empty() ? "none" : in.gateway + " 1")),
      "netsh interface ip set dns " + adapter +
          (in.dhcp ? " dhcp" : " static " + (in.dns.empty() ? "none" : in.dns[0]))};
  for (std::size_t i = 1; !in.dhcp && i < in.dns.size(); ++i) {
    expected.push_back("netsh interface ip add dns " + adapter + " " + in.dns[i] +
                       " index=" + std::to_string(i + 1));
  }
  std::string_view rest = *batch;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto end = rest.find("\r\n");
    const std::string_view line = rest.substr(0, end);
    if (end == std::string_view::npos || line.find_first_of("\r\n") != std::string_view::npos) {
      return "not " + std::to_string(expected.size()) + " CR LF lines";
    }
    const auto read = readAsCmd(line, i > 0);
    // A " in the name may turn the comment's escapes into literal carets: harmless there.
    const bool commentWithQuote = i == 0 && in.nome.find('"') != std::string::npos;
    if (!read || (*read != expected[i] && !commentWithQuote)) {
      return "cmd does not read line " + std::to_string(i + 1) +
             " as written: " + std::string(line);
    }
    rest.remove_prefix(end + 2);
  }
  return rest.empty() ? "" : "more lines than asked";
}

}  // namespace veltrano::support
