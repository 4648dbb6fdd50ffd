// Applying the shown connection: lastconnection.bat, starting it, and the proxy values.
#include <gtest/gtest.h>

#include "apply/registry_writes.h"
#include "fake/window_harness.h"

namespace veltrano::fake {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct ApplyTest : ::testing::Test {
  void startWith(const std::vector<Conn>& conns, const std::string& lingua = "IT",
                 const std::string& adapter = "LAN 2") {
    h.withProfile(profileFile(conns, lingua, adapter));
    h.start();
    ini = h.ini();
  }
  std::vector<std::string> registryNames() const {
    std::vector<std::string> names;
    for (const auto& w : h.registry.writes) {
      EXPECT_EQ(w.root, RootKey::CurrentUser);
      EXPECT_EQ(w.keyPath, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings");
      names.push_back(w.valueName);
    }
    return names;
  }
  Harness h;
  std::string ini;
};

TEST_F(ApplyTest, DhcpWithoutProxyInEitherLanguage) {
  for (const std::string lingua : {"IT", "IN"}) {
    Harness x;
    x.withProfile(profileFile({dhcpConn("Casa")}, lingua, "LAN 2"));
    x.start();
    x.cmdSetta.click();
    EXPECT_EQ(x.batch(), lines({"rem setting connessione Casa",
                                "netsh interface ip set address \"LAN 2\" dhcp",
                                "netsh interface ip set dns \"LAN 2\" dhcp"}));
    ASSERT_EQ(x.platform.started.size(), 1u);
    EXPECT_EQ(x.platform.started[0].path, "C:\\Programmi\\Veltrano\\lastconnection.bat");
    EXPECT_EQ(x.platform.started[0].style, 2);
    ASSERT_EQ(x.registry.writes.size(), 1u);
    EXPECT_EQ(x.registry.writes[0].valueName, "ProxyEnable");
    EXPECT_EQ(x.registry.writes[0].type, 4u);
    EXPECT_EQ(x.registry.writes[0].data, (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(x.platform.settingsNotices, 1);
    EXPECT_TRUE(x.dialogs.boxes.empty());
  }
}

TEST_F(ApplyTest, StaticWithProxyWritesBatchThenThreeValuesInOrder) {
  Conn c = staticConn("Ufficio", "10.0.0.5");
  c.useProxy = "SI";
  c.proxy = "proxy.example";  // 13 characters
  c.port = "8080";
  startWith({c});
  bool batchWrittenBeforeStart = false;
  h.platform.onStart = [&] { batchWrittenBeforeStart = !h.batch().empty(); };
  h.cmdSetta.click();
  EXPECT_TRUE(batchWrittenBeforeStart);
  EXPECT_EQ(h.batch(), lines({"rem setting connessione Ufficio",
                              "netsh interface ip set address \"LAN 2\" static 10.0.0.5 "
                              "255.255.255.0 10.0.0.1 1",
                              "netsh interface ip set dns \"LAN 2\" static 10.0.0.2"}));
  EXPECT_EQ(registryNames(),
            (std::vector<std::string>{"ProxyEnable", "ProxyServer", "ProxyOverride"}));
  EXPECT_EQ(h.registry.writes[0].data, (Bytes{1, 0, 0, 0}));
  const auto& server = h.registry.writes[1];
  EXPECT_EQ(server.type, 1u);
  EXPECT_EQ(server.data.size(), 19u);
  EXPECT_EQ(std::string(server.data.begin(), server.data.end()),
            std::string("proxy.example:8080\0", 19));
  EXPECT_EQ(h.registry.writes[2].data, (Bytes{'<', 'l', 'o', 'c', 'a', 'l', '>', 0}));
}

TEST_F(ApplyTest, EmptyGatewayDnsAndProxyFieldsLeaveTheirBlanks) {
  startWith({staticConn("Ufficio", "10.0.0.5")});
  h.txtGateway.type("");
  h.txtDNS.type("");
  h.cmbUseProxy.pick(0);
  h.cmdSetta.click();
  EXPECT_EQ(h.batch(), lines({"rem setting connessione Ufficio",
                              "netsh interface ip set address \"LAN 2\" static 10.0.0.5 "
                              "255.255.255.0  1",
                              "netsh interface ip set dns \"LAN 2\" static "}));
  ASSERT_EQ(h.registry.writes.size(), 3u);
  EXPECT_EQ(h.registry.writes[1].data, (Bytes{':', 0}));
}

TEST_F(ApplyTest, UnsavedEditsAreAppliedButNothingIsStored) {
  startWith({staticConn("Ufficio", "10.0.0.5")});
  h.txtIP.type(" 10.0.0.77 ");
  h.cmdSetta.click();
  EXPECT_NE(h.batch().find("static  10.0.0.77  255.255.255.0"), std::string::npos);
  EXPECT_EQ(h.ini(), ini);
  EXPECT_EQ(h.files.replaceCount, 0);
  EXPECT_EQ(h.form->profilo().connessioni.riga(1)[kIP], "10.0.0.5");
}

TEST_F(ApplyTest, EachApplyReplacesTheBatch) {
  startWith({dhcpConn("Casa"), staticConn("Ufficio", "10.0.0.5")});
  h.cmdSetta.click();
  h.cmbConnessione.pick("Ufficio");
  h.cmdSetta.click();
  const std::string batch = h.batch();
  EXPECT_EQ(splitLines(batch).size(), 3u);
  EXPECT_EQ(splitLines(batch)[0], "rem setting connessione Ufficio");
}

TEST_F(ApplyTest, AccentedAdapterNameReachesTheBatchInTheConsoleCodePage) {
  startWith({dhcpConn("Casa")}, "IT", "Connessione alla rete locale (LAN) è");
  h.cmdSetta.click();
  const std::string raw = h.files.files[Harness::kBatch];
  EXPECT_NE(raw.find("(LAN) \x8A\""), std::string::npos);  // è is 0x8A in CP 850
}

struct Refusal {
  std::string what;
  std::function<void(Harness&)> prepare;
  std::string message;
};

TEST_F(ApplyTest, RefusedAppliesStartNothingAndTouchNothing) {
  const std::string kNoInterface =
      "Nessuna interfaccia di rete impostata. Impostarla con il "
      "pulsante Impostazioni.";
  const std::string kChars =
      "I valori contengono caratteri che non possono essere passati a "
      "netsh (virgolette, punto esclamativo, caratteri di controllo o non "
      "supportati dalla console). Correggerli e riprovare.";
  const std::string kNoBatch =
      "Impossibile scrivere il file lastconnection.bat nella cartella "
      "del programma. La connessione non è stata impostata.";
  const std::vector<Refusal> refusals = {
      {"no adapter", [](Harness& x) { x.dialogs.inputAnswers = {" "}, x.cmdSettings.click(); },
       kNoInterface},
      {"quote in adapter",
       [](Harness& x) { x.dialogs.inputAnswers = {"LAN\" & calc"}, x.cmdSettings.click(); },
       kChars},
      {"bang in value", [](Harness& x) { x.txtIP.type("!x!"); }, kChars},
      {"outside the console code page", [](Harness& x) { x.txtDNS.type("€"); }, kChars},
      {"read-only folder", [](Harness& x) { x.files.failWrites = true; }, kNoBatch},
  };
  for (const auto& r : refusals) {
    Harness x;
    x.withProfile(profileFile({staticConn("Ufficio", "10.0.0.5")}, "IT", "LAN"));
    x.start();
    r.prepare(x);
    x.dialogs.boxes.clear();
    x.cmdSetta.click();
    EXPECT_EQ(x.boxTexts(), std::vector<std::string>{r.message}) << r.what;
    EXPECT_TRUE(x.platform.started.empty()) << r.what;
    EXPECT_TRUE(x.registry.writes.empty()) << r.what;
    EXPECT_FALSE(x.window.closed) << r.what;
  }
}

TEST_F(ApplyTest, DeclinedAdministratorPromptAppliesNothingAndSaysNothing) {
  startWith({dhcpConn("Casa")});
  h.platform.startResult = StartResult::Declined;
  h.cmdSetta.click();
  EXPECT_TRUE(h.dialogs.boxes.empty());
  EXPECT_TRUE(h.registry.writes.empty());
}

TEST_F(ApplyTest, BatchThatCannotStartIsReportedAndTheProxyIsLeftAlone) {
  startWith({dhcpConn("Casa")});
  h.platform.startResult = StartResult::Failed;
  h.cmdSetta.click();
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>{"Impossibile avviare lastconnection.bat. La "
                                                   "connessione non è stata impostata."});
  EXPECT_TRUE(h.registry.writes.empty());
}

TEST_F(ApplyTest, HostileNameStaysInTheComment) {
  startWith({dhcpConn("x & del /q * ^")});
  h.cmdSetta.click();
  const std::string batch = h.batch();
  const auto batchLines = splitLines(batch);
  ASSERT_EQ(batchLines.size(), 3u);
  EXPECT_EQ(batchLines[0], "rem setting connessione x ^& del /q * ^^");
  EXPECT_EQ(batchLines[1], "netsh interface ip set address \"LAN 2\" dhcp");
}

}  // namespace
}  // namespace veltrano::fake
