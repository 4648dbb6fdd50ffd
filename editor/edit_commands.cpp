// New connection, save and undo.
#include "shell/frmMain.h"

namespace veltrano {

void frmMain::cmdNuova_Click() {
  if (!modalitaNuova_) {
    modalitaNuova_ = true;
    c_.cmbConnessione.setVisible(false);
    c_.txtConnessione.setVisible(true);
    // Yes then no on both lists, so that the "no" handlers are the last to run whatever
    // was selected before: address fields open and empty, proxy fields closed.
    c_.cmbDHCP.setListIndex(0);
    c_.cmbUseProxy.setListIndex(0);
    c_.cmbDHCP.setListIndex(1);
    c_.cmbUseProxy.setListIndex(1);
    c_.cmdNuova.setCaption(messaggio("ABORT"));
    c_.cmdSetta.setEnabled(false);
    c_.cmdAnnullaModifiche.setEnabled(false);
    c_.cmdElimina.setEnabled(false);
    c_.cmdRinomina.setEnabled(false);
    c_.cmdLingua.setEnabled(false);
    c_.cmdSalva.setEnabled(true);
    c_.txtConnessione.setFocus();
    c_.txtConnessione.setText("");
    return;
  }
  modalitaNuova_ = false;
  c_.cmdNuova.setCaption(messaggio("NUOVACONN"));
  c_.cmbConnessione.setVisible(true);
  c_.txtConnessione.setVisible(false);
  c_.cmdAnnullaModifiche.setEnabled(true);
  c_.cmdSalva.setEnabled(true);
  c_.cmdElimina.setEnabled(true);
  c_.cmdRinomina.setEnabled(true);
  c_.cmdLingua.setEnabled(true);
  c_.cmdSetta.setEnabled(false);
  RefreshData();
  c_.txtConnessione.setText("");
}

ValoriConnessione frmMain::valoriMostrati(const std::string& nome) const {
  return ValoriConnessione{nome,
                           WrapBoolean(c_.cmbDHCP.text()),
                           c_.txtIP.text(),
                           c_.txtMask.text(),
                           c_.txtGateway.text(),
                           c_.txtDNS.text(),
                           WrapBoolean(c_.cmbUseProxy.text()),
                           c_.txtProxy.text(),
                           c_.txtProxyPort.text()};
}

namespace {

// The first empty required field, as the key of its message; empty when all are given.
std::string campoMancante(bool nuova, const std::string& nome, const ValoriConnessione& v) {
  if (nuova && nome.empty()) {
    return "INSERTCONNNAME";
  }
  if (v.ip.empty()) {
    return "INSERTIP";
  }
  if (v.useProxy == "SI") {
    if (v.proxy.empty()) {
      return "INSERTPROXY";
    }
    if (v.proxyPort.empty()) {
      return "INSERTPROXYPORT";
    }
  }
  return {};
}

}  // namespace

void frmMain::cmdSalva_Click() {
  const std::string nome = modalitaNuova_ ? c_.txtConnessione.text() : c_.cmbConnessione.text();
  ValoriConnessione valori = valoriMostrati(nome);
  if (const auto chiave = campoMancante(modalitaNuova_, nome, valori); !chiave.empty()) {
    MostraErrore(messaggio(chiave));
    return;
  }
  for (const std::string* testo : {&valori.nome, &valori.ip, &valori.mask, &valori.gateway,
                                   &valori.dns, &valori.proxy, &valori.proxyPort}) {
    if (!testoAmmesso(*testo)) {
      return;
    }
  }
  if (!modalitaNuova_) {
    if (s_.dialogs.messageBox(messaggio("SURETOSAVE"), kYesNo, kTitolo) == kAnswerYes) {
      updateConnessione(nome, valori);
    }
    return;
  }
  if (profilo_.connessioni.full()) {
    MostraErrore(messaggio("TABLEFULL"));
    return;
  }
  valori.nome = trimBlanks(nome);
  c_.txtConnessione.setText(valori.nome);
  if (valori.nome.empty()) {
    // A name of blanks only would store a connection the list cannot show.
    MostraErrore(messaggio("INSERTCONNNAME"));
    return;
  }
  if (cercaConnessione(valori.nome) != -1) {
    MostraErrore(messaggio("NAMEALREADY"));
    return;
  }
  if (!inserisciConnessione(valori)) {
    return;  // the file could not be written: the window is closing
  }
  modalitaNuova_ = false;
  c_.cmdNuova.setCaption(messaggio("NUOVACONN"));
  c_.cmbConnessione.setVisible(true);
  c_.txtConnessione.setVisible(false);
  c_.cmbConnessione.addItem(valori.nome);
  c_.cmbConnessione.setListIndex(c_.cmbConnessione.count() - 1);
  c_.cmdSetta.setEnabled(!applicando_);
  c_.cmdAnnullaModifiche.setEnabled(true);
  c_.cmdLingua.setEnabled(true);
  RefreshData();
  c_.txtConnessione.setText("");
}

void frmMain::cmdAnnullaModifiche_Click() {
  RefreshData();
}

}  // namespace veltrano
