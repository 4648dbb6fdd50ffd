// Putting back what the last apply changed: the adapter and the proxy as the record holds them.
#include "apply/undo_record.h"
#include "shell/frmMain.h"

namespace veltrano {

void frmMain::cmdRipristina_Click() {
  applicando_ = true;
  c_.cmdSetta.setEnabled(false);
  c_.cmdRipristina.setEnabled(false);
  const std::string nome = messaggio("UNDONAME");
  applicazione_.ripristina(
      percorso_, [this, nome](ApplyOutcome esito) { applicazioneFinita(nome, esito); },
      [this, nome](ApplyPhase fase) { stato_.fase(nome, fase); }, conferma());
}

// Undo has something to put back once an apply has recorded what it changed.
void frmMain::abilitaRipristina() {
  c_.cmdRipristina.setEnabled(!applicando_ && s_.files.readAll(percorso_ + kFileRecord));
}

}  // namespace veltrano
