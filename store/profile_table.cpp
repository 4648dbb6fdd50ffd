#include "store/profile_table.h"

#include <algorithm>

namespace veltrano {

std::string trimBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    return {};
  }
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

bool holdsLineBreak(std::string_view value) {
  return value.find_first_of("\r\n") != std::string_view::npos;
}

namespace {

bool rigaAmmessa(const Riga& riga) {
  return std::none_of(riga.begin(), riga.end(),
                      [](const std::string& value) { return holdsLineBreak(value); });
}

Riga rigaDaValori(const ValoriConnessione& v) {
  Riga riga;
  riga[kNome] = trimBlanks(v.nome);
  riga[kIP] = trimBlanks(v.ip);
  riga[kMask] = trimBlanks(v.mask);
  riga[kGateway] = trimBlanks(v.gateway);
  riga[kDNS] = trimBlanks(v.dns);
  riga[kProxy] = trimBlanks(v.proxy);
  riga[kProxyPort] = trimBlanks(v.proxyPort);
  riga[kUseProxy] = trimBlanks(v.useProxy);
  riga[kDHCP] = trimBlanks(v.dhcp);
  return riga;
}

}  // namespace

int ProfileTable::cercaConnessione(const std::string& nome) const {
  int trovata = -1;
  for (int r = 1; r <= count(); ++r) {
    if (riga(r)[kNome] == nome) {
      trovata = r;  // the last of several equal names wins
    }
  }
  return trovata;
}

bool ProfileTable::inserisciConnessione(const ValoriConnessione& valori) {
  Riga riga = rigaDaValori(valori);
  if (full() || !rigaAmmessa(riga)) {
    return false;
  }
  righe_.push_back(std::move(riga));
  return true;
}

bool ProfileTable::updateConnessione(const std::string& nome, const ValoriConnessione& valori) {
  const int r = cercaConnessione(nome);
  Riga riga = rigaDaValori(valori);
  if (r < 0 || !rigaAmmessa(riga)) {
    return false;
  }
  righe_[static_cast<std::size_t>(r - 1)] = std::move(riga);
  return true;
}

bool ProfileTable::eliminaConnessione(const std::string& nome) {
  const int r = cercaConnessione(nome);
  if (r < 0) {
    return false;
  }
  righe_.erase(righe_.begin() + (r - 1));
  return true;
}

bool ProfileTable::rinominaConnessione(const std::string& nome, const std::string& nuovoNome) {
  const int r = cercaConnessione(nome);
  if (r < 0 || holdsLineBreak(nuovoNome)) {
    return false;
  }
  righe_[static_cast<std::size_t>(r - 1)][kNome] = nuovoNome;
  return true;
}

}  // namespace veltrano
