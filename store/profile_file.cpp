#include "store/profile_file.h"

#include <algorithm>
#include <iterator>

namespace veltrano {

namespace {

// Hands out one line at a time, so that reading never holds a list of all 9,004 lines.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : rest_(text) {}

  // The next line without its ending, or nullopt when the text is used up.
  std::optional<std::string_view> next() {
    if (rest_.empty()) {
      return std::nullopt;
    }
    const auto end =
        std::find_if(rest_.begin(), rest_.end(), [](char c) { return c == '\r' || c == '\n'; });
    const std::string_view line(rest_.begin(), end);
    std::size_t used = line.size();
    if (end != rest_.end()) {
      const bool crlf = *end == '\r' && end + 1 != rest_.end() && end[1] == '\n';
      used += crlf ? 2 : 1;
    }
    rest_.remove_prefix(used);
    return line;
  }

 private:
  std::string_view rest_;
};

}  // namespace

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
  LineReader reader(text);
  // Each header line is kept as soon as it is read, as a reader going line by line would.
  for (std::string* header : {&profilo.interfaccia, &profilo.riservato, &profilo.lingua}) {
    const auto line = reader.next();
    if (!line) {
      return false;
    }
    header->assign(*line);
  }
  const auto countLine = reader.next();
  if (!countLine) {
    return false;
  }
  profilo.conteggioLetto = std::string(*countLine);
  const auto conteggio = parseConteggio(*countLine);
  if (!conteggio) {
    return false;
  }
  auto& tabella = profilo.connessioni;
  tabella.riserva(static_cast<std::size_t>(*conteggio), text.size());
  for (int r = 1; r <= *conteggio; ++r) {
    ProfileTable::Valori valori;
    for (auto& value : valori) {
      const auto line = reader.next();
      if (!line) {
        return false;
      }
      value = *line;
    }
    tabella.aggiungiRigaLetta(valori);
  }
  return true;
}

std::optional<std::string> scriviProfilo(const Profilo& profilo) {
  const auto& table = profilo.connessioni;
  // Appended piece by piece: g++ 12 at -O3 warns falsely (-Wrestrict) on " " + std::string.
  std::string conteggio = profilo.conteggioLetto.value_or(" ");
  if (!profilo.conteggioLetto) {
    conteggio.append(std::to_string(table.count())).append(" ");
  }
  const std::string_view header[] = {profilo.interfaccia, profilo.riservato, profilo.lingua,
                                     conteggio};
  // The table refuses line breaks as values come in; only the header lines are checked here.
  if (std::any_of(std::begin(header), std::end(header), holdsLineBreak)) {
    return std::nullopt;
  }
  std::string out;
  out.reserve(64 + profilo.interfaccia.size() + profilo.riservato.size() + profilo.lingua.size() +
              conteggio.size() + table.byteRighe());
  for (const auto value : header) {
    out.append(value);
    out.append("\r\n", 2);
  }
  table.appendLines(out);
  return out;
}

bool leggiProfiloDaByte(std::string_view bytes, const TextCodec& ansi, Profilo& profilo) {
  profilo.codifica = detectEncoding(bytes);
  return leggiProfilo(decodeProfile(bytes, profilo.codifica, ansi), profilo);
}

std::optional<std::string> scriviProfiloInByte(const Profilo& profilo, const TextCodec& ansi) {
  const auto testo = scriviProfilo(profilo);
  return testo ? encodeProfile(*testo, profilo.codifica, ansi) : std::nullopt;
}

}  // namespace veltrano
