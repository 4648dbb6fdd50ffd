#include "fake/window_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <sstream>

namespace veltrano::fake {

std::string lines(const std::vector<std::string>& each) {
  std::string out;
  for (const auto& line : each) {
    out += line + "\r\n";
  }
  return out;
}

std::string profile(const std::vector<Conn>& conns, const std::string& lingua,
                    const std::string& adapter, const std::string& count) {
  std::vector<std::string> all = {adapter, "", lingua,
                                  count.empty() ? std::to_string(conns.size()) : count};
  for (const auto& c : conns) {
    all.insert(all.end(),
               {c.name, c.ip, c.mask, c.gateway, c.dns, c.proxy, c.port, c.useProxy, c.dhcp});
  }
  return lines(all);
}

Harness::Harness() {
  std::ranges::for_each(all(), [this](FakeControl* control) { control->focus = &focus; });
  txtConnessione.visible = false;
  cmdInfo.caption = "Info";  // the design-time caption, which no language changes
  platform.folder = kFolder;
  adapters.adapters = {{kLan, {"Loopback", true, false, {{"127.0.0.1", 8}}, {}, {}, {}}}};
  catalogo.caricaMessaggi();
  dialogs.forbidden = {catalogo.getMessaggio("NOERR", "IT"), catalogo.getMessaggio("NOERR", "IN")};
  Controls controls{window,   frmConnessioni, frmComandi,     lblConnection,    lblDHCP,
                    lblIP,    lblMask,        lblGateway,     lblDNS,           lblUseProxy,
                    lblProxy, lblProxyPort,   cmbConnessione, txtConnessione,   cmbDHCP,
                    txtIP,    txtMask,        txtGateway,     txtDNS,           cmbUseProxy,
                    txtProxy, txtProxyPort,   cmdSetta,       cmdNuova,         cmdAnnullaModifiche,
                    cmdSalva, cmdRinomina,    cmdElimina,     cmdSettings,      cmdLingua,
                    cmdAiuto, cmdInfo,        cmdEsci,        cmdDaInterfaccia, cmdRipristina,
                    barStato};
  Services services{dialogs,     platform, files,         registry,     proxy,
                    batchRunner, adapters, windows1252(), codePage850()};
  form = std::make_unique<frmMain>(controls, services);
  window.onUnload = [this] { form->Form_Unload(); };
}

std::vector<std::string> Harness::boxTexts() const {
  std::vector<std::string> texts(dialogs.boxes.size());
  std::ranges::transform(dialogs.boxes, texts.begin(), &Box::text);
  return texts;
}

namespace {

// Words of one language only, none of them in the other.
const char* const kOnlyItalian =
    " il la del della di non inserire connessione connessioni nome indirizzo impostata stata "
    "caratteri rete interfaccia impostazioni una usare porta nuova modifiche lingua imposta esci "
    "corrente annulla aiuto testo sicuri selezionare scegliere rinomina pulsante elimina comandi ";
const char* const kOnlyEnglish =
    " the not of to is was insert connection connections name address set characters network "
    "interface settings use port new changes language current undo text sure select choose "
    "rename button delete commands quit save with and this ";

std::string yesNo(const FakeControl& list) {
  return list.listIndex() == 0 ? "yes" : list.listIndex() == 1 ? "no" : "-";
}

}  // namespace

bool readsAs(const std::string& text, const std::string& lingua) {
  std::string lowered, word;
  bool command = false;  // a switch such as /undo is a word of no language
  for (const char c : text) {
    const bool letter = std::isalpha(static_cast<unsigned char>(c)) != 0;
    command = c == '/' || (command && letter);
    lowered += letter && !command ? static_cast<char>(std::tolower(c)) : ' ';
  }
  std::istringstream words(lowered);
  const std::string others = lingua == "IT" ? kOnlyEnglish : kOnlyItalian;
  while (words >> word && others.find(" " + word + " ") == std::string::npos) {
  }
  return !words;
}

// Any message a test expects is in words of each language, and a text of its own. (What a box
// shows is checked by the fake dialogs.)
std::string Harness::text(const std::string& chiave, const std::string& lingua) const {
  const std::string it = catalogo.getMessaggio(chiave, "IT"),
                    en = catalogo.getMessaggio(chiave, "IN");
  EXPECT_TRUE(it == en || (readsAs(it, "IT") && readsAs(en, "IN"))) << chiave;
  EXPECT_TRUE(chiave == "NOERR" || (it != dialogs.forbidden[0] && en != dialogs.forbidden[1]));
  return catalogo.getMessaggio(chiave, lingua);
}

void Harness::batchEnds(std::optional<std::vector<NetworkAdapter>> after, int milliseconds) {
  batchRunner.runs = false;
  adapters.adapters = std::move(after);
  platform.wait(milliseconds);
}

std::vector<FakeControl*> Harness::all() {
  // clang-format off
  return {&frmConnessioni, &frmComandi, &lblConnection, &lblDHCP, &lblIP, &lblMask, &lblGateway,
          &lblDNS, &lblUseProxy, &lblProxy, &lblProxyPort, &cmbConnessione, &cmbDHCP, &cmbUseProxy,
          &txtConnessione, &txtIP, &txtMask, &txtGateway, &txtDNS, &txtProxy, &txtProxyPort,
          &cmdSetta, &cmdNuova, &cmdAnnullaModifiche, &cmdSalva, &cmdRinomina, &cmdElimina,
          &cmdSettings, &cmdLingua, &cmdAiuto, &cmdInfo, &cmdEsci, &cmdDaInterfaccia, &cmdRipristina};
  // clang-format on
}

std::string Harness::screen() {
  std::string out;
  for (int i = 0; i < cmbConnessione.count(); ++i) {
    const std::string& item = cmbConnessione.items[static_cast<std::size_t>(i)];
    out += (i > 0 ? "," : "") + (i == cmbConnessione.listIndex() ? "[" + item + "]" : item);
  }
  out = cmbConnessione.visible ? out : "new:" + txtConnessione.value;
  const auto field = [](const FakeControl& f) { return f.enabled ? f.value : "(" + f.value + ")"; };
  out += " | " + yesNo(cmbDHCP) + " " + field(txtIP) + " " + field(txtMask) + " " +
         field(txtGateway) + " " + field(txtDNS) + " | " + yesNo(cmbUseProxy) + " " +
         field(txtProxy) + " " + field(txtProxyPort) + " | ";
  const std::string initials = "SNUVRD L";  // cmdSetta onwards in all(); Settings left out
  for (std::size_t i = 0; i < initials.size(); ++i) {
    out += all()[21 + i]->enabled && initials[i] != ' ' ? initials.substr(i, 1) : "";
  }
  return out;
}

Step newConnection(const std::string& name, const std::string& ip) {
  return [name, ip](Harness& h) {
    run(h, {click(&Harness::cmdNuova), type(&Harness::txtConnessione, name)});
    if (!ip.empty()) {
      h.txtIP.type(ip);
    }
  };
}

void run(Harness& h, const std::vector<Step>& steps) {
  std::ranges::for_each(steps, [&h](const Step& step) { step(h); });
}

}  // namespace veltrano::fake
