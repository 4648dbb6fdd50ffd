// Applying the connection the window shows: the adapter through lastconnection.bat and
// netsh, the proxy through the user's Internet settings.
#include "apply/batch_file.h"
#include "apply/registry_writes.h"
#include "shell/frmMain.h"

namespace veltrano {

void frmMain::cmdSetta_Click() {
  Setta();
}

void frmMain::Setta() {
  BatchInput batch{
      c_.cmbConnessione.text(), profilo_.interfaccia, WrapBoolean(c_.cmbDHCP.text()) == "SI",
      c_.txtIP.text(),          c_.txtMask.text(),    c_.txtGateway.text(),
      c_.txtDNS.text()};
  const bool conProxy = WrapBoolean(c_.cmbUseProxy.text()) == "SI";
  const std::string proxyServer = c_.txtProxy.text() + ":" + c_.txtProxyPort.text();
  std::string cartella = percorso_;
  if (cartella.empty() || cartella.back() != '\\') {
    cartella += '\\';
  }

  // Everything is checked before anything is written or started: an apply happens whole
  // or not at all.
  if (trimBlanks(batch.interfaccia).empty()) {
    MostraErrore(messaggio("NOINTERFACE"));
    return;
  }
  const auto testo = buildBatch(batch);
  const auto bytes = testo ? s_.oem.fromUtf8(*testo) : std::nullopt;
  if (!bytes) {
    MostraErrore(messaggio("BATCHCHARS"));
    return;
  }
  if (!linesFitCmd(*bytes)) {
    MostraErrore(messaggio("BATCHTOOLONG"));
    return;
  }
  if (conProxy && !testoAmmesso(proxyServer)) {
    return;
  }

  const std::string file = cartella + "lastconnection.bat";
  if (s_.batch.write(file, *bytes) != WriteResult::Written) {
    MostraErrore(messaggio("NOBATCHFILE"));
    return;
  }
  switch (s_.batch.start(file)) {
    case StartResult::Started:
      break;
    case StartResult::Declined:
      return;  // the user said no to the administrator prompt: nothing is applied
    case StartResult::Failed:
      MostraErrore(messaggio("NOBATCHSTART"));
      return;
  }

  if (conProxy) {
    WriteDWORDToRegistry("ProxyEnable", 1);
    WriteStringToRegistry("ProxyServer", proxyServer);
    WriteStringToRegistry("ProxyOverride", "<local>");
  } else {
    WriteDWORDToRegistry("ProxyEnable", 0);
  }
  s_.platform.internetSettingsChanged();
}

void frmMain::WriteStringToRegistry(const std::string& Key, const std::string& valore) {
  const auto bytes = s_.ansi.fromUtf8(valore);
  if (!bytes) {
    return;  // registry writes never report; Setta has refused such texts already
  }
  SetRegistryValue(s_.registry, RootKey::CurrentUser, kInternetSettings, Key, kRegSz,
                   regSzData(*bytes));
}

void frmMain::WriteDWORDToRegistry(const std::string& Key, std::int32_t valore) {
  SetRegistryValue(s_.registry, RootKey::CurrentUser, kInternetSettings, Key, kRegDword,
                   regDwordData(valore));
}

}  // namespace veltrano
