#include "window_expectations.h"

#include "control_names.h"
#include "expect.h"
#include "program_folder.h"
#include "shell/win32/control_ids.h"

namespace e2e {

namespace ids = veltrano::ids;

namespace {

struct Caption {
  int id;
  const char* italian;
  const char* english;
};

constexpr Caption kCaptions[] = {
    {ids::cmdEsci, "Esci", "Quit"},
    {ids::cmdSettings, "Impostazioni", "Settings"},
    {ids::cmdNuova, "Nuova Connessione", "New Connection"},
    {ids::cmdSalva, "Salva", "Save"},
    {ids::cmdSetta, "Imposta Connessione", "Set Connection"},
    {ids::cmdAnnullaModifiche, "Annulla Modifiche", "Undo Changes"},
    {ids::cmdLingua, "English", "Italiano"},
    {ids::cmdElimina, "Elimina Connessione", "Delete Connection"},
    {ids::cmdRinomina, "Rinomina Connessione", "Rename Connection"},
    {ids::cmdAiuto, "Aiuto", "Help"},
    {ids::cmdInfo, "Info", "Info"},
    {ids::lblConnection, "Connessione: ", "Connection: "},
    {ids::lblDHCP, "DHCP: ", "DHCP: "},
    {ids::lblIP, "IP: ", "IP: "},
    {ids::lblMask, "Subnet Mask: ", "Subnet Mask: "},
    {ids::lblGateway, "Gateway: ", "Gateway: "},
    {ids::lblDNS, "DNS: ", "DNS: "},
    {ids::lblUseProxy, "Proxy: ", "Proxy: "},
    {ids::lblProxy, "Server Proxy: ", "Proxy Server: "},
    {ids::lblProxyPort, "Porta Proxy: ", "Proxy Port: "},
    {ids::frmConnessioni, "Connessioni", "Connections"},
    {ids::frmComandi, "Comandi", "Commands"},
};

constexpr int kEditingButtons[] = {ids::cmdSetta, ids::cmdElimina, ids::cmdSalva,
                                   ids::cmdAnnullaModifiche, ids::cmdRinomina};

}  // namespace

void expectCaptions(const Ui& ui, Language language) {
  expectText("window caption", "Veltrano", ui.caption());
  for (const Caption& caption : kCaptions) {
    expectText(controlName(caption.id) + " caption",
               language == Language::Italian ? caption.italian : caption.english,
               ui.text(caption.id));
  }
}

void expectYesNoEntries(const Ui& ui, Language language) {
  const std::vector<std::string> entries{language == Language::Italian ? "Sì" : "Yes", "No"};
  expectTexts("cmbDHCP entries", entries, ui.entries(ids::cmbDHCP));
  expectTexts("cmbUseProxy entries", entries, ui.entries(ids::cmbUseProxy));
}

void expectField(const Ui& ui, int id, const std::string& text, bool enabled) {
  expectText(controlName(id) + " text", text, ui.text(id));
  expect(ui.enabled(id) == enabled,
         controlName(id) + " should be " + (enabled ? "enabled" : "disabled"));
}

void expectShows(const Ui& ui, const Connection& connection) {
  const auto names = ui.entries(ids::cmbConnessione);
  const int selected = ui.selection(ids::cmbConnessione);
  const bool inRange = selected >= 0 && static_cast<std::size_t>(selected) < names.size();
  expectText("selected connection", connection.name,
             inRange ? names[static_cast<std::size_t>(selected)] : "(none)");

  const bool dhcp = connection.dhcp == "SI";
  expectNumber("cmbDHCP selection", dhcp ? 0 : 1, ui.selection(ids::cmbDHCP));
  expectField(ui, ids::txtIP, dhcp ? "DHCP" : connection.ip, !dhcp);
  expectField(ui, ids::txtMask, dhcp ? "DHCP" : connection.mask, !dhcp);
  expectField(ui, ids::txtGateway, dhcp ? "DHCP" : connection.gateway, !dhcp);
  expectField(ui, ids::txtDNS, dhcp ? "DHCP" : connection.dns, !dhcp);

  const bool proxy = connection.useProxy == "SI";
  expectNumber("cmbUseProxy selection", proxy ? 0 : 1, ui.selection(ids::cmbUseProxy));
  expectField(ui, ids::txtProxy, proxy ? connection.proxyServer : "NO PROXY", proxy);
  expectField(ui, ids::txtProxyPort, proxy ? connection.proxyPort : "NO PROXY", proxy);
}

void expectEditingButtons(const Ui& ui, bool enabled) {
  for (int id : kEditingButtons) {
    expect(ui.enabled(id) == enabled,
           controlName(id) + " should be " + (enabled ? "enabled" : "disabled"));
  }
  expect(ui.enabled(ids::cmdNuova), "cmdNuova should be enabled");
}

void expectBrowsing(const Ui& ui) {
  expect(ui.visible(ids::cmbConnessione), "cmbConnessione should be shown");
  expect(!ui.visible(ids::txtConnessione), "txtConnessione should be hidden");
  expect(ui.enabled(ids::cmdLingua), "cmdLingua should be enabled");
}

void expectProfileFile(const ProgramFolder& folder, const Profile& profile) {
  const auto bytes = folder.read("velt2.ini");
  if (!bytes) {
    recordFailure("velt2.ini is missing");
    return;
  }
  expectBytes("velt2.ini", profile.bytes(), *bytes);
}

}  // namespace e2e
