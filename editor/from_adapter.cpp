// A new connection that starts from what the adapter set in Settings has now, and the proxy
// the user has now: a technician saves a customer's network before changing it.
#include "apply/ipv4_address.h"
#include "shell/frmMain.h"

namespace veltrano {

namespace {

// The proxy server and port of WinINet's "host:port"; a list per protocol stays whole in the
// server field, for the user to mend before saving.
std::pair<std::string, std::string> serverAndPort(const std::string& server) {
  const std::size_t colon = server.rfind(':');
  if (colon == std::string::npos || server.find_first_of("=;") != std::string::npos) {
    return {server, ""};
  }
  return {server.substr(0, colon), server.substr(colon + 1)};
}

}  // namespace

void frmMain::cmdDaInterfaccia_Click() {
  const std::string& nome = profilo_.interfaccia;
  if (trimBlanks(nome).empty()) {
    MostraErrore(messaggio("NOINTERFACE"));
    return;
  }
  const auto adapters = s_.adapters.list();
  const NetworkAdapter* adapter = adapters ? findAdapter(*adapters, nome) : nullptr;
  const auto proxy = s_.proxy.read();
  if (!adapters || !proxy) {
    MostraErrore(messaggio(adapters ? "PROXYUNREADABLE" : "ADAPTERUNREADABLE"));
    return;
  }
  if (adapter == nullptr || (!adapter->dhcp && adapter->addresses.empty())) {
    MostraErrore(componi(messaggio(adapter ? "ADAPTERNOADDRESS" : "ADAPTERNOTFOUND"), {nome}));
    return;
  }
  if (!modalitaNuova_) {
    cmdNuova_Click();
  }
  c_.cmbDHCP.setListIndex(adapter->dhcp ? 0 : 1);
  if (!adapter->dhcp) {
    const IPv4Address& address = adapter->addresses.front();
    c_.txtIP.setText(address.address);
    c_.txtMask.setText(maskOfPrefix(address.prefixLength));
    c_.txtGateway.setText(adapter->gateways.empty() ? "" : adapter->gateways.front());
    c_.txtDNS.setText(joinedList(adapter->dnsServers));
  }
  c_.cmbUseProxy.setListIndex(proxy->enabled ? 0 : 1);
  if (proxy->enabled) {
    const auto [server, port] = serverAndPort(proxy->server);
    c_.txtProxy.setText(server);
    c_.txtProxyPort.setText(port);
  }
  c_.txtConnessione.setFocus();
}

}  // namespace veltrano
