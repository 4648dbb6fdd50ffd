#include "store/profile_file.h"

#include <algorithm>

namespace veltrano {

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(text.substr(start, i - start));
      const bool crlf = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
      i += crlf ? 2u : 1u;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) {
    lines.push_back(text.substr(start));
  }
  return lines;
}

std::optional<int> parseConteggio(std::string_view line) {
  const auto first = line.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return std::nullopt;
  }
  const auto digits = line.substr(first, line.find_last_not_of(' ') - first + 1);
  if (digits.size() > 4 ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  int value = 0;
  for (char c : digits) {
    value = value * 10 + (c - '0');
  }
  if (value > kMaxConnessioni) {
    return std::nullopt;
  }
  return value;
}

bool leggiProfilo(std::string_view text, Profilo& profilo) {
  const auto lines = splitLines(text);
  if (lines.size() < 4) {
    // Keep whatever header lines there are, as a reader going line by line would.
    if (lines.size() > 0)
      profilo.interfaccia = std::string(lines[0]);
    if (lines.size() > 1)
      profilo.riservato = std::string(lines[1]);
    if (lines.size() > 2)
      profilo.lingua = std::string(lines[2]);
    return false;
  }
  profilo.interfaccia = std::string(lines[0]);
  profilo.riservato = std::string(lines[1]);
  profilo.lingua = std::string(lines[2]);
  profilo.conteggioLetto = std::string(lines[3]);
  const auto conteggio = parseConteggio(lines[3]);
  if (!conteggio) {
    return false;
  }
  std::size_t next = 4;
  for (int r = 1; r <= *conteggio; ++r) {
    if (lines.size() - next < kColonne) {
      return false;
    }
    Riga riga;
    for (std::size_t c = 0; c < kColonne; ++c) {
      riga[c] = std::string(lines[next++]);
    }
    profilo.connessioni.aggiungiRigaLetta(riga);
  }
  return true;
}

namespace {

bool holdsLineBreak(const std::string& value) {
  return value.find_first_of("\r\n") != std::string::npos;
}

}  // namespace

std::optional<std::string> scriviProfilo(const Profilo& profilo) {
  const auto& table = profilo.connessioni;
  std::string out;
  out.reserve(64 + static_cast<std::size_t>(table.count()) * 9 * 16);
  bool broken = false;
  const auto line = [&](const std::string& value) {
    broken = broken || holdsLineBreak(value);
    out += value;
    out += "\r\n";
  };
  line(profilo.interfaccia);
  line(profilo.riservato);
  line(profilo.lingua);
  line(profilo.conteggioLetto ? *profilo.conteggioLetto
                              : " " + std::to_string(table.count()) + " ");
  for (int r = 1; r <= table.count(); ++r) {
    for (const auto& value : table.riga(r)) {
      line(trimBlanks(value));
    }
  }
  if (broken) {
    return std::nullopt;
  }
  return out;
}

}  // namespace veltrano
