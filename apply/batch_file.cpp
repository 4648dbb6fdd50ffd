#include "apply/batch_file.h"

#include <string_view>

namespace veltrano {

namespace {

// How cmd.exe reads each line of a batch file decides what a text may hold:
// - before anything else, every line (a "rem" line too) has its % sequences expanded:
//   %PATH%, %1, and %~ which can abort the whole batch. "%%" is a literal %, so every % is
//   doubled;
// - then, outside double quotes, & | < > start another command or a redirection, ( ) open
//   and close blocks, and ^ makes the next character literal; a ^ at the very end of a line
//   joins the next line to it, also after "rem". Inside double quotes all of these are
//   literal, and a " switches between the two states;
// - when the user's registry enables delayed expansion, !name! is expanded after that, and
//   carets are taken away a second time, inside quotes as well; no ! can be carried safely;
// - a line break ends the command, and the following text would run as a new one.
struct CmdPosition {
  std::string_view escapedWithCaret;  // characters written with a ^ in front of them
  std::string_view refused;           // characters that cannot be carried at all
};

// The comment runs nothing itself, but & or | could start a command after it, < or > a
// redirection, and a final ^ would swallow the next line. If a " in the name switches quoting
// on, these escapes just become literal carets of the comment; ( ) ! " mean nothing here.
constexpr CmdPosition kComment{"&|<>^", ""};
// Between the quotes that the line puts around the adapter name.
constexpr CmdPosition kQuoted{"", "\"!"};
// The static address values, read by cmd outside any quotes.
constexpr CmdPosition kUnquoted{"&|<>^()", "\"!"};

// Line breaks would add lines; the other control characters have no business in these texts.
// The bytes of a multi-byte UTF-8 character are all 0x80 or above, so a byte test suffices.
bool isControlCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

std::optional<std::string> carry(std::string_view text, const CmdPosition& position) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (isControlCharacter(c) || position.refused.find(c) != std::string_view::npos) {
      return std::nullopt;
    }
    if (c == '%') {
      out += "%%";
      continue;
    }
    if (position.escapedWithCaret.find(c) != std::string_view::npos) {
      out += '^';
    }
    out += c;
  }
  return out;
}

// What follows the quoted adapter name on a static address line. Without a gateway netsh would
// take the metric for one; "none" is its word for no gateway.
std::optional<std::string> staticAddressTail(const BatchInput& input) {
  const auto ip = carry(input.ip, kUnquoted);
  const auto mask = carry(input.mask, kUnquoted);
  const auto gateway = carry(input.gateway, kUnquoted);
  if (!ip || !mask || !gateway) {
    return std::nullopt;
  }
  return " static " + *ip + " " + *mask + (gateway->empty() ? " none" : " " + *gateway + " 1");
}

}  // namespace

std::optional<std::string> adapterForCmd(std::string_view name) {
  // A final backslash would escape the closing quote for netsh.
  const bool escapesQuote = !name.empty() && name.back() == '\\';
  const auto carried = escapesQuote ? std::nullopt : carry(name, kQuoted);
  return carried ? std::optional("\"" + *carried + "\"") : std::nullopt;
}

std::optional<std::string> valueForCmd(std::string_view value) {
  return carry(value, kUnquoted);
}

std::optional<std::string> commentForCmd(std::string_view text) {
  return carry(text, kComment);
}

std::optional<std::string> commentLine(std::string_view nome) {
  const auto carried = carry(nome, kComment);
  return carried ? std::optional("rem setting connessione " + *carried + "\r\n") : std::nullopt;
}

std::optional<std::string> staticDnsLines(const std::string& adapter,
                                          const std::vector<std::string>& servers) {
  if (servers.empty()) {
    return "netsh interface ip set dns " + adapter + " static none\r\n";
  }
  std::string lines;
  for (std::size_t i = 0; i < servers.size(); ++i) {
    const auto server = carry(servers[i], kUnquoted);
    if (!server) {
      return std::nullopt;
    }
    lines += i == 0 ? "netsh interface ip set dns " + adapter + " static " + *server + "\r\n"
                    : "netsh interface ip add dns " + adapter + " " + *server +
                          " index=" + std::to_string(i + 1) + "\r\n";
  }
  return lines;
}

std::optional<std::string> buildBatch(const BatchInput& input) {
  const auto comment = commentLine(input.nome);
  const auto adapter = adapterForCmd(input.interfaccia);
  if (!comment || !adapter) {
    return std::nullopt;
  }
  const auto address = input.dhcp ? std::optional<std::string>(" dhcp") : staticAddressTail(input);
  const auto dns = input.dhcp
                       ? std::optional("netsh interface ip set dns " + *adapter + " dhcp\r\n")
                       : staticDnsLines(*adapter, input.dns);
  if (!address || !dns) {
    return std::nullopt;
  }
  return *comment + "netsh interface ip set address " + *adapter + *address + "\r\n" + *dns;
}

}  // namespace veltrano
