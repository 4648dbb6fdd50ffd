// Applying the connection the window shows, as it shows it: unsaved edits included.
#include "shell/frmMain.h"

namespace veltrano {

void frmMain::cmdSetta_Click() {
  Setta();
}

void frmMain::Setta() {
  ApplyRequest richiesta;
  richiesta.nome = c_.cmbConnessione.text();
  richiesta.interfaccia = profilo_.interfaccia;
  richiesta.dhcp = WrapBoolean(c_.cmbDHCP.text()) == "SI";
  richiesta.ip = c_.txtIP.text();
  richiesta.mask = c_.txtMask.text();
  richiesta.gateway = c_.txtGateway.text();
  richiesta.dns = c_.txtDNS.text();
  richiesta.useProxy = WrapBoolean(c_.cmbUseProxy.text()) == "SI";
  richiesta.proxy = c_.txtProxy.text();
  richiesta.proxyPort = c_.txtProxyPort.text();
  applicando_ = true;
  c_.cmdSetta.setEnabled(false);
  c_.cmdRipristina.setEnabled(false);
  const std::string nome = richiesta.nome;
  applicazione_.applica(
      richiesta, percorso_, [this, nome](ApplyOutcome esito) { applicazioneFinita(nome, esito); },
      [this, nome](ApplyPhase fase) { stato_.fase(nome, fase); }, conferma());
}

// Over a remote desktop a wrong address cuts the session: the change waits to be kept, and the
// elevated batch puts the record back by itself when nobody says so.
std::optional<int> frmMain::conferma() {
  return s_.platform.remoteSession() ? std::optional(kConfirmSeconds) : std::nullopt;
}

void frmMain::applicazioneFinita(const std::string& nome, ApplyOutcome esito) {
  applicando_ = false;
  if (!modalitaNuova_) {
    c_.cmdSetta.setEnabled(c_.cmbConnessione.count() > 0);
  }
  abilitaRipristina();
  stato_.esito(nome, esito);
  aggiornaStato();
}

void frmMain::aggiornaStato() {
  if (finestraAttivata_) {
    stato_.aggiornaInterfaccia(profilo_.interfaccia, profilo_.connessioni);
  }
}

}  // namespace veltrano
