#include "support/cmd_reading.h"

namespace veltrano::reliability {

namespace {

bool isControlCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

// Phase one: every % must be the first of a "%%" pair, which reads as one literal %.
std::optional<std::string> expandPercents(std::string_view line) {
  std::string out;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (isControlCharacter(line[i])) {
      return std::nullopt;
    }
    if (line[i] == '%') {
      if (i + 1 == line.size() || line[i + 1] != '%') {
        return std::nullopt;
      }
      ++i;
    }
    out += line[i];
  }
  return out;
}

}  // namespace

std::optional<std::vector<std::string>> crLfLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const auto end = text.find("\r\n");
    if (end == std::string_view::npos) {
      return std::nullopt;  // a last line without its CR LF
    }
    const auto line = text.substr(0, end);
    if (line.find_first_of("\r\n") != std::string_view::npos) {
      return std::nullopt;
    }
    lines.emplace_back(line);
    text.remove_prefix(end + 2);
  }
  return lines;
}

std::optional<std::string> readAsCmd(std::string_view line, bool commandLine) {
  const auto expanded = expandPercents(line);
  if (!expanded) {
    return std::nullopt;
  }
  if (commandLine && expanded->find('!') != std::string::npos) {
    return std::nullopt;  // delayed expansion, when the user has it on
  }
  std::string literal;
  bool quoted = false;
  for (std::size_t i = 0; i < expanded->size(); ++i) {
    const char c = (*expanded)[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && c == '^') {
      if (i + 1 == expanded->size()) {
        return std::nullopt;  // joins the next line to this one
      }
      literal += (*expanded)[++i];
      continue;
    } else if (!quoted && std::string_view("&|<>").find(c) != std::string_view::npos) {
      return std::nullopt;
    } else if (!quoted && commandLine && (c == '(' || c == ')')) {
      return std::nullopt;
    }
    literal += c;
  }
  return literal;
}

std::optional<BatchAsRead> readBatchAsCmd(std::string_view batch) {
  const auto lines = crLfLines(batch);
  if (!lines || lines->size() != 3) {
    return std::nullopt;
  }
  const auto& raw = *lines;
  if (!raw[0].starts_with(kCommentStart) || !raw[1].starts_with(kAddressStart) ||
      !raw[2].starts_with(kDnsStart)) {
    return std::nullopt;
  }
  auto comment = readAsCmd(raw[0], false);
  auto address = readAsCmd(raw[1], true);
  auto dns = readAsCmd(raw[2], true);
  if (!comment || !address || !dns) {
    return std::nullopt;
  }
  return BatchAsRead{std::move(*comment), std::move(*address), std::move(*dns)};
}

std::string expectedAddressLine(const BatchInput& input) {
  const std::string tail =
      input.dhcp ? " dhcp" : " static " + input.ip + " " + input.mask + " " + input.gateway + " 1";
  return std::string(kAddressStart) + "\"" + input.interfaccia + "\"" + tail;
}

std::string expectedDnsLine(const BatchInput& input) {
  const std::string tail = input.dhcp ? " dhcp" : " static " + input.dns;
  return std::string(kDnsStart) + "\"" + input.interfaccia + "\"" + tail;
}

bool uncarriable(std::string_view text, bool inComment) {
  for (char c : text) {
    if (isControlCharacter(c) || (!inComment && (c == '"' || c == '!'))) {
      return true;
    }
  }
  return false;
}

}  // namespace veltrano::reliability
