// The name of the network adapter that every connection is applied to.
#include "shell/frmMain.h"

namespace veltrano {

namespace {

// What the list shows after an adapter's name: how it takes its address now.
std::string dettaglio(const NetworkAdapter& adapter) {
  if (adapter.dhcp) {
    return "DHCP";
  }
  return adapter.addresses.empty() ? std::string() : adapter.addresses.front().address;
}

}  // namespace

void frmMain::cmdSettings_Click() {
  std::vector<ListChoice> schede;
  if (const auto adapters = s_.adapters.list()) {
    for (const NetworkAdapter* adapter : pickableAdapters(*adapters)) {
      schede.push_back({adapter->name, dettaglio(*adapter)});
    }
  }
  const std::string risposta =
      s_.dialogs.inputBoxWithList(messaggio("INSINTERFACE"), kTitolo, profilo_.interfaccia, schede);
  if (risposta.empty()) {
    return;
  }
  const std::string nome = trimBlanks(risposta);
  if (!testoAmmesso(nome)) {
    return;
  }
  profilo_.interfaccia = nome;
  scriviConnessioni();
}

}  // namespace veltrano
