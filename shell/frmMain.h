// The main window's logic: its state, start-up and shutdown, and every event handler.
// The handlers are defined beside their subsystem (editor/, apply/, lang/); this header is
// the one place that lists the window's state.
#pragma once

#include <string>

#include "apply/apply_flow.h"
#include "apply/status_line.h"
#include "lang/messaggi.h"
#include "shell/command_line.h"
#include "shell/services.h"
#include "shell/toolkit.h"
#include "store/profile_file.h"

namespace veltrano {

// How long after an activation the status bar reads the adapter: the delay runs once the
// window has nothing else to do.
inline constexpr int kDopoAttivazioneMs = 10;

// The controls of the window, created by the toolkit before the window logic.
struct Controls {
  MainWindow& window;
  CaptionControl& frmConnessioni;
  CaptionControl& frmComandi;
  CaptionControl& lblConnection;
  CaptionControl& lblDHCP;
  CaptionControl& lblIP;
  CaptionControl& lblMask;
  CaptionControl& lblGateway;
  CaptionControl& lblDNS;
  CaptionControl& lblUseProxy;
  CaptionControl& lblProxy;
  CaptionControl& lblProxyPort;
  DropDownList& cmbConnessione;
  TextField& txtConnessione;
  DropDownList& cmbDHCP;
  TextField& txtIP;
  TextField& txtMask;
  TextField& txtGateway;
  TextField& txtDNS;
  DropDownList& cmbUseProxy;
  TextField& txtProxy;
  TextField& txtProxyPort;
  CommandButton& cmdSetta;
  CommandButton& cmdNuova;
  CommandButton& cmdAnnullaModifiche;
  CommandButton& cmdSalva;
  CommandButton& cmdRinomina;
  CommandButton& cmdElimina;
  CommandButton& cmdSettings;
  CommandButton& cmdLingua;
  CommandButton& cmdAiuto;
  CommandButton& cmdInfo;
  CommandButton& cmdEsci;
  CommandButton& cmdDaInterfaccia;
  CommandButton& cmdRipristina;
  StatusBar& barStato;
};

class frmMain {
 public:
  // Wires every control's events to its handler; nothing else runs before Form_Load.
  frmMain(Controls controls, Services services);
  frmMain(const frmMain&) = delete;
  frmMain& operator=(const frmMain&) = delete;

  // Window events, raised by the toolkit.
  void Form_Load();
  void Form_Activate();
  void Form_Unload();

 private:
  void collegaEventi();

  // Shell (shell/frmMain.cpp).
  void cmdEsci_Click();
  void MostraErrore(const std::string& testo);
  void MostraInfo(const std::string& testo);
  std::string messaggio(const std::string& chiave) const;

  // Profile file and table operations (store/frmMain_profile.cpp).
  void leggiConnessioni();
  bool scriviConnessioni();
  void erroreFileIni();
  int cercaConnessione(const std::string& nome) const;
  bool inserisciConnessione(const ValoriConnessione& valori);
  bool updateConnessione(const std::string& nome, const ValoriConnessione& valori);
  void eliminaConnessione(const std::string& nome);

  // Field helpers (editor/field_helpers.cpp).
  void popolaComboSiNo();
  void svuotaComboSiNo();
  static std::string WrapBoolean(const std::string& sino);
  static void annulladisabilita(TextField& textfield, const std::string& unsettext);
  static void settaabilita(TextField& textfield, const std::string& value);
  void collegaFocus();
  bool testoAmmesso(const std::string& testo);

  // Connection list and display (editor/connection_list.cpp).
  void popolatutto();
  void svuotaConnessioni();
  void cmbConnessione_Click();
  void RefreshData();
  void cmbDHCP_Click();
  void cmbUseProxy_Click();

  // Enabling rules (editor/enabling_rules.cpp).
  void abilitaPulsanti();

  // New, new from the adapter, save, undo, rename, delete (editor/edit_commands.cpp,
  // editor/from_adapter.cpp, editor/rename_delete.cpp).
  void cmdNuova_Click();
  void cmdSalva_Click();
  void cmdAnnullaModifiche_Click();
  void cmdRinomina_Click();
  void cmdElimina_Click();
  void cmdDaInterfaccia_Click();
  ValoriConnessione valoriMostrati(const std::string& nome) const;

  // Applying and putting back (apply/setta.cpp, apply/ripristina.cpp) and the adapter name
  // (apply/adapter_setting.cpp).
  void cmdSetta_Click();
  void Setta();
  void applicazioneFinita(const std::string& nome, ApplyOutcome esito);
  void aggiornaStato();
  std::optional<int> conferma();
  void cmdRipristina_Click();
  void abilitaRipristina();
  void cmdSettings_Click();

  // Language, help and About (lang/relabel.cpp, lang/help_about.cpp).
  void RedisegnaLingua();
  void impostaToolTip();
  void cmdLingua_Click();
  void cmdAiuto_Click();
  void MostraAiuto();
  void cmdInfo_Click();

  Controls c_;
  Services s_;
  Catalogo messaggi_;

  // Window-level state.
  bool modalitaNuova_ = false;
  Colore coloreFocus_ = 0;
  bool finestraAttivata_ = false;
  bool uscitaRichiesta_ = false;
  std::string percorso_;
  std::string fileIni_;
  Profilo profilo_;  // interfaccia, riservato, lingua, numConnessioni and connessioni
  ApplyFlow applicazione_;
  bool applicando_ = false;  // an apply of this window has not ended yet
  StatusLine stato_;
};

}  // namespace veltrano
