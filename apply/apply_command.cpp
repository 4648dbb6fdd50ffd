#include "apply/apply_command.h"

#include "shell/frmMain.h"

namespace veltrano {

namespace {

int righeDi(const ProfileTable& tabella, const std::string& nome) {
  int righe = 0;
  for (int r = 1; r <= tabella.count(); ++r) {
    righe += tabella.valore(r, kNome) == nome ? 1 : 0;
  }
  return righe;
}

}  // namespace

ApplyCommand::ApplyCommand(Services services) : s_(services) {
  messaggi_.caricaMessaggi();
}

void ApplyCommand::run(const CommandLine& command, std::function<void(int exitCode)> done) {
  silenzioso_ = command.quiet;
  cartella_ = cartellaDelProgramma(s_.platform);
  const bool letto = leggiProfilo();  // for its language even when only the usage is asked
  switch (command.kind) {
    case CommandLine::Kind::Usage:
      mostra(messaggio("USAGE"), kInformation);
      done(kExitVerified);
      return;
    case CommandLine::Kind::Window:
    case CommandLine::Kind::Invalid:
      mostra(messaggio("USAGE"), kCritical);
      done(kExitUsage);
      return;
    case CommandLine::Kind::Apply:
    case CommandLine::Kind::Undo:
      break;
  }
  if (!letto) {
    mostra(messaggio("NOINIFILE"), kCritical);
    done(kExitUsage);
    return;
  }
  flusso_ = std::make_unique<ApplyFlow>(
      s_, [this](const std::string& chiave) { return messaggio(chiave); },
      [this](const std::string& testo) { mostra(testo, kCritical); });
  if (command.kind == CommandLine::Kind::Undo) {
    flusso_->ripristina(cartella_, finale(messaggio("UNDONAME"), std::move(done)));
    return;
  }
  applica(command.connection, command.confirm, std::move(done));
}

bool ApplyCommand::leggiProfilo() {
  const auto bytes = s_.files.readAll(cartella_ + "velt2.ini");
  return bytes && leggiProfiloDaByte(*bytes, s_.ansi, profilo_);
}

void ApplyCommand::applica(const std::string& nome, std::optional<int> conferma,
                           std::function<void(int exitCode)> done) {
  const int riga = profilo_.connessioni.cercaConnessione(nome);
  if (riga < 0) {
    mostra(componi(messaggio("NOCONNECTION"), {nome}), kCritical);
    done(kExitNotApplied);
    return;
  }
  // Which of the rows a scheduled task meant cannot be known: none is applied.
  if (righeDi(profilo_.connessioni, nome) > 1) {
    mostra(componi(messaggio("DUPLICATENAME"), {nome}), kCritical);
    done(kExitNotApplied);
    return;
  }
  flusso_->applica(richiestaDi(profilo_.connessioni.riga(riga), profilo_.interfaccia), cartella_,
                   finale(nome, std::move(done)), {}, conferma);
}

ApplyFlow::Fine ApplyCommand::finale(const std::string& nome,
                                     std::function<void(int exitCode)> done) {
  return [this, done = std::move(done), nome](ApplyOutcome esito) {
    // No window tells these otherwise: a verified apply and a No at the administrator prompt
    // would both end in silence.
    if (esito == ApplyOutcome::Verified) {
      mostra(componi(messaggio("VERIFIEDBOX"), {nome}), kInformation);
    } else if (esito == ApplyOutcome::Declined) {
      mostra(componi(messaggio("DECLINEDBOX"), {nome}), kCritical);
    }
    done(esito == ApplyOutcome::Verified ? kExitVerified : kExitNotApplied);
  };
}

std::string ApplyCommand::messaggio(const std::string& chiave) const {
  return messaggi_.getMessaggio(chiave, profilo_.lingua);
}

void ApplyCommand::mostra(const std::string& testo, int stile) const {
  if (!silenzioso_) {
    s_.dialogs.messageBox(testo, stile, kTitolo);
  }
}

}  // namespace veltrano
