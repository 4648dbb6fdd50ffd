#include "apply/apply_flow.h"

#include <algorithm>

#include "apply/cmd_invocation.h"
#include "apply/registry_writes.h"
#include "apply/restore_batch.h"
#include "lang/messaggi.h"

namespace veltrano {

namespace {

constexpr const char* kFileBatch = "lastconnection.bat";

}  // namespace

ApplyFlow::ApplyFlow(Services services, Testo testo, Mostra mostra)
    : s_(services), testo_(std::move(testo)), mostra_(std::move(mostra)) {}

void ApplyFlow::applica(const ApplyRequest& richiesta, const std::string& cartella, Fine fine,
                        Avanzamento avanza, std::optional<int> conferma) {
  Motivo rifiuto;
  const auto piano = pianoDi(richiesta, s_.ansi, rifiuto);
  metti({piano.value_or(Piano{richiesta.nome, richiesta.interfaccia, {}, {}, {}}),
         cartella,
         {},
         {},
         conferma,
         std::move(fine),
         std::move(avanza),
         {},
         {}},
        piano ? std::nullopt : std::optional(testoDi(rifiuto)));
}

void ApplyFlow::ripristina(const std::string& cartella, Fine fine, Avanzamento avanza,
                           std::optional<int> conferma) {
  const std::string nome = testo_("UNDONAME");
  const auto bytes = s_.files.readAll(cartella + kFileRecord);
  const auto record = bytes ? leggiRecord(*bytes) : std::nullopt;
  const auto piano = record ? pianoDi(*record, nome, s_.ansi) : std::nullopt;
  metti({piano.value_or(Piano{nome, {}, {}, {}, {}}),
         cartella,
         {},
         {},
         conferma,
         std::move(fine),
         std::move(avanza),
         {},
         {}},
        piano ? std::nullopt : std::optional(testo_("NORECORD")));
}

void ApplyFlow::metti(Preparato preparato, const std::optional<std::string>& rifiuto) {
  if (abbandonato_) {
    return;
  }
  if (const auto motivo = rifiuto ? rifiuto : prepara(preparato)) {
    termina(preparato, ApplyOutcome::Refused, *motivo);
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
  if (!cmdCanRunFrom(preparato.cartella + kFileBatch)) {
    return componi(testo_("BATCHFOLDER"), {preparato.cartella});
  }
  const auto bytes = s_.oem.fromUtf8(preparato.piano.righe);
  if (!bytes) {
    return testo_("BATCHCHARS");
  }
  preparato.bytes = *bytes;
  return controllaInterfaccia(preparato.piano.interfaccia);
}

// Before the administrator prompt: a name no adapter has would fail in netsh's own window.
std::optional<std::string> ApplyFlow::controllaInterfaccia(const std::string& nome) const {
  const auto adapters = s_.adapters.list();
  if (!adapters || findAdapter(*adapters, nome) != nullptr) {
    return std::nullopt;  // when the system cannot be asked, the record or the check after tells
  }
  std::string trovate;
  for (const NetworkAdapter* adapter : pickableAdapters(*adapters)) {
    trovate += (trovate.empty() ? "\"" : ", \"") + adapter->name + "\"";
  }
  return componi(testo_("UNKNOWNADAPTER"), {nome, trovate});
}

// What the adapter and the proxy have now, kept before anything changes; and, for a change to
// be confirmed, the batch that puts it back unless it is kept, with no signal left over.
std::optional<std::string> ApplyFlow::registra(Preparato& preparato) {
  const auto adapters = s_.adapters.list();
  const NetworkAdapter* adapter =
      adapters ? findAdapter(*adapters, preparato.piano.interfaccia) : nullptr;
  std::optional<UndoRecord> record;
  if (adapter != nullptr) {
    record = recordOf(*adapter);
  }
  for (const char* nome : kProxyValues) {
    std::optional<RegistryValue> valore;
    if (!record || !s_.registry.getValue(RootKey::CurrentUser, kInternetSettings, nome, valore)) {
      record.reset();
      break;
    }
    if (valore) {
      record->proxy[nome] = *valore;
    }
  }
  if (!record || !s_.files.replaceAll(preparato.cartella + kFileRecord, scriviRecord(*record))) {
    return testo_("RECORDFAILED");
  }
  preparato.record = record;
  if (!preparato.conferma) {
    return std::nullopt;
  }
  const auto revert = buildRevertBatch(*record, testo_("UNDONAME"), preparato.cartella,
                                       *preparato.conferma, s_.ansi);
  const auto bytes = revert ? s_.oem.fromUtf8(*revert) : std::nullopt;
  if (!bytes) {
    return testo_("BATCHCHARS");
  }
  preparato.revert = *bytes;
  for (const char* segnale : {kSignalWaiting, kSignalKeep, kSignalRevert}) {
    if (!s_.files.remove(preparato.cartella + segnale)) {
      return testo_("NOBATCHFILE");
    }
  }
  return std::nullopt;
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
  Preparato& corrente = *corrente_;
  if (fase_ != Fase::Verifica) {
    // Whatever the time it takes: the verdict is given on what the batch has done, or, for a
    // change to confirm, once the elevated batch waits for the answer.
    const bool attende = fase_ == Fase::Esecuzione && corrente.conferma &&
                         s_.files.readAll(corrente.cartella + kSignalWaiting);
    if (s_.batch.running() && !attende) {
      return;
    }
    if (fase_ == Fase::Esecuzione) {
      annuncia(corrente, ApplyPhase::Checking);
    } else if (ripristino_) {
      // The batch has put the proxy back too, unless its user is another; and WinINet must hear.
      if (const auto piano = pianoDi(*corrente.record, corrente.piano.nome, s_.ansi)) {
        scriviProxy(*piano);
      }
    }
    fase_ = Fase::Verifica;
    passiCorrente_ = 0;
  }
  ++passiCorrente_;
  msInAttesa_ += kPassoMs;
  const Atteso atteso = ripristino_ ? attesoDi(*corrente.record, s_.ansi) : corrente.piano.atteso;
  const std::optional<ProxyState> proxy = s_.proxy.read();
  std::vector<Motivo> differenze = verifyAdapter(atteso, s_.adapters.list());
  for (Motivo& motivo : verifyProxy(atteso.proxy, proxy)) {
    differenze.push_back(std::move(motivo));
  }
  if (!differenze.empty() && passiCorrente_ < kPassiVerifica) {
    return;  // an address still being checked on the network, or DHCP still starting
  }
  if (corrente.conferma && !chiesto_) {
    chiediConferma(corrente);
  } else if (differenze.empty()) {
    concludi(ripristino_ ? ApplyOutcome::Reverted : ApplyOutcome::Verified, {});
  } else {
    differenze.push_back(proxyOutcome(atteso.proxy, corrente.proxyPrima, proxy));
    concludi(ApplyOutcome::NotVerified, std::move(differenze));
  }
}

// Keep, or put back: the elevated batch does the latter by itself once its time is over, also
// when nobody is left to answer.
void ApplyFlow::chiediConferma(Preparato& corrente) {
  chiesto_ = true;
  const int secondi = std::max(1, *corrente.conferma - msInAttesa_ / 1000);
  const ConfirmAnswer risposta =
      abbandonato_ ? ConfirmAnswer::Timeout
                   : s_.dialogs.countdownBox(testo_("CONFIRMKEEP"), secondi, testo_("KEEP"),
                                             testo_("REVERTNOW"), kTitolo);
  if (risposta != ConfirmAnswer::Timeout) {
    const bool tieni = risposta == ConfirmAnswer::Keep;
    s_.files.replaceAll(corrente.cartella + (tieni ? kSignalKeep : kSignalRevert), "");
  }
  ripristino_ = risposta != ConfirmAnswer::Keep;
  fase_ = Fase::Ritorno;  // then read back what the batch has left
}

void ApplyFlow::provaAvvio() {
  if (s_.batch.running()) {
    aspetta();
    return;
  }
  if (const auto rifiuto = registra(*attesa_)) {
    Preparato rifiutato = std::move(*attesa_);
    attesa_.reset();
    termina(rifiutato, ApplyOutcome::Refused, *rifiuto);
    return;
  }
  std::vector<std::string> files = {attesa_->cartella + kFileBatch};
  switch (s_.batch.write(files[0], attesa_->bytes)) {
    case WriteResult::Busy:
      aspetta();
      return;
    case WriteResult::Failed:
      break;
    case WriteResult::Written:
      files.push_back(attesa_->cartella + kFileRevert);
      if (!attesa_->conferma || s_.batch.write(files[1], attesa_->revert) == WriteResult::Written) {
        Preparato scritto = std::move(*attesa_);
        attesa_.reset();
        files.resize(scritto.conferma ? 2 : 1);
        avvia(std::move(scritto), files);
        return;
      }
  }
  Preparato fallito = std::move(*attesa_);
  attesa_.reset();
  termina(fallito, ApplyOutcome::Refused, testo_("NOBATCHFILE"));
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

void ApplyFlow::avvia(Preparato preparato, const std::vector<std::string>& files) {
  annuncia(preparato, ApplyPhase::Administrator);
  switch (s_.batch.start(files)) {
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
  scriviProxy(preparato.piano);
  corrente_ = std::move(preparato);
  fase_ = Fase::Esecuzione;
  passiCorrente_ = msInAttesa_ = 0;
  chiesto_ = ripristino_ = false;
}

void ApplyFlow::scriviProxy(const Piano& piano) {
  for (const ScritturaProxy& scrittura : piano.proxy) {
    if (scrittura.valore) {
      SetRegistryValue(s_.registry, RootKey::CurrentUser, kInternetSettings, scrittura.nome,
                       scrittura.valore->type, scrittura.valore->data);
    } else {
      s_.registry.deleteValue(RootKey::CurrentUser, kInternetSettings, scrittura.nome);
    }
  }
  s_.platform.internetSettingsChanged();
}

void ApplyFlow::concludi(ApplyOutcome esito, std::vector<Motivo> differenze) {
  Preparato fatto = std::move(*corrente_);
  corrente_.reset();
  std::string messaggio;
  if (esito == ApplyOutcome::Reverted) {
    messaggio = componi(testo_("REVERTED"), {fatto.piano.nome});
  } else if (!differenze.empty()) {
    // One line per difference, then what became of the proxy, on a line of its own.
    const bool indietro = ripristino_;
    messaggio = componi(testo_(indietro ? "NOTREVERTED" : "NOTAPPLIED"), {fatto.piano.nome});
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
