// Putting the texts of the current language on the window, and switching language.
#include "shell/frmMain.h"

namespace veltrano {

void frmMain::RedisegnaLingua() {
  const std::pair<CommandButton*, const char*> pulsanti[] = {
      {&c_.cmdEsci, "ESCI"},
      {&c_.cmdSettings, "SETTINGS"},
      {&c_.cmdNuova, "NUOVACONN"},
      {&c_.cmdSalva, "SALVA"},
      {&c_.cmdSetta, "SETTA"},
      {&c_.cmdAnnullaModifiche, "ANNMOD"},
      {&c_.cmdLingua, "LINGUA"},
      {&c_.cmdElimina, "DELCONN"},
      {&c_.cmdRinomina, "RENAME"},
      {&c_.cmdAiuto, "AIUTO"},
      {&c_.cmdDaInterfaccia, "DAINTERFACCIA"},
      {&c_.cmdRipristina, "RIPRISTINA"}};
  for (const auto& [pulsante, chiave] : pulsanti) {
    pulsante->setCaption(messaggio(chiave));
  }
  const std::pair<CaptionControl*, const char*> etichette[] = {
      {&c_.lblConnection, "CONN"}, {&c_.lblDHCP, "DHCP"},         {&c_.lblIP, "IP"},
      {&c_.lblMask, "MASK"},       {&c_.lblGateway, "GATEWAY"},   {&c_.lblDNS, "DNS"},
      {&c_.lblUseProxy, "PROXY"},  {&c_.lblProxy, "SERVERPROXY"}, {&c_.lblProxyPort, "PROXYPORT"}};
  for (const auto& [etichetta, chiave] : etichette) {
    etichetta->setCaption(messaggio(chiave) + ": ");
  }
  c_.frmConnessioni.setCaption(messaggio("CONNESSIONI"));
  c_.frmComandi.setCaption(messaggio("COMANDI"));
  c_.window.setCaption(kTitolo);
  svuotaComboSiNo();
  popolaComboSiNo();
  percorso_ = cartellaDelProgramma(s_.platform);
  s_.platform.setHelpFile(percorso_ + messaggio("HELPFILENAME"));
  abilitaPulsanti();
  impostaToolTip();
  stato_.ridisegna();
}

void frmMain::impostaToolTip() {
  const std::pair<CommandButton*, const char*> pulsanti[] = {
      {&c_.cmdNuova, "TT_NUOVACONN"},
      {&c_.cmdAnnullaModifiche, "ANNULLAMOD"},
      {&c_.cmdSalva, "SALVA"},
      {&c_.cmdRinomina, "RINOCONN"},
      {&c_.cmdElimina, "ELICONN"},
      {&c_.cmdSettings, "IMPOSTAZ"},
      {&c_.cmdLingua, "LINGUA"},
      {&c_.cmdAiuto, "AIUTO"},
      {&c_.cmdInfo, "INFO"},
      {&c_.cmdEsci, "ESCI"},
      {&c_.cmdSetta, "TT_IMPOSTACONN"},
      {&c_.cmdDaInterfaccia, "TT_DAINTERFACCIA"},
      {&c_.cmdRipristina, "TT_RIPRISTINA"}};
  const auto& lingua = profilo_.lingua;
  c_.cmbConnessione.setToolTip(messaggi_.getToolTip("TT_COMBOCONN", lingua));
  c_.txtConnessione.setToolTip(messaggi_.getToolTip("TT_TXTNEWCONN", lingua));
  c_.cmbDHCP.setToolTip(messaggi_.getToolTip("TT_DHCP", lingua));
  c_.txtIP.setToolTip(messaggi_.getToolTip("TT_IP", lingua));
  c_.txtMask.setToolTip(messaggi_.getToolTip("TT_SUBNET", lingua));
  c_.txtGateway.setToolTip(messaggi_.getToolTip("TT_GATEWAY", lingua));
  c_.txtDNS.setToolTip(messaggi_.getToolTip("TT_DNS", lingua));
  c_.cmbUseProxy.setToolTip(messaggi_.getToolTip("TT_USEPROXY", lingua));
  c_.txtProxy.setToolTip(messaggi_.getToolTip("TT_SERVERPROXY", lingua));
  c_.txtProxyPort.setToolTip(messaggi_.getToolTip("TT_PROXYPORT", lingua));
  for (const auto& [pulsante, chiave] : pulsanti) {
    pulsante->setToolTip(messaggi_.getToolTip(chiave, lingua));
  }
}

void frmMain::cmdLingua_Click() {
  profilo_.lingua = profilo_.lingua == "IT" ? "IN" : "IT";
  RedisegnaLingua();
  RefreshData();
  scriviConnessioni();
}

}  // namespace veltrano
