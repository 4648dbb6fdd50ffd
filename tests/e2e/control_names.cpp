#include "control_names.h"

#include <map>

#include "shell/win32/control_ids.h"

namespace e2e {

std::string controlName(int id) {
  namespace ids = veltrano::ids;
  static const std::map<int, std::string> names{
      {ids::cmbConnessione, "cmbConnessione"},
      {ids::txtConnessione, "txtConnessione"},
      {ids::cmbDHCP, "cmbDHCP"},
      {ids::txtIP, "txtIP"},
      {ids::txtMask, "txtMask"},
      {ids::txtGateway, "txtGateway"},
      {ids::txtDNS, "txtDNS"},
      {ids::cmbUseProxy, "cmbUseProxy"},
      {ids::txtProxy, "txtProxy"},
      {ids::txtProxyPort, "txtProxyPort"},
      {ids::cmdSetta, "cmdSetta"},
      {ids::cmdNuova, "cmdNuova"},
      {ids::cmdAnnullaModifiche, "cmdAnnullaModifiche"},
      {ids::cmdSalva, "cmdSalva"},
      {ids::cmdRinomina, "cmdRinomina"},
      {ids::cmdElimina, "cmdElimina"},
      {ids::cmdSettings, "cmdSettings"},
      {ids::cmdLingua, "cmdLingua"},
      {ids::cmdAiuto, "cmdAiuto"},
      {ids::cmdInfo, "cmdInfo"},
      {ids::cmdEsci, "cmdEsci"},
      {ids::frmConnessioni, "frmConnessioni"},
      {ids::lblConnection, "lblConnection"},
      {ids::lblDHCP, "lblDHCP"},
      {ids::lblIP, "lblIP"},
      {ids::lblMask, "lblMask"},
      {ids::lblGateway, "lblGateway"},
      {ids::lblDNS, "lblDNS"},
      {ids::lblUseProxy, "lblUseProxy"},
      {ids::lblProxy, "lblProxy"},
      {ids::lblProxyPort, "lblProxyPort"},
      {ids::frmComandi, "frmComandi"},
  };
  const auto found = names.find(id);
  return found != names.end() ? found->second : "control " + std::to_string(id);
}

}  // namespace e2e
