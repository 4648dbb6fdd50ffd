// Rename and delete the selected connection.
#include "shell/frmMain.h"

namespace veltrano {

void frmMain::cmdRinomina_Click() {
  const std::string vecchio = c_.cmbConnessione.text();
  const std::string risposta =
      s_.dialogs.inputBox(messaggio("INSRENAME") + " " + vecchio, kTitolo, "");
  const std::string nuovo = trimBlanks(risposta);
  if (nuovo.empty()) {
    return;
  }
  if (!testoAmmesso(nuovo)) {
    return;
  }
  if (cercaConnessione(nuovo) != -1) {
    MostraErrore(messaggio("NAMEALREADY"));
    return;
  }
  if (!profilo_.connessioni.rinominaConnessione(vecchio, nuovo)) {
    return;
  }
  const int indice = c_.cmbConnessione.listIndex();
  c_.cmbConnessione.removeItem(indice);
  c_.cmbConnessione.insertItem(indice, nuovo);
  c_.cmbConnessione.setListIndex(indice);
  scriviConnessioni();
}

void frmMain::cmdElimina_Click() {
  if (s_.dialogs.messageBox(messaggio("SURETODEL"), kYesNo, kTitolo) == kAnswerYes) {
    eliminaConnessione(c_.cmbConnessione.text());
    svuotaConnessioni();
    svuotaComboSiNo();
    popolatutto();
    abilitaPulsanti();
  }
  scriviConnessioni();
}

}  // namespace veltrano
