// Applying what the window shows: the checks before anything is written, the batch and the
// proxy, one batch at a time, and the adapter read back once the batch has ended.
#include <gtest/gtest.h>

#include <functional>

#include "apply/registry_writes.h"
#include "fake/window_harness.h"

namespace veltrano::fake {
namespace {

struct Apply : ::testing::TestWithParam<std::string> {
  void start(const std::string& adapter = "LAN") {
    h.withProfile(profile({staticConn("Ufficio", "10.0.0.5"), proxyConn("Casa", "px", "8080")},
                          GetParam(), adapter));
    h.start();
  }
  std::string text(const std::string& chiave) const { return h.text(chiave, GetParam()); }
  bool nothingApplied() const {
    return h.batch().empty() && h.batchRunner.started.empty() && h.registry.writes.empty();
  }
  Harness h;
};
INSTANTIATE_TEST_SUITE_P(BothLanguages, Apply, ::testing::Values("IT", "IN"));

TEST_P(Apply, WritesTheBatchStartsItThenSetsTheProxyAndSaysNothingWhenTheAdapterIsAsAsked) {
  start();
  h.cmdSetta.click();
  EXPECT_EQ(h.batch(), lines({"rem setting connessione Ufficio",
                              "netsh interface ip set address \"LAN\" static 10.0.0.5 "
                              "255.255.255.0 10.0.0.1 1",
                              "netsh interface ip set dns \"LAN\" static 10.0.0.2"}));
  EXPECT_EQ(h.batchRunner.started, std::vector<std::string>{Harness::kBatch});
  ASSERT_EQ(h.registry.writes.size(), 1u);
  EXPECT_EQ(h.registry.writes[0].valueName, "ProxyEnable");
  EXPECT_EQ(h.registry.writes[0].data, (std::vector<std::uint8_t>{0, 0, 0, 0}));
  h.batchEnds({lanAdapter()});
  EXPECT_TRUE(h.dialogs.boxes.empty());
  EXPECT_TRUE(h.platform.delays.empty());

  h.cmbConnessione.pick(1);
  h.cmdSetta.click();
  EXPECT_EQ(h.batch(),
            lines({"rem setting connessione Casa", "netsh interface ip set address \"LAN\" dhcp",
                   "netsh interface ip set dns \"LAN\" dhcp"}));
  ASSERT_EQ(h.registry.writes.size(), 4u);
  EXPECT_EQ(h.registry.writes[1].data, (std::vector<std::uint8_t>{1, 0, 0, 0}));
  EXPECT_EQ(h.registry.writes[2].valueName, "ProxyServer");
  EXPECT_EQ(h.registry.writes[2].type, kRegSz);
  EXPECT_EQ(h.registry.writes[2].data,
            (std::vector<std::uint8_t>{'p', 'x', ':', '8', '0', '8', '0', 0}));
  EXPECT_EQ(h.registry.writes[3].valueName, "ProxyOverride");
  EXPECT_EQ(h.registry.writes[3].keyPath, kInternetSettings);
  EXPECT_EQ(h.platform.settingsNotices, 2);
  EXPECT_EQ(h.ini(), profile({staticConn("Ufficio", "10.0.0.5"), proxyConn("Casa", "px", "8080")},
                             GetParam()));
}

TEST_P(Apply, UnsavedEditsAreAppliedAndAnEmptyGatewayOrDnsIsNone) {
  start();
  h.txtIP.type("192.168.1.7");
  h.txtGateway.type("");
  h.txtDNS.type("");
  h.cmdSetta.click();
  EXPECT_EQ(h.batch(), lines({"rem setting connessione Ufficio",
                              "netsh interface ip set address \"LAN\" static 192.168.1.7 "
                              "255.255.255.0 none",
                              "netsh interface ip set dns \"LAN\" static none"}));
}

struct Refusal {
  std::string adapter, chiave, campo, valore;
  std::function<void(Harness&)> edit;
};

TEST_P(Apply, RefusesWhatNetshOrTheRegistryCouldNotTakeBeforeWritingAnything) {
  const auto none = [](Harness&) {};
  const auto proxy = [](const std::string& server) {
    return [server](Harness& x) {
      x.cmbUseProxy.pick(0);
      x.txtProxy.type(server);
      x.txtProxyPort.type("80");
    };
  };
  const std::vector<Refusal> rows = {
      {"LAN", "BADADDRESS", "IP", "1.2.3", [](Harness& x) { x.txtIP.type("1.2.3"); }},
      {"LAN", "BADADDRESS", "IP", "", [](Harness& x) { x.txtIP.type(""); }},
      {"LAN", "BADADDRESS", "MASK", "255.0.255.0",
       [](Harness& x) { x.txtMask.type("255.0.255.0"); }},
      {"LAN", "BADADDRESS", "GATEWAY", "10.0.0.01",
       [](Harness& x) { x.txtGateway.type("10.0.0.01"); }},
      {"LAN", "BADADDRESS", "DNS", " 10.0.0.2", [](Harness& x) { x.txtDNS.type(" 10.0.0.2"); }},
      {"LAN", "NOCODEPAGE", "", "", proxy("proxy.Ω")},
      {"LAN", "NOLINEBREAK", "", "", proxy("proxy\t")},
      {"   ", "NOINTERFACE", "", "", none},
      {"LAN\\", "BATCHCHARS", "", "", none},
      {"LAN\"", "BATCHCHARS", "", "", none},
      {std::string(256, 'L'), "BATCHTOOLONG", "", "", none},
      {"WLAN", "UNKNOWNADAPTER", "", "\"LAN\"", none},
  };
  for (const auto& row : rows) {
    Harness x;
    x.withProfile(profile({staticConn("Ufficio", "10.0.0.5")}, GetParam(), row.adapter));
    x.start();
    row.edit(x);
    x.cmdSetta.click();
    const std::string message = x.text(row.chiave, GetParam());
    const std::string expected = !row.campo.empty()
                                     ? componi(message, {x.text(row.campo, GetParam()), row.valore})
                                 : !row.valore.empty() ? componi(message, {row.adapter, row.valore})
                                                       : message;
    EXPECT_EQ(x.boxTexts(), std::vector<std::string>{expected}) << row.chiave << row.valore;
    if (!row.valore.empty()) {  // what the message names is in it
      EXPECT_NE(expected.find(row.campo.empty() ? row.adapter : row.valore), std::string::npos);
    }
    EXPECT_TRUE(x.batch().empty() && x.batchRunner.started.empty() && x.registry.writes.empty())
        << row.chiave << row.valore;
  }
}

TEST_P(Apply, NoToTheAdministratorPromptOrAFailedStartOrWriteSetsNoProxy) {
  struct Row {
    WriteResult write;
    StartResult start;
    std::string chiave;
  };
  for (const Row& row : {Row{WriteResult::Written, StartResult::Declined, ""},
                         Row{WriteResult::Written, StartResult::Failed, "NOBATCHSTART"},
                         Row{WriteResult::Failed, StartResult::Started, "NOBATCHFILE"}}) {
    Harness x;
    x.withProfile(profile({proxyConn("Casa", "px", "8080")}, GetParam()));
    x.start();
    x.batchRunner.writeResult = row.write;
    x.batchRunner.startResult = row.start;
    x.cmdSetta.click();
    EXPECT_EQ(x.boxTexts(), row.chiave.empty()
                                ? std::vector<std::string>{}
                                : std::vector<std::string>{x.text(row.chiave, GetParam())});
    EXPECT_TRUE(x.registry.writes.empty() && x.platform.delays.empty()) << row.chiave;
  }
}

TEST_P(Apply, ALaterApplyWaitsForTheRunningBatchThenGoesAhead) {
  start();
  h.cmdSetta.click();
  h.cmbConnessione.pick(1);
  h.cmdSetta.click();
  h.platform.wait(ApplyFlow::kPassiAttesa - 2);
  EXPECT_EQ(h.batchRunner.started.size(), 1u);
  h.batchEnds({lanAdapter()});
  EXPECT_EQ(h.batchRunner.started.size(), 2u);
  EXPECT_NE(h.batch().find("dhcp"), std::string::npos);
  EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_P(Apply, ALaterApplyGivesUpWhileAnEarlierBatchStillHoldsTheFile) {
  start();
  h.cmdSetta.click();
  h.cmbConnessione.pick(1);
  h.cmdSetta.click();
  h.platform.wait(ApplyFlow::kPassiAttesa);
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>{text("APPLYBUSY")});
  EXPECT_EQ(h.batchRunner.started.size(), 1u);
  EXPECT_NE(h.batch().find("Ufficio"), std::string::npos);

  Harness other;  // the batch file held by another Veltrano, let go in time or not
  other.withProfile(profile({dhcpConn("Casa")}, GetParam()));
  other.start();
  other.batchRunner.writeResult = WriteResult::Busy;
  other.cmdSetta.click();
  other.platform.wait(ApplyFlow::kPassiAttesa - 1);
  other.batchRunner.writeResult = WriteResult::Written;
  other.platform.wait();
  EXPECT_EQ(other.batchRunner.started.size(), 1u);
  other.batchRunner.writeResult = WriteResult::Busy;
  other.adapters.adapters->front().dhcp = true;
  other.batchRunner.runs = false;
  other.cmdSetta.click();
  other.platform.wait(ApplyFlow::kPassiAttesa);
  EXPECT_EQ(other.batchRunner.started.size(), 1u);
  EXPECT_EQ(other.boxTexts(), std::vector<std::string>{text("APPLYBUSY")});
}

// What the program finds once the batch has ended, and what it then tells.
struct AfterBatch {
  int connection;  // 0: static 10.0.0.5/24 via 10.0.0.1, DNS 10.0.0.2; 1: DHCP
  std::optional<std::vector<NetworkAdapter>> adapters;
  std::vector<Motivo> told;
  bool ends = true;
};

NetworkAdapter lanWith(std::function<void(NetworkAdapter&)> change) {
  NetworkAdapter lan = lanAdapter();
  change(lan);
  return lan;
}

TEST_P(Apply, TheAdapterIsReadBackOnceTheBatchHasEndedAndOnlyADifferenceIsTold) {
  using State = IPv4Address::State;
  const std::vector<AfterBatch> rows = {
      {0, {{lanWith([](auto& a) { a.name = "lan"; })}}, {}},
      {0,
       {{lanWith([](auto& a) { a.addresses[0].address = "10.0.0.6"; })}},
       {{"VERIFYNOTSET", "IP", "10.0.0.5/24"}}},
      {0,
       {{lanWith([](auto& a) { a.addresses[0].prefixLength = 16; })}},
       {{"VERIFYNOTSET", "IP", "10.0.0.5/24"}}},
      {0,
       {{lanWith([](auto& a) { a.addresses[0].state = State::Duplicate; })}},
       {{"VERIFYDUPLICATE", "", "10.0.0.5"}}},
      {0, {{lanWith([](auto& a) { a.addresses[0].state = State::Tentative; })}}, {}},
      {0,
       {{lanWith([](auto& a) {
         a.gateways.clear();
         a.dnsServers = {"10.0.0.3"};
       })}},
       {{"VERIFYNOTSET", "GATEWAY", "10.0.0.1"}, {"VERIFYNOTSET", "DNS", "10.0.0.2"}}},
      {0, {{lanWith([](auto& a) { a.name = "Ethernet"; })}}, {{"VERIFYNOADAPTER", "", "LAN"}}},
      {0, std::nullopt, {{"VERIFYUNCHECKED", "", ""}}},
      {0, {{lanAdapter()}}, {{"VERIFYUNCHECKED", "", ""}}, false},
      {1, {{lanAdapter()}}, {{"VERIFYNODHCP", "", ""}}},
      {1,
       {{lanWith([](auto& a) {
         a.dhcp = true;
         a.addresses.clear();
       })}},
       {}},
  };
  for (const auto& row : rows) {
    Harness x;
    x.withProfile(profile({staticConn("Ufficio", "10.0.0.5"), dhcpConn("Casa")}, GetParam()));
    x.start();
    x.cmbConnessione.pick(row.connection);
    if (!row.adapters) {
      x.adapters.adapters.reset();  // unreadable before the batch too: it goes ahead all the same
    }
    x.cmdSetta.click();
    const int steps = row.ends ? ApplyFlow::kPassiVerifica - 1 : ApplyFlow::kPassiEsecuzione;
    x.batchRunner.runs = !row.ends;
    x.adapters.adapters = row.adapters;
    x.platform.wait(steps);
    EXPECT_TRUE(x.dialogs.boxes.empty()) << "told before the adapter had its time to settle";
    x.platform.wait(2);
    std::vector<std::string> expected;
    if (!row.told.empty()) {
      std::string message = componi(x.text("NOTAPPLIED", GetParam()), {x.cmbConnessione.text()});
      for (const Motivo& m : row.told) {
        EXPECT_NE(x.boxTexts().at(0).find(m.valore), std::string::npos) << m.chiave;
        message += "\r\n- " + componi(x.text(m.chiave, GetParam()),
                                      m.campo.empty() ? std::vector<std::string>{m.valore}
                                                      : std::vector<std::string>{
                                                            x.text(m.campo, GetParam()), m.valore});
      }
      expected.push_back(message);
    }
    EXPECT_EQ(x.boxTexts(), expected) << row.connection << " " << row.told.size();
    EXPECT_TRUE(x.platform.delays.empty());
  }
}

TEST_P(Apply, SettingsOffersTheMachinesAdaptersAndStoresThePlainNameTyped) {
  start();
  NetworkAdapter wifi{"Wi-Fi", false, true, {{"192.168.1.9", 24}}, {}, {}};
  h.adapters.adapters->push_back(wifi);
  h.cmdNuova.click();
  h.txtIP.type("1.2.3.4");
  h.dialogs.typed = {"  Wi-Fi  ", "", "   "};
  h.cmdSettings.click();
  ASSERT_EQ(h.dialogs.choices.size(), 2u);
  EXPECT_EQ(h.dialogs.choices[0].text + h.dialogs.choices[0].detail, "LAN10.0.0.5");
  EXPECT_EQ(h.dialogs.choices[1].text + h.dialogs.choices[1].detail, "Wi-FiDHCP");
  EXPECT_EQ(h.dialogs.boxes[0].text, text("INSINTERFACE"));
  EXPECT_EQ(h.dialogs.boxes[0].title, "Veltrano");
  EXPECT_EQ(h.dialogs.boxes[0].initialText, "LAN");
  const std::string stored = h.ini();
  EXPECT_EQ(stored.substr(0, 7), "Wi-Fi\r\n");
  h.cmdSettings.click();
  EXPECT_EQ(h.ini(), stored);
  EXPECT_EQ(h.dialogs.boxes[1].initialText, "Wi-Fi");
  h.cmdSettings.click();
  EXPECT_EQ(h.ini().substr(0, 2), "\r\n");
  EXPECT_EQ(h.txtIP.value, "1.2.3.4");
  EXPECT_TRUE(h.txtConnessione.visible);
}

}  // namespace
}  // namespace veltrano::fake
