// The name of the network adapter that every connection is applied to.
#include "shell/frmMain.h"

namespace veltrano {

void frmMain::cmdSettings_Click() {
  const std::string risposta =
      s_.dialogs.inputBox(messaggio("INSINTERFACE"), kTitolo, profilo_.interfaccia);
  if (risposta.empty()) {
    return;
  }
  const std::string nome = trimBlanks(risposta);
  if (!testoAmmesso(nome)) {
    return;
  }
  profilo_.interfaccia = nome;
  scriviConnessioni();
}

}  // namespace veltrano
