// Which editing buttons may be pressed depends on whether the list holds a connection, and Set
// Connection also on whether its last apply has ended: a second click cannot queue another.
#include "shell/frmMain.h"

namespace veltrano {

void frmMain::abilitaPulsanti() {
  const bool vuota = c_.cmbConnessione.count() < 1;
  c_.cmdSetta.setEnabled(!vuota && !applicando_);
  c_.cmdElimina.setEnabled(!vuota);
  c_.cmdNuova.setEnabled(true);
  c_.cmdSalva.setEnabled(!vuota);
  c_.cmdAnnullaModifiche.setEnabled(!vuota);
  c_.cmdRinomina.setEnabled(!vuota);
  if (vuota) {
    for (TextField* campo : {&c_.txtConnessione, &c_.txtDNS, &c_.txtIP, &c_.txtMask, &c_.txtProxy,
                             &c_.txtProxyPort, &c_.txtGateway}) {
      campo->setText("");
    }
  }
}

}  // namespace veltrano
