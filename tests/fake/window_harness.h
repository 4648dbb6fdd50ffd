// The main window on the fake toolkit: every control, the fake machine and frmMain.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fake/fake_machine.h"
#include "fake/fake_toolkit.h"
#include "shell/frmMain.h"

namespace veltrano::fake {

// One connection as its nine lines of velt2.ini.
struct Conn {
  std::string name, ip, mask, gateway, dns, proxy, port, useProxy, dhcp;
};
Conn dhcpConn(const std::string& name);
Conn staticConn(const std::string& name, const std::string& ip);
Conn proxyConn(const std::string& name, const std::string& proxy, const std::string& port);

// A profile file as the program writes it: CR LF after every line.
std::string profileFile(const std::vector<Conn>& conns, const std::string& lingua = "IT",
                        const std::string& adapter = "LAN", const std::string& count = "");
std::string lines(const std::vector<std::string>& each);

class Harness {
 public:
  Harness();
  ~Harness();
  Harness(const Harness&) = delete;
  Harness& operator=(const Harness&) = delete;

  static constexpr const char* kFolder = "C:\\Programmi\\Veltrano";
  static constexpr const char* kIni = "C:\\Programmi\\Veltrano\\velt2.ini";
  static constexpr const char* kBatch = "C:\\Programmi\\Veltrano\\lastconnection.bat";

  // Rebuilds the window logic on the same controls and machine but another file system
  // (one that injects faults, say); call before start().
  void useFileSystem(FileSystem& other);
  // Writes velt2.ini in the fake program folder.
  void withProfile(const std::string& text);
  // Form_Load, then the window is shown and activated, as the toolkit does.
  void start();
  // The file's bytes (decoded from the ANSI code page, so tests compare UTF-8 texts).
  std::string ini() const;
  std::string batch() const;
  std::vector<std::string> iniLines() const;
  std::vector<std::string> boxTexts() const;
  const MessageBoxRecord& lastBox() const { return dialogs.boxes.back(); }

  FocusTracker focus;
  FakeWindow window;
  FakeCaption frmConnessioni, frmComandi, lblConnection, lblDHCP, lblIP, lblMask, lblGateway,
      lblDNS, lblUseProxy, lblProxy, lblProxyPort;
  FakeList cmbConnessione{focus}, cmbDHCP{focus}, cmbUseProxy{focus};
  FakeTextField txtConnessione{focus, ""}, txtIP{focus, "IP"}, txtMask{focus, "Mask"},
      txtGateway{focus, "Gateway"}, txtDNS{focus, "DNS"}, txtProxy{focus, "Proxy"},
      txtProxyPort{focus, "ProxyPort"};
  FakeButton cmdSetta{"Setta Connessione"}, cmdNuova{"Nuova Connessione"},
      cmdAnnullaModifiche{"Annulla modifiche"}, cmdSalva{"Salva"},
      cmdRinomina{"Rinomina Connessione"}, cmdElimina{"Elimina Connessione"},
      cmdSettings{"Settings"}, cmdLingua{"English"}, cmdAiuto{"Aiuto"}, cmdInfo{"Info"},
      cmdEsci{"Esci"};

  FakeDialogs dialogs;
  FakePlatform platform;
  FakeFileSystem files;
  FakeRegistry registry;
  FakeBatchRunner batchRunner{files};
  FakeAdapters adapters;
  std::unique_ptr<frmMain> form;
};

}  // namespace veltrano::fake
