// New, save, undo, rename and delete: what each does to the window and to velt2.ini, what each
// refuses, texts of every kind through a restart, and a rewrite that fails.
#include <gtest/gtest.h>

#include "fake/window_harness.h"

namespace veltrano::fake {
namespace {

using H = Harness;
struct Editing : BothLanguages {};
INSTANTIATE_TEST_SUITE_P(BothLanguages, Editing, ::testing::Values("IT", "IN"));

TEST_P(Editing, NewStartsEmptyAbortShowsTheConnectionAgainAndSaveAppendsTheNewOne) {
  h.cmdNuova.click();
  EXPECT_EQ(h.screen(), "new: | no     | no (NO PROXY) (NO PROXY) | NV");
  EXPECT_EQ(h.focus, &h.txtConnessione);
  EXPECT_EQ(h.cmdNuova.caption, text("ABORT"));
  run(h, {type(&H::txtConnessione, "Hotel"), click(&H::cmdNuova)});
  EXPECT_EQ(h.screen(), "[Ufficio],Casa | " + kShowsStatic + " | SNUVRDL");
  EXPECT_EQ(h.cmdNuova.caption, text("NUOVACONN"));
  run(h, {newConnection("  Hotel  "), pick(&H::cmbUseProxy, 0), type(&H::txtProxy, " p "),
          type(&H::txtProxyPort, "8080"), click(&H::cmdSalva)});
  EXPECT_EQ(h.screen(), "Ufficio,Casa,[Hotel] | no 10.1.1.1    | yes p 8080 | SNUVRDL");
  EXPECT_EQ(h.txtConnessione.value + h.cmdNuova.caption, text("NUOVACONN"));
  std::vector<Conn> three = kTwo;
  three.push_back({"Hotel", "10.1.1.1", "", "", "", "p", "8080", "SI", "NO"});
  EXPECT_EQ(h.ini(), profile(three, GetParam(), "LAN", " 3 "));
  EXPECT_TRUE(h.dialogs.boxes.empty());
}

// The adapter set in Settings and the user's proxy as Windows has them now, or why not.
TEST_P(Editing, NewFromTheAdapterFillsANewConnectionWithWhatTheAdapterHasOrSaysWhyNot) {
  NetworkAdapter two = kLan, leased = kLan, bare = kLan;
  two.addresses[0].prefixLength = 23, two.gateways.push_back("10.0.0.9");
  two.dnsServers.push_back("10.0.0.3");
  leased.dhcp = true, bare.addresses.clear();
  const std::string browsing = "[Ufficio],Casa | " + kShowsStatic + " | SNUVRDL";
  const std::tuple<std::string, std::optional<NetworkAdapter>, std::optional<ProxyState>,
                   std::string, std::string>
      rows[] = {
          {"LAN", kLan, ProxyState{false, "old:1", ""}, "",
           "new: | no 10.0.0.5 255.255.255.0 10.0.0.1 10.0.0.2 | no (NO PROXY) (NO PROXY) | NV"},
          {"LAN", two, ProxyState{true, "px.lan:8080", "<local>"}, "",
           "new: | no 10.0.0.5 255.255.254.0 10.0.0.1 10.0.0.2, 10.0.0.3 | yes px.lan 8080 | NV"},
          {"LAN", leased, ProxyState{true, "http=a:1;https=b:2", ""}, "",
           "new: | yes (DHCP) (DHCP) (DHCP) (DHCP) | yes http=a:1;https=b:2  | NV"},
          {"LAN", std::nullopt, ProxyState{}, text("ADAPTERUNREADABLE"), browsing},
          {"LAN", kLan, std::nullopt, text("PROXYUNREADABLE"), browsing},
          {"LAN", bare, ProxyState{}, text("ADAPTERNOADDRESS", {"LAN"}), browsing},
          {"WLAN", kLan, ProxyState{}, text("ADAPTERNOTFOUND", {"WLAN"}), browsing},
          {"   ", kLan, ProxyState{}, text("NOINTERFACE"), browsing},
      };
  for (const auto& [name, adapter, proxy, told, screen] : rows) {
    Harness x(file(kTwo, name));
    x.adapters.adapters = adapter ? std::optional(std::vector{*adapter}) : std::nullopt;
    x.proxy.shown = proxy;
    x.cmdDaInterfaccia.click();
    EXPECT_EQ(x.boxTexts(), told.empty() ? std::vector<std::string>{} : std::vector{told});
    EXPECT_EQ(x.screen(), screen);
    EXPECT_EQ(x.focus, told.empty() ? &x.txtConnessione : nullptr);
  }
  run(h, {click(&H::cmdDaInterfaccia), type(&H::txtConnessione, "Cliente"), click(&H::cmdSalva)});
  std::vector<Conn> three = kTwo;
  three.push_back(staticConn("Cliente"));
  EXPECT_EQ(h.ini(), profile(three, GetParam(), "LAN", " 3 "));
}

// Each row leads to one refusal of Save: its message, and nothing else changes.
TEST_P(Editing, SaveRefusesInOrderAndChangesNothing) {
  std::vector<Conn> full;
  for (int i = 0; i < kMaxConnessioni; ++i) {
    full.push_back(dhcpConn("c" + std::to_string(i)));
  }
  const struct {
    std::string chiave;
    std::vector<Step> steps;
    std::vector<Conn> conns = kTwo;
  } rows[] = {
      {"INSERTCONNNAME", {newConnection("", "")}},
      {"INSERTCONNNAME", {newConnection("   ")}},
      {"INSERTIP", {newConnection("Hotel", "")}},
      {"INSERTIP", {type(&H::txtIP, "")}},
      {"INSERTPROXY", {newConnection("Hotel"), pick(&H::cmbUseProxy, 0)}},
      {"INSERTPROXYPORT",
       {newConnection("Hotel"), pick(&H::cmbUseProxy, 0), type(&H::txtProxy, "p")}},
      {"NAMEALREADY", {newConnection(" Casa ")}},
      {"NOLINEBREAK", {type(&H::txtDNS, "10.0.0.2\n10.0.0.3")}},
      {"TABLEFULL", {newConnection("c1000")}, full},
  };
  for (const auto& row : rows) {
    Harness x(file(row.conns));
    const std::string before = x.ini();
    run(x, row.steps);
    const std::string name = x.txtConnessione.value;
    std::string screen = x.screen();
    x.cmdSalva.click();
    EXPECT_EQ(x.boxTexts(), std::vector<std::string>{text(row.chiave)}) << row.chiave;
    EXPECT_EQ(x.dialogs.boxes.back().style, kCritical);
    EXPECT_EQ(x.ini(), before) << row.chiave;
    if (screen.starts_with("new:")) {
      screen.replace(4, name.size(), trimBlanks(name));  // a new name is trimmed before its checks
    }
    EXPECT_EQ(x.screen(), screen) << row.chiave;
  }
}

TEST_P(Editing, SaveAsksUndoShowsWhatIsStoredAndRenameKeepsThePlaceRefusingATakenName) {
  run(h, {type(&H::txtIP, " 10.0.0.9 "), answer(false), click(&H::cmdSalva)});
  EXPECT_EQ(h.files.writes, 0);
  run(h, {answer(true), click(&H::cmdSalva)});
  EXPECT_EQ(h.dialogs.boxes[1].style + h.files.writes, kYesNo + 1);
  EXPECT_EQ(h.txtIP.value, " 10.0.0.9 ");
  run(h, {pick(&H::cmbDHCP, 0), pick(&H::cmbUseProxy, 0), click(&H::cmdAnnullaModifiche)});
  EXPECT_EQ(h.screen(),
            "[Ufficio],Casa | no 10.0.0.9 255.255.255.0 10.0.0.1 10.0.0.2 | no (NO PROXY) (NO "
            "PROXY) | SNUVRDL");
  h.cmbConnessione.pick(1);
  for (const std::string typed : {"", "   ", " Ufficio ", "Casa", " casa "}) {
    run(h, {typeIn(typed), click(&H::cmdRinomina)});
  }
  const std::string ask = text("SURETOSAVE"), prompt = text("INSRENAME") + " Casa",
                    taken = text("NAMEALREADY");
  EXPECT_EQ(h.boxTexts(),
            (std::vector{ask, ask, prompt, prompt, prompt, taken, prompt, taken, prompt}));
  EXPECT_EQ(h.dialogs.boxes[2].initialText, "");
  EXPECT_EQ(h.screen(), "Ufficio,[casa] | yes (DHCP) (DHCP) (DHCP) (DHCP) | yes px 80 | SNUVRDL");
  std::vector<Conn> edited = kTwo;
  edited[0].ip = "10.0.0.9", edited[1].name = "casa";
  EXPECT_EQ(h.ini(), profile(edited, GetParam()));
  EXPECT_EQ(h.files.writes, 2);
}

TEST_P(Editing, DeleteAsksRemovesAndShowsTheFirstConnection) {
  Harness d(file({dhcpConn("A"), staticConn("B"), dhcpConn("C")}));
  run(d, {pick(&H::cmbConnessione, 1), answer(false), click(&H::cmdElimina)});
  EXPECT_EQ(d.ini(), profile({dhcpConn("A"), staticConn("B"), dhcpConn("C")}, GetParam()));
  EXPECT_EQ(d.files.writes, 1);  // rewritten all the same
  run(d, {answer(true), click(&H::cmdElimina)});
  EXPECT_EQ(d.boxTexts(), std::vector<std::string>(2, text("SURETODEL")));
  EXPECT_EQ(d.screen(), "[A],C | " + kShowsDhcp + " | SNUVRDL");
  EXPECT_EQ(d.ini(), profile({dhcpConn("A"), dhcpConn("C")}, GetParam(), "LAN", " 2 "));

  Harness x(file({staticConn("Solo")}));
  run(x, {answer(true), click(&H::cmdElimina)});
  EXPECT_EQ(x.screen(), " | -     | - () () | NL");  // disabled proxy fields stay so, emptied
  EXPECT_EQ(x.ini(), profile({}, GetParam(), "LAN", " 0 "));
}

// Every command that rewrites velt2.ini, on a disk that refuses: the message in the window's
// language, the program ends, and the file is as it was.
TEST_P(Editing, EveryRewriteThatFailsEndsTheProgramWithTheFileAsItWas) {
  const std::vector<Step> commands[] = {
      {newConnection("Hotel"), click(&H::cmdSalva)},
      {answer(true), click(&H::cmdSalva)},
      {typeIn("Hotel"), click(&H::cmdRinomina)},
      {answer(true), click(&H::cmdElimina)},
      {answer(false), click(&H::cmdElimina)},
      {typeIn("Wi-Fi"), click(&H::cmdSettings)},
      {click(&H::cmdLingua)},
  };
  for (const auto& command : commands) {
    Harness x(file());
    const std::string before = x.ini();
    x.files.failWrites = true;
    run(x, command);
    const bool switched = &command == &commands[6];
    const std::string lingua = switched == (GetParam() == "IT") ? "IN" : "IT";
    EXPECT_EQ(x.boxTexts().back(), x.text("NOINIFILE", lingua));
    EXPECT_TRUE(x.window.closed);
    EXPECT_EQ(x.ini(), before);
  }
}

// Where a typed text goes (a new name, a rename, a field, the adapter), and where it shows
// again after a restart.
const std::pair<std::vector<Step> (*)(const std::string&), std::string (*)(Harness&)> kPlaces[] = {
    {[](const std::string& t) {
       return std::vector{newConnection(t), click(&H::cmdSalva)};
     },
     [](H& x) { return x.cmbConnessione.items.back(); }},
    {[](const std::string& t) {
       return std::vector{typeIn(t), click(&H::cmdRinomina)};
     },
     [](H& x) { return x.cmbConnessione.items.front(); }},
    {[](const std::string& t) {
       return std::vector{type(&H::txtGateway, t), answer(true), click(&H::cmdSalva)};
     },
     [](H& x) { return x.txtGateway.value; }},
    {[](const std::string& t) {
       return std::vector{typeIn(t), click(&H::cmdSettings)};
     },
     [](H& x) {
       return run(x, {typeIn(""), click(&H::cmdSettings)}), x.dialogs.boxes[0].initialText;
     }},
};

// Texts a user may type anywhere: kept exactly (trimmed) through a restart, or refused with
// their message and nothing written.
TEST_P(Editing, HostileTextsAreStoredAndReadBackAfterARestartOrRefused) {
  const std::pair<std::string, std::string> inputs[] = {{"%PATH% & | < > ^ ( ) ! \"x\"", ""},
                                                        {"  € àèìòù ÿ  ", ""},
                                                        {std::string(300, 'x'), ""},
                                                        {"a\tb", "NOLINEBREAK"},
                                                        {std::string("a\0b", 3), "NOLINEBREAK"},
                                                        {"Ω", "NOCODEPAGE"}};
  for (const auto& [put, shown] : kPlaces) {
    for (const auto& [typed, chiave] : inputs) {
      Harness x(file());
      const std::string before = x.ini();
      run(x, put(typed));
      if (!chiave.empty()) {
        EXPECT_EQ(x.boxTexts().back() + x.ini(), text(chiave) + before) << typed;
        continue;
      }
      Harness again;
      again.files.files = x.files.files;
      again.start();
      EXPECT_EQ(shown(again), trimBlanks(typed)) << typed;
    }
  }
}

}  // namespace
}  // namespace veltrano::fake
