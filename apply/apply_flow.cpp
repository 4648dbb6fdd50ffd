#include "apply/apply_flow.h"

#include "apply/batch_file.h"
#include "apply/cmd_invocation.h"
#include "apply/registry_writes.h"
#include "apply/verification.h"
#include "lang/messaggi.h"

namespace veltrano {

ApplyFlow::ApplyFlow(Services services, Testo testo, Mostra mostra)
    : s_(services), testo_(std::move(testo)), mostra_(std::move(mostra)) {}

void ApplyFlow::applica(const ApplyRequest& richiesta, const std::string& cartella, Fine fine,
                        Avanzamento avanza) {
  Preparato preparato{
      richiesta, cartella + "lastconnection.bat", {}, std::move(fine), std::move(avanza), {}};
  if (abbandonato_) {
    return;
  }
  if (const auto rifiuto = prepara(preparato)) {
    termina(preparato, ApplyOutcome::Refused, *rifiuto);
    return;
  }
  if (attesa_) {
    Preparato sostituito = std::move(*attesa_);
    attesa_.reset();
    termina(sostituito, ApplyOutcome::Busy, {});
  }
  attesa_ = std::move(preparato);
  passiAttesa_ = 0;
  passo();
}

std::optional<std::string> ApplyFlow::prepara(Preparato& preparato) const {
  const ApplyRequest& r = preparato.richiesta;
  if (const auto motivo = checkRequest(r)) {
    return testoDi(*motivo);
  }
  if (!cmdCanRunFrom(preparato.file)) {
    return componi(testo_("BATCHFOLDER"),
                   {preparato.file.substr(0, preparato.file.find_last_of('\\') + 1)});
  }
  const auto testo =
      buildBatch({r.nome, r.interfaccia, r.dhcp, r.ip, r.mask, r.gateway, dnsList(r.dns)});
  const auto bytes = testo ? s_.oem.fromUtf8(*testo) : std::nullopt;
  if (!bytes) {
    return testo_("BATCHCHARS");
  }
  preparato.bytes = *bytes;
  return controllaInterfaccia(r.interfaccia);
}

// Before the administrator prompt: a name no adapter has would fail in netsh's own window.
std::optional<std::string> ApplyFlow::controllaInterfaccia(const std::string& nome) const {
  const auto adapters = s_.adapters.list();
  if (!adapters || findAdapter(*adapters, nome) != nullptr) {
    return std::nullopt;  // when the system cannot be asked, the check after the batch tells
  }
  std::string trovate;
  for (const NetworkAdapter* adapter : pickableAdapters(*adapters)) {
    trovate += (trovate.empty() ? "\"" : ", \"") + adapter->name + "\"";
  }
  return componi(testo_("UNKNOWNADAPTER"), {nome, trovate});
}

void ApplyFlow::passo() {
  if (inPasso_) {
    programma();  // a delay fired inside a message box of this step: look again later
    return;
  }
  inPasso_ = true;
  if (corrente_) {
    avanzaCorrente();
  }
  if (attesa_) {
    if (corrente_) {
      aspetta();
    } else {
      provaAvvio();
    }
  }
  inPasso_ = false;
  programma();
}

void ApplyFlow::programma() {
  if ((corrente_ || attesa_) && !programmato_) {
    programmato_ = true;
    s_.platform.afterDelay(kPassoMs, [this] {
      programmato_ = false;
      passo();
    });
  }
}

void ApplyFlow::avanzaCorrente() {
  if (fase_ == Fase::Esecuzione) {
    // Whatever the time it takes: the verdict is given on what the batch has done.
    if (s_.batch.running()) {
      return;
    }
    fase_ = Fase::Verifica;
    passiCorrente_ = 0;
    annuncia(*corrente_, ApplyPhase::Checking);
  }
  ++passiCorrente_;
  const ApplyRequest& richiesta = corrente_->richiesta;
  const std::optional<ProxyState> proxy = s_.proxy.read();
  std::vector<Motivo> differenze = verifyAdapter(richiesta, s_.adapters.list());
  for (Motivo& motivo : verifyProxy(richiesta, proxy)) {
    differenze.push_back(std::move(motivo));
  }
  if (differenze.empty()) {
    concludi(ApplyOutcome::Verified, {});
  } else if (passiCorrente_ >= kPassiVerifica) {
    // An address still being checked on the network, or DHCP still starting, had its time.
    differenze.push_back(proxyOutcome(richiesta, corrente_->proxyPrima, proxy));
    concludi(ApplyOutcome::NotVerified, differenze);
  }
}

void ApplyFlow::provaAvvio() {
  if (s_.batch.running()) {
    aspetta();
    return;
  }
  switch (s_.batch.write(attesa_->file, attesa_->bytes)) {
    case WriteResult::Busy:
      aspetta();
      return;
    case WriteResult::Failed: {
      Preparato fallito = std::move(*attesa_);
      attesa_.reset();
      termina(fallito, ApplyOutcome::Refused, testo_("NOBATCHFILE"));
      return;
    }
    case WriteResult::Written:
      break;
  }
  Preparato scritto = std::move(*attesa_);
  attesa_.reset();
  avvia(std::move(scritto));
}

void ApplyFlow::aspetta() {
  if (++passiAttesa_ <= kPassiAttesa) {
    return;
  }
  Preparato rinunciato = std::move(*attesa_);
  attesa_.reset();
  termina(rinunciato, ApplyOutcome::Busy, testo_("APPLYBUSY"));
}

void ApplyFlow::annuncia(const Preparato& preparato, ApplyPhase fase) {
  if (preparato.avanza && !abbandonato_) {
    preparato.avanza(fase);
  }
}

void ApplyFlow::avvia(Preparato preparato) {
  annuncia(preparato, ApplyPhase::Administrator);
  switch (s_.batch.start(preparato.file)) {
    case StartResult::Declined:
      // No to the administrator prompt: nothing is applied, not even the proxy.
      termina(preparato, ApplyOutcome::Declined, {});
      return;
    case StartResult::Failed:
      termina(preparato, ApplyOutcome::Refused, testo_("NOBATCHSTART"));
      return;
    case StartResult::Started:
      break;
  }
  annuncia(preparato, ApplyPhase::Running);
  preparato.proxyPrima = s_.proxy.read();
  scriviProxy(preparato.richiesta);
  corrente_ = std::move(preparato);
  fase_ = Fase::Esecuzione;
  passiCorrente_ = 0;
}

void ApplyFlow::scriviProxy(const ApplyRequest& richiesta) {
  if (richiesta.useProxy) {
    WriteDWORDToRegistry(s_.registry, "ProxyEnable", 1);
    WriteStringToRegistry(s_.registry, s_.ansi, "ProxyServer",
                          richiesta.proxy + ":" + richiesta.proxyPort);
    WriteStringToRegistry(s_.registry, s_.ansi, "ProxyOverride", "<local>");
  } else {
    WriteDWORDToRegistry(s_.registry, "ProxyEnable", 0);
  }
  s_.platform.internetSettingsChanged();
}

void ApplyFlow::concludi(ApplyOutcome esito, const std::vector<Motivo>& differenze) {
  Preparato fatto = std::move(*corrente_);
  corrente_.reset();
  std::string messaggio;
  if (!differenze.empty()) {
    // One line per difference, then what became of the proxy, on a line of its own.
    messaggio = componi(testo_("NOTAPPLIED"), {fatto.richiesta.nome});
    for (std::size_t i = 0; i + 1 < differenze.size(); ++i) {
      messaggio += "\r\n- " + testoDi(differenze[i]);
    }
    messaggio += "\r\n" + testoDi(differenze.back());
  }
  termina(fatto, esito, messaggio);
}

std::string ApplyFlow::testoDi(const Motivo& motivo) const {
  std::vector<std::string> argomenti;
  if (!motivo.campo.empty()) {
    argomenti.push_back(testo_(motivo.campo));
  }
  argomenti.insert(argomenti.end(), motivo.valori.begin(), motivo.valori.end());
  return componi(testo_(motivo.chiave), argomenti);
}

void ApplyFlow::abbandona() {
  abbandonato_ = true;
  attesa_.reset();
  corrente_.reset();
}

void ApplyFlow::termina(Preparato& preparato, ApplyOutcome esito, const std::string& messaggio) {
  // The outcome first, so that the window's status says it while the box is open.
  if (preparato.fine) {
    preparato.fine(esito);
  }
  if (!messaggio.empty() && !abbandonato_) {
    mostra_(messaggio);
  }
}

}  // namespace veltrano
