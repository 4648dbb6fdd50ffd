// The main window on the fake toolkit and the fake machine, the profile files tests start
// from, the window's state in one line, and what a user does as steps a table can hold.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fake/fake_machine.h"
#include "fake/fake_toolkit.h"
#include "lang/messaggi.h"
#include "shell/frmMain.h"

namespace veltrano::fake {

// One connection as its nine lines of velt2.ini, in file order.
struct Conn {
  std::string name, ip, mask, gateway, dns, proxy, port, useProxy, dhcp;
};
// The sample connections: on DHCP; on 10.0.0.5/24 via 10.0.0.1 with DNS 10.0.0.2; on DHCP
// behind the proxy px:80.
inline Conn dhcpConn(const std::string& name) {
  return {name, "DHCP", "DHCP", "DHCP", "DHCP", "NO PROXY", "NO PROXY", "NO", "SI"};
}
inline Conn staticConn(const std::string& name) {
  return {name, "10.0.0.5", "255.255.255.0", "10.0.0.1", "10.0.0.2", "NO PROXY", "NO PROXY",
          "NO", "NO"};
}
inline Conn proxyConn(const std::string& name) {
  return {name, "DHCP", "DHCP", "DHCP", "DHCP", "px", "80", "SI", "SI"};
}

// A profile file as the program writes it, CR LF after every line; the count as given, or
// the number of connections.
std::string profile(const std::vector<Conn>& conns, const std::string& lingua = "IT",
                    const std::string& adapter = "LAN", const std::string& count = "");
std::string lines(const std::vector<std::string>& each);

// The adapter "LAN" as a static connection of 10.0.0.5/24 via 10.0.0.1, DNS 10.0.0.2 leaves it.
inline const NetworkAdapter kLan{"LAN",        false,        false,         {{"10.0.0.5", 24}},
                                 {"10.0.0.1"}, {"10.0.0.2"}, {{"10.0.0.2"}}};

// True unless the text holds a word only the other language uses ("IT" or "IN"): a text that
// went to the wrong language is caught without repeating it.
bool readsAs(const std::string& text, const std::string& lingua);

// What the window shows below the list for the sample connections on DHCP and static.
inline const std::string kShowsDhcp = "yes (DHCP) (DHCP) (DHCP) (DHCP) | no (NO PROXY) (NO PROXY)";
inline const std::string kShowsStatic =
    "no 10.0.0.5 255.255.255.0 10.0.0.1 10.0.0.2 | no (NO PROXY) (NO PROXY)";

class Harness {
 public:
  static constexpr const char* kFolder = "C:\\Programmi\\Veltrano";
  static constexpr const char* kIni = "C:\\Programmi\\Veltrano\\velt2.ini";
  static constexpr const char* kBatch = "C:\\Programmi\\Veltrano\\lastconnection.bat";

  Harness();
  explicit Harness(const std::string& profileText) : Harness() {
    withProfile(profileText), start();
  }

  void withProfile(const std::string& text) { files.files[kIni] = *windows1252().fromUtf8(text); }
  // Starts the window and lets it settle after its first activation.
  void start() { form->Form_Load(), form->Form_Activate(), platform.wait(kDopoAttivazioneMs); }
  std::string ini() { return windows1252().toUtf8(files.readAll(kIni).value_or("")); }
  std::string batch() { return codePage850().toUtf8(files.readAll(kBatch).value_or("")); }
  std::vector<std::string> boxTexts() const;
  // The catalogue's text of a message key in a language, as the program would show it.
  std::string text(const std::string& chiave, const std::string& lingua) const;
  // The batch ends, leaving the adapters so; then so many milliseconds go by.
  void batchEnds(std::optional<std::vector<NetworkAdapter>> after, int milliseconds = 250);
  // The window in one line: the connection list ([selected]) or "new:" and the name field;
  // each yes/no list as yes, no or -; each field's text, in brackets when disabled; and the
  // initials of the enabled buttons among Set, New, Undo, saVe, Rename, Delete, Language.
  std::string screen();
  // Every control, as declared below: two frames, nine labels, three lists, seven text fields
  // and thirteen buttons.
  std::vector<FakeControl*> all();

  FakeControl* focus = nullptr;
  FakeWindow window;
  FakeControl frmConnessioni, frmComandi, lblConnection, lblDHCP, lblIP, lblMask, lblGateway,
      lblDNS, lblUseProxy, lblProxy, lblProxyPort;
  FakeControl cmbConnessione{true}, cmbDHCP{true}, cmbUseProxy{true};
  FakeControl txtConnessione, txtIP, txtMask, txtGateway, txtDNS, txtProxy, txtProxyPort;
  FakeControl cmdSetta, cmdNuova, cmdAnnullaModifiche, cmdSalva, cmdRinomina, cmdElimina,
      cmdSettings, cmdLingua, cmdAiuto, cmdInfo, cmdEsci, cmdDaInterfaccia, cmdRipristina, barStato;
  FakeDialogs dialogs;
  FakePlatform platform;
  FakeFileSystem files;
  FakeRegistry registry;
  FakeProxySettings proxy{registry};
  FakeBatchRunner batchRunner{files};
  FakeAdapters adapters;
  Catalogo catalogo;
  std::unique_ptr<frmMain> form;
};

// What a user does, as steps a table can hold.
using Step = std::function<void(Harness&)>;
using Control = FakeControl Harness::*;
inline const auto type = [](Control f, std::string t) -> Step {
  return [=](Harness& h) { (h.*f).type(t); };
};
inline const auto pick = [](Control list, int i) -> Step {
  return [=](Harness& h) { (h.*list).pick(i); };
};
inline const auto click = [](Control button) -> Step {
  return [=](Harness& h) { (h.*button).click(); };
};
inline const auto answer = [](bool yes) -> Step {
  return [=](Harness& h) { h.dialogs.answers.push_back(yes); };
};
// Into the next input box; empty: Cancel.
inline const auto typeIn = [](std::string t) -> Step {
  return [=](Harness& h) { h.dialogs.typed.push_back(t); };
};
Step newConnection(const std::string& name, const std::string& ip = "10.1.1.1");
void run(Harness& h, const std::vector<Step>& steps);

// The usual pair: an office on a static address and a home on DHCP behind a proxy.
inline const std::vector<Conn> kTwo = {staticConn("Ufficio"), proxyConn("Casa")};

// The rules of the window hold in both languages: a test of them runs in each.
struct BothLanguages : ::testing::TestWithParam<std::string> {
  std::string file(const std::vector<Conn>& conns = kTwo,
                   const std::string& adapter = "LAN") const {
    return profile(conns, GetParam(), adapter);
  }
  std::string text(const std::string& chiave, const std::vector<std::string>& args = {}) const {
    return componi(h.text(chiave, GetParam()), args);
  }
  Harness h{file()};
};

}  // namespace veltrano::fake
