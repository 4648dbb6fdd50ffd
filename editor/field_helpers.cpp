// The small routines shared by every command that touches the connection fields.
#include "shell/frmMain.h"

namespace veltrano {

void frmMain::popolaComboSiNo() {
  c_.cmbDHCP.addItem(messaggio("SI"));
  c_.cmbDHCP.addItem(messaggio("NO"));
  c_.cmbUseProxy.addItem(messaggio("SI"));
  c_.cmbUseProxy.addItem(messaggio("NO"));
}

void frmMain::svuotaComboSiNo() {
  for (DropDownList* lista : {&c_.cmbUseProxy, &c_.cmbDHCP}) {
    while (lista->count() > 0) {
      lista->removeItem(lista->count() - 1);
    }
  }
}

// Both languages' yes texts mean yes, whichever language is shown.
std::string frmMain::WrapBoolean(const std::string& sino) {
  return (sino == "Sì" || sino == "Yes") ? "SI" : "NO";
}

void frmMain::annulladisabilita(TextField& textfield, const std::string& unsettext) {
  textfield.setText(unsettext);
  textfield.setEnabled(false);
}

void frmMain::settaabilita(TextField& textfield, const std::string& value) {
  textfield.setEnabled(true);
  textfield.setText(value);
}

void frmMain::collegaFocus() {
  const auto evidenzia = [this](auto& control) {
    control.setFocusHandlers([this, &control] { control.setBackColour(coloreFocus_); },
                             [&control] { control.setBackColour(kWhite); });
  };
  evidenzia(c_.cmbConnessione);
  evidenzia(c_.txtConnessione);
  evidenzia(c_.cmbDHCP);
  evidenzia(c_.txtIP);
  evidenzia(c_.txtMask);
  evidenzia(c_.txtGateway);
  evidenzia(c_.txtDNS);
  evidenzia(c_.cmbUseProxy);
  evidenzia(c_.txtProxy);
  evidenzia(c_.txtProxyPort);
}

// A text the profile file can hold: no line break, tab or NUL (they would shift or break
// the lines of velt2.ini) and nothing the file's encoding cannot hold (it would come back as
// another character). Shows why otherwise.
bool frmMain::testoAmmesso(const std::string& testo) {
  if (testo.find_first_of(std::string("\r\n\t\0", 4)) != std::string::npos) {
    MostraErrore(messaggio("NOLINEBREAK"));
    return false;
  }
  if (!encodeProfile(testo, profilo_.codifica, s_.ansi)) {
    MostraErrore(messaggio("NOCODEPAGE"));
    return false;
  }
  return true;
}

}  // namespace veltrano
