// The main window on the fake toolkit and the fake machine, the profile files tests start
// from, and the window's state in one line.
#pragma once

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
Conn dhcpConn(const std::string& name);
Conn staticConn(const std::string& name, const std::string& ip);
Conn proxyConn(const std::string& name, const std::string& proxy, const std::string& port);

// A profile file as the program writes it, CR LF after every line; the count as given, or
// the number of connections.
std::string profile(const std::vector<Conn>& conns, const std::string& lingua = "IT",
                    const std::string& adapter = "LAN", const std::string& count = "");
std::string lines(const std::vector<std::string>& each);

// The adapter "LAN" as a static connection of 10.0.0.5/24 via 10.0.0.1, DNS 10.0.0.2 leaves it.
NetworkAdapter lanAdapter();

class Harness {
 public:
  static constexpr const char* kFolder = "C:\\Programmi\\Veltrano";
  static constexpr const char* kIni = "C:\\Programmi\\Veltrano\\velt2.ini";
  static constexpr const char* kBatch = "C:\\Programmi\\Veltrano\\lastconnection.bat";

  Harness();
  Harness(const Harness&) = delete;
  Harness& operator=(const Harness&) = delete;

  void withProfile(const std::string& text);  // velt2.ini in the ANSI code page
  void start();                               // Form_Load, then the first activation
  std::string ini() const;                    // velt2.ini, decoded from the ANSI code page
  std::string batch() const;                  // lastconnection.bat, decoded from OEM
  std::vector<std::string> boxTexts() const;
  // The catalogue's text of a message key in a language, as the program would show it.
  std::string text(const std::string& chiave, const std::string& lingua) const;
  // The batch ends, leaving the adapters so; then the program looks again.
  void batchEnds(std::optional<std::vector<NetworkAdapter>> after, int steps = 1);
  // The window in one line: the connection list ([selected]) or "new:" and the name field;
  // each yes/no list as yes, no or -; each field's text, in brackets when disabled; and the
  // initials of the enabled buttons among Set, New, Undo, saVe, Rename, Delete, Language.
  std::string screen() const;

  FakeControl* focus = nullptr;
  FakeWindow window;
  FakeControl frmConnessioni, frmComandi, lblConnection, lblDHCP, lblIP, lblMask, lblGateway,
      lblDNS, lblUseProxy, lblProxy, lblProxyPort;
  FakeControl cmbConnessione{true}, cmbDHCP{true}, cmbUseProxy{true};
  FakeControl txtConnessione, txtIP, txtMask, txtGateway, txtDNS, txtProxy, txtProxyPort;
  FakeControl cmdSetta, cmdNuova, cmdAnnullaModifiche, cmdSalva, cmdRinomina, cmdElimina,
      cmdSettings, cmdLingua, cmdAiuto, cmdInfo, cmdEsci;
  FakeDialogs dialogs;
  FakePlatform platform;
  FakeFileSystem files;
  FakeRegistry registry;
  FakeBatchRunner batchRunner{files};
  FakeAdapters adapters;
  Catalogo catalogo;
  std::unique_ptr<frmMain> form;
};

// True unless the text holds a word only the other language uses ("IT" or "IN"): a text that
// went to the wrong language is caught without repeating it.
bool readsAs(const std::string& text, const std::string& lingua);

// What a user does, as steps a table can hold.
using Step = std::function<void(Harness&)>;
using Control = FakeControl Harness::*;
Step type(Control field, const std::string& text);
Step pick(Control list, int index);
Step click(Control button);
Step answer(bool yes);                 // to the next question
Step typeIn(const std::string& text);  // into the next input box; empty: Cancel
Step newConnection(const std::string& name, const std::string& ip = "10.1.1.1");
void run(Harness& h, const std::vector<Step>& steps);

}  // namespace veltrano::fake
