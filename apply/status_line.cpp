#include "apply/status_line.h"

#include "apply/apply_checks.h"
#include "apply/ipv4_address.h"
#include "apply/verification.h"
#include "lang/messaggi.h"

namespace veltrano {

namespace {

enum Parte { kInterfaccia = 0, kApplicazione = 1 };

// A list as the status bar shows it: "-" for none.
std::string joined(const std::vector<std::string>& values) {
  return values.empty() ? "-" : joinedList(values);
}

}  // namespace

std::optional<std::string> connessioneInUso(
    const ProfileTable& connessioni, const std::string& interfaccia,
    const std::optional<std::vector<NetworkAdapter>>& adapters,
    const std::function<std::optional<ProxyState>()>& proxy) {
  std::optional<std::optional<ProxyState>> letto;
  for (int r = 1; r <= connessioni.count(); ++r) {
    const ApplyRequest richiesta = richiestaDi(connessioni.riga(r), interfaccia);
    if (checkRequest(richiesta)) {
      continue;
    }
    const Atteso atteso = attesoDi(richiesta);
    if (!verifyAdapter(atteso, adapters).empty()) {
      continue;
    }
    if (!letto) {
      letto = proxy();
    }
    if (verifyProxy(atteso.proxy, *letto).empty()) {
      return richiesta.nome;
    }
  }
  return std::nullopt;
}

StatusLine::StatusLine(StatusBar& bar, Services services, Testo testo)
    : bar_(bar), s_(services), testo_(std::move(testo)) {}

StatusLine::Detto StatusLine::interfaccia(
    const std::string& nome, const std::optional<std::vector<NetworkAdapter>>& adapters) const {
  if (trimBlanks(nome).empty()) {
    return {"STATUSNOADAPTER", {}};
  }
  const NetworkAdapter* adapter = adapters ? findAdapter(*adapters, nome) : nullptr;
  if (!adapters) {
    return {"STATUSUNREADABLE", {nome}};
  }
  if (adapter == nullptr) {
    return {"STATUSNOTHERE", {nome}};
  }
  if (adapter->addresses.empty()) {
    return {"STATUSNOTCONNECTED", {adapter->name}};
  }
  std::vector<std::string> indirizzi;
  for (const IPv4Address& address : adapter->addresses) {
    indirizzi.push_back(address.address + "/" + std::to_string(address.prefixLength));
  }
  return {
      adapter->dhcp ? "STATUSDHCP" : "STATUSSTATIC",
      {adapter->name, joined(indirizzi), joined(adapter->gateways), joined(adapter->dnsServers)}};
}

void StatusLine::aggiornaInterfaccia(const std::string& nome, const ProfileTable& connessioni) {
  const auto adapters = s_.adapters.list();
  adattatore_ = interfaccia(nome, adapters);
  inUso_ = connessioneInUso(connessioni, nome, adapters, [this] { return s_.proxy.read(); });
  ridisegna();
}

void StatusLine::fase(const std::string& nome, ApplyPhase fase) {
  const char* const chiavi[] = {"STATUSADMIN", "STATUSRUNNING", "STATUSCHECKING"};
  applicazione_ = {chiavi[static_cast<int>(fase)], {nome}};
  ridisegna();
}

void StatusLine::esito(const std::string& nome, ApplyOutcome esito) {
  switch (esito) {
    case ApplyOutcome::Verified:
      applicazione_ = {"STATUSVERIFIED", {nome, s_.platform.timeOfDay()}};
      break;
    case ApplyOutcome::NotVerified:
      applicazione_ = {"STATUSNOTASASKED", {nome}};
      break;
    case ApplyOutcome::Reverted:
      applicazione_ = {"STATUSREVERTED", {nome}};
      break;
    case ApplyOutcome::Declined:
      applicazione_ = {"STATUSDECLINED", {nome}};
      break;
    case ApplyOutcome::Refused:
    case ApplyOutcome::Busy:
      applicazione_ = {"STATUSREFUSED", {nome}};
      break;
  }
  ridisegna();
}

void StatusLine::ridisegna() {
  const auto detto = [this](const Detto& d) {
    return d.chiave.empty() ? std::string() : componi(testo_(d.chiave), d.valori);
  };
  const std::string inUso = inUso_ ? componi(testo_("STATUSINEFFECT"), {*inUso_}) + " - " : "";
  bar_.setText(kInterfaccia, adattatore_.chiave.empty() ? "" : inUso + detto(adattatore_));
  bar_.setText(kApplicazione, detto(applicazione_));
}

}  // namespace veltrano
