// The window's side of the profile file and the table operations: every change to the
// table is followed by a rewrite of velt2.ini, and a file that cannot be read or written
// ends the program.
#include "shell/frmMain.h"

namespace veltrano {

void frmMain::leggiConnessioni() {
  const auto bytes = s_.files.readAll(fileIni_);
  if (!bytes || !leggiProfiloDaByte(*bytes, s_.ansi, profilo_)) {
    erroreFileIni();
  }
}

bool frmMain::scriviConnessioni() {
  const auto bytes = scriviProfiloInByte(profilo_, s_.ansi);
  if (!bytes || !s_.files.replaceAll(fileIni_, *bytes)) {
    erroreFileIni();
    return false;
  }
  aggiornaStato();  // another adapter, or a connection now matching what it has
  return true;
}

void frmMain::erroreFileIni() {
  MostraErrore(messaggio("NOINIFILE"));
  if (!finestraAttivata_) {
    uscitaRichiesta_ = true;  // the window closes at its first activation
  } else {
    c_.window.close();
  }
}

int frmMain::cercaConnessione(const std::string& nome) const {
  return profilo_.connessioni.cercaConnessione(nome);
}

bool frmMain::inserisciConnessione(const ValoriConnessione& valori) {
  if (!profilo_.connessioni.inserisciConnessione(valori)) {
    return false;
  }
  profilo_.conteggioLetto.reset();  // from now on the count is written as a number
  return scriviConnessioni();
}

bool frmMain::updateConnessione(const std::string& nome, const ValoriConnessione& valori) {
  profilo_.connessioni.updateConnessione(nome, valori);
  return scriviConnessioni();
}

void frmMain::eliminaConnessione(const std::string& nome) {
  if (profilo_.connessioni.eliminaConnessione(nome)) {
    profilo_.conteggioLetto.reset();
  }
}

}  // namespace veltrano
