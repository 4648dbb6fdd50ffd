#include "reliability/harness_on.h"

#include <memory>

namespace veltrano::reliability {

void useFileSystem(fake::Harness& h, FileSystem& files) {
  Controls controls{
      h.window,   h.frmConnessioni, h.frmComandi,     h.lblConnection,  h.lblDHCP,
      h.lblIP,    h.lblMask,        h.lblGateway,     h.lblDNS,         h.lblUseProxy,
      h.lblProxy, h.lblProxyPort,   h.cmbConnessione, h.txtConnessione, h.cmbDHCP,
      h.txtIP,    h.txtMask,        h.txtGateway,     h.txtDNS,         h.cmbUseProxy,
      h.txtProxy, h.txtProxyPort,   h.cmdSetta,       h.cmdNuova,       h.cmdAnnullaModifiche,
      h.cmdSalva, h.cmdRinomina,    h.cmdElimina,     h.cmdSettings,    h.cmdLingua,
      h.cmdAiuto, h.cmdInfo,        h.cmdEsci};
  Services services{h.dialogs, h.platform, files, h.registry, windows1252(), codePage850()};
  // The new window wires every control's events to itself; the old one is never used again.
  h.form = std::make_unique<frmMain>(controls, services);
}

std::string catalogueText(const std::string& chiave, const std::string& lingua) {
  static const Catalogo catalogo = [] {
    Catalogo built;
    built.caricaMessaggi();
    return built;
  }();
  return catalogo.getMessaggio(chiave, lingua);
}

}  // namespace veltrano::reliability
