#include "apply/apply_request.h"

namespace veltrano {

ApplyRequest richiestaDi(const Riga& riga, const std::string& interfaccia) {
  ApplyRequest r;
  r.nome = riga[kNome];
  r.interfaccia = interfaccia;
  r.dhcp = riga[kDHCP] == "SI";
  r.ip = riga[kIP];
  r.mask = riga[kMask];
  r.gateway = riga[kGateway];
  r.dns = riga[kDNS];
  r.useProxy = riga[kUseProxy] == "SI";
  r.proxy = riga[kProxy];
  r.proxyPort = riga[kProxyPort];
  return r;
}

}  // namespace veltrano
