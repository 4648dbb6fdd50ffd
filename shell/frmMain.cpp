#include "shell/frmMain.h"

namespace veltrano {

frmMain::frmMain(Controls controls, Services services)
    : c_(controls),
      s_(services),
      applicazione_(
          services, [this](const std::string& chiave) { return messaggio(chiave); },
          [this](const std::string& testo) { MostraErrore(testo); }),
      stato_(controls.barStato, services,
             [this](const std::string& chiave) { return messaggio(chiave); }) {
  collegaEventi();
}

void frmMain::collegaEventi() {
  c_.cmdSetta.setClickHandler([this] { cmdSetta_Click(); });
  c_.cmdNuova.setClickHandler([this] { cmdNuova_Click(); });
  c_.cmdAnnullaModifiche.setClickHandler([this] { cmdAnnullaModifiche_Click(); });
  c_.cmdSalva.setClickHandler([this] { cmdSalva_Click(); });
  c_.cmdRinomina.setClickHandler([this] { cmdRinomina_Click(); });
  c_.cmdElimina.setClickHandler([this] { cmdElimina_Click(); });
  c_.cmdSettings.setClickHandler([this] { cmdSettings_Click(); });
  c_.cmdLingua.setClickHandler([this] { cmdLingua_Click(); });
  c_.cmdAiuto.setClickHandler([this] { cmdAiuto_Click(); });
  c_.cmdInfo.setClickHandler([this] { cmdInfo_Click(); });
  c_.cmdEsci.setClickHandler([this] { cmdEsci_Click(); });
  c_.cmdDaInterfaccia.setClickHandler([this] { cmdDaInterfaccia_Click(); });
  c_.cmdRipristina.setClickHandler([this] { cmdRipristina_Click(); });
  c_.cmbConnessione.setClickHandler([this] { cmbConnessione_Click(); });
  c_.cmbDHCP.setClickHandler([this] { cmbDHCP_Click(); });
  c_.cmbUseProxy.setClickHandler([this] { cmbUseProxy_Click(); });
  collegaFocus();
}

std::string cartellaDelProgramma(Platform& platform) {
  std::string cartella = platform.programFolder();
  if (cartella.empty() || cartella.back() != '\\') {
    cartella += '\\';
  }
  return cartella;
}

void frmMain::Form_Load() {
  finestraAttivata_ = false;
  uscitaRichiesta_ = false;
  percorso_ = cartellaDelProgramma(s_.platform);
  fileIni_ = percorso_ + "velt2.ini";
  messaggi_.caricaMessaggi();
  profilo_.lingua = "IT";
  leggiConnessioni();
  // The rest runs even after a failed read: the window is built, then closes when shown.
  RedisegnaLingua();
  svuotaComboSiNo();
  popolatutto();
  abilitaPulsanti();
  abilitaRipristina();
}

void frmMain::Form_Activate() {
  if (uscitaRichiesta_) {
    c_.window.close();
    return;
  }
  const bool prima = !finestraAttivata_;
  finestraAttivata_ = true;
  abilitaRipristina();  // another Veltrano, or a command line, may have applied meanwhile
  // Once the window has painted and answers: the adapters are read after, never before.
  s_.platform.afterDelay(kDopoAttivazioneMs, [this, prima] {
    if (prima) {
      s_.platform.watchNetwork([this] { aggiornaStato(); });
    }
    aggiornaStato();
  });
}

void frmMain::Form_Unload() {
  uscitaRichiesta_ = true;
  // Nothing more is shown once the window has gone; a batch still running keeps the program
  // (and its hold on lastconnection.bat) until it ends.
  applicazione_.abbandona();
}

void frmMain::cmdEsci_Click() {
  c_.window.close();
}

std::string frmMain::messaggio(const std::string& chiave) const {
  return messaggi_.getMessaggio(chiave, profilo_.lingua);
}

void frmMain::MostraErrore(const std::string& testo) {
  s_.dialogs.messageBox(testo, kCritical, kTitolo);
}

void frmMain::MostraInfo(const std::string& testo) {
  s_.dialogs.messageBox(testo, kInformation, kTitolo);
}

}  // namespace veltrano
