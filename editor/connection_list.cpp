// The connection list and the display of the selected connection.
#include "shell/frmMain.h"

namespace veltrano {

namespace {
const char* const kSegnapostoDHCP = "DHCP";
const char* const kSegnapostoProxy = "NO PROXY";
}  // namespace

void frmMain::popolatutto() {
  popolaComboSiNo();
  const auto& tabella = profilo_.connessioni;
  std::vector<std::string_view> nomi;
  nomi.reserve(static_cast<std::size_t>(tabella.count()));
  for (int r = 1; r <= tabella.count(); ++r) {
    nomi.push_back(tabella.valore(r, kNome));
  }
  c_.cmbConnessione.addItems(nomi);
  const bool pieno = c_.cmbConnessione.count() > 0;
  if (pieno) {
    c_.cmbConnessione.setListIndex(0);
  }
  c_.cmdAnnullaModifiche.setEnabled(pieno);
  c_.cmdSalva.setEnabled(pieno);
  c_.cmdElimina.setEnabled(pieno);
  c_.cmdSetta.setEnabled(pieno);
  modalitaNuova_ = false;
  coloreFocus_ = rgb(99, 200, 250);
}

void frmMain::svuotaConnessioni() {
  while (c_.cmbConnessione.count() > 0) {
    c_.cmbConnessione.removeItem(c_.cmbConnessione.count() - 1);
  }
}

void frmMain::cmbConnessione_Click() {
  if (c_.cmbConnessione.count() == 0) {
    return;
  }
  const int r = cercaConnessione(c_.cmbConnessione.text());
  if (r < 0) {
    return;  // a name with no row: leave the fields as they are
  }
  const Riga riga = profilo_.connessioni.riga(r);
  TextField* indirizzi[] = {&c_.txtIP, &c_.txtMask, &c_.txtGateway, &c_.txtDNS};
  if (riga[kDHCP] == "SI") {
    c_.cmbDHCP.setListIndex(0);
    for (TextField* campo : indirizzi) {
      annulladisabilita(*campo, kSegnapostoDHCP);
    }
  } else {
    c_.cmbDHCP.setListIndex(1);
    const Colonna colonne[] = {kIP, kMask, kGateway, kDNS};
    for (int i = 0; i < 4; ++i) {
      settaabilita(*indirizzi[i], riga[colonne[i]]);
    }
  }
  if (riga[kUseProxy] == "SI") {
    c_.cmbUseProxy.setListIndex(0);
    settaabilita(c_.txtProxy, riga[kProxy]);
    settaabilita(c_.txtProxyPort, riga[kProxyPort]);
  } else {
    c_.cmbUseProxy.setListIndex(1);
    annulladisabilita(c_.txtProxy, kSegnapostoProxy);
    annulladisabilita(c_.txtProxyPort, kSegnapostoProxy);
  }
}

void frmMain::RefreshData() {
  cmbConnessione_Click();
  abilitaPulsanti();
}

void frmMain::cmbDHCP_Click() {
  const bool statico = c_.cmbDHCP.listIndex() == 1;
  for (TextField* campo : {&c_.txtIP, &c_.txtMask, &c_.txtGateway, &c_.txtDNS}) {
    if (statico) {
      settaabilita(*campo, "");
    } else {
      annulladisabilita(*campo, kSegnapostoDHCP);
    }
  }
}

void frmMain::cmbUseProxy_Click() {
  const bool conProxy = c_.cmbUseProxy.listIndex() == 0;
  for (TextField* campo : {&c_.txtProxy, &c_.txtProxyPort}) {
    if (conProxy) {
      settaabilita(*campo, "");
    } else {
      annulladisabilita(*campo, kSegnapostoProxy);
    }
  }
}

}  // namespace veltrano
