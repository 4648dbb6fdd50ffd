#include "store/profile_table.h"

#include <algorithm>

namespace veltrano {

namespace {

std::string_view trimmedEnds(std::string_view value) {
  const auto first = value.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return {};
  }
  return value.substr(first, value.find_last_not_of(' ') - first + 1);
}

// The trimmed part of value, without a copy. Most values have no blank at either end and are
// taken whole by a check small enough to inline into the save's loop.
std::string_view withoutBlanks(std::string_view value) {
  if (value.empty() || (value.front() != ' ' && value.back() != ' ')) {
    return value;
  }
  return trimmedEnds(value);
}

}  // namespace

std::string trimBlanks(std::string_view text) {
  return std::string(withoutBlanks(text));
}

std::string lowerAscii(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return text;
}

bool holdsLineBreak(std::string_view value) {
  return value.find_first_of("\r\n") != std::string_view::npos;
}

namespace {

// Waste below this is never worth a copy of the table's text.
constexpr std::size_t kScartoTollerato = 64 * 1024;

// The editor's values in column order, trimmed.
struct RigaTrimmata {
  explicit RigaTrimmata(const ValoriConnessione& v)
      : testi{trimBlanks(v.nome),      trimBlanks(v.ip),       trimBlanks(v.mask),
              trimBlanks(v.gateway),   trimBlanks(v.dns),      trimBlanks(v.proxy),
              trimBlanks(v.proxyPort), trimBlanks(v.useProxy), trimBlanks(v.dhcp)} {
    static_assert(kNome == 0 && kIP == 1 && kMask == 2 && kGateway == 3 && kDNS == 4 &&
                  kProxy == 5 && kProxyPort == 6 && kUseProxy == 7 && kDHCP == 8);
  }
  bool ammessa() const {
    return std::none_of(testi.begin(), testi.end(),
                        [](const std::string& testo) { return holdsLineBreak(testo); });
  }
  std::array<std::string_view, kColonne> viste() const {
    std::array<std::string_view, kColonne> out;
    std::copy(testi.begin(), testi.end(), out.begin());
    return out;
  }

  std::array<std::string, kColonne> testi;
};

}  // namespace

std::string_view ProfileTable::valore(int r, std::size_t c) const {
  const Cella& cella = celle(r).at(c);
  return std::string_view(testo_).substr(cella.inizio, cella.lunghezza);
}

Riga ProfileTable::riga(int r) const {
  Riga out;
  for (std::size_t c = 0; c < kColonne; ++c) {
    out[c] = valore(r, c);
  }
  return out;
}

int ProfileTable::cercaConnessione(std::string_view nome) const {
  int trovata = -1;
  for (int r = 1; r <= count(); ++r) {
    if (valore(r, kNome) == nome) {
      trovata = r;  // the last of several equal names wins
    }
  }
  return trovata;
}

bool ProfileTable::inserisciConnessione(const ValoriConnessione& valori) {
  const RigaTrimmata riga(valori);
  if (full() || !riga.ammessa()) {
    return false;
  }
  righe_.push_back(conservaRiga(riga.viste()));
  return true;
}

bool ProfileTable::updateConnessione(const std::string& nome, const ValoriConnessione& valori) {
  const int r = cercaConnessione(nome);
  const RigaTrimmata riga(valori);
  if (r < 0 || !riga.ammessa()) {
    return false;
  }
  for (const Cella& cella : celle(r)) {
    scarta(cella);
  }
  celle(r) = conservaRiga(riga.viste());
  compattaSeServe();
  return true;
}

bool ProfileTable::eliminaConnessione(const std::string& nome) {
  const int r = cercaConnessione(nome);
  if (r < 0) {
    return false;
  }
  for (const Cella& cella : celle(r)) {
    scarta(cella);
  }
  righe_.erase(righe_.begin() + (r - 1));
  compattaSeServe();
  return true;
}

bool ProfileTable::rinominaConnessione(const std::string& nome, const std::string& nuovoNome) {
  const int r = cercaConnessione(nome);
  if (r < 0 || holdsLineBreak(nuovoNome)) {
    return false;
  }
  scarta(celle(r)[kNome]);
  celle(r)[kNome] = conserva(nuovoNome);
  compattaSeServe();
  return true;
}

void ProfileTable::appendLines(std::string& out) const {
  // The run of lines that lie in testo_ exactly as the file wants them, not yet copied.
  const char* inizio = testo_.data();
  const char* fine = inizio;
  const auto copiaTratto = [&out, &inizio, &fine] {
    out.append(inizio, static_cast<std::size_t>(fine - inizio));
  };
  for (const Celle& riga : righe_) {
    for (const Cella& cella : riga) {
      const std::string_view valore(testo_.data() + cella.inizio, cella.lunghezza);
      const std::string_view trimmed = withoutBlanks(valore);
      const bool intatto = trimmed.size() == valore.size();
      if (intatto && valore.data() == fine) {
        fine += valore.size() + 2;
        continue;
      }
      copiaTratto();
      inizio = valore.data();
      fine = inizio;
      if (intatto) {
        fine += valore.size() + 2;
      } else {
        out.append(trimmed);
        out.append("\r\n", 2);
      }
    }
  }
  copiaTratto();
}

void ProfileTable::riserva(std::size_t righe, std::size_t byte) {
  righe_.reserve(righe);
  testo_.reserve(byte);
}

void ProfileTable::aggiungiRigaLetta(const Valori& valori) {
  righe_.push_back(conservaRiga(valori));
}

ProfileTable::Cella ProfileTable::conserva(std::string_view valore) {
  const Cella cella{testo_.size(), valore.size()};
  testo_.append(valore);
  testo_.append("\r\n", 2);
  return cella;
}

ProfileTable::Celle ProfileTable::conservaRiga(const Valori& valori) {
  Celle out;
  for (std::size_t c = 0; c < kColonne; ++c) {
    out[c] = conserva(valori[c]);
  }
  return out;
}

void ProfileTable::compattaSeServe() {
  if (scarto_ < kScartoTollerato || scarto_ < testo_.size() / 2) {
    return;
  }
  std::string vecchio;
  vecchio.swap(testo_);
  testo_.reserve(vecchio.size() - scarto_);
  for (Celle& riga : righe_) {
    for (Cella& cella : riga) {
      cella = conserva(std::string_view(vecchio).substr(cella.inizio, cella.lunghezza));
    }
  }
  scarto_ = 0;
}

}  // namespace veltrano
