// Applying what the window shows: the checks before anything is written, the batch and the
// proxy, one batch at a time, the adapter read back once the batch has ended, and Settings.
#include <gtest/gtest.h>

#include "apply/registry_writes.h"
#include "fake/window_harness.h"

namespace veltrano::fake {
namespace {

using H = Harness;
using Adapters = std::vector<NetworkAdapter>;
const std::vector<Conn> kTwo = {staticConn("Ufficio", "10.0.0.5"), proxyConn("Casa", "px", "80")};

struct Apply : ::testing::TestWithParam<std::string> {
  void start(Harness& x, const std::string& adapter = "LAN") const {
    x.withProfile(profile(kTwo, GetParam(), adapter));
    x.start();
  }
  std::string text(const std::string& chiave, std::vector<std::string> args = {}) const {
    return componi(h.text(chiave, GetParam()), args);
  }
  Harness h;
};
INSTANTIATE_TEST_SUITE_P(BothLanguages, Apply, ::testing::Values("IT", "IN"));

TEST_P(Apply, WritesTheBatchStartsItThenSetsTheProxyAndSaysNothingWhenTheAdapterIsAsAsked) {
  start(h);
  h.cmdSetta.click();
  EXPECT_EQ(
      h.batch(),
      lines({"rem setting connessione Ufficio",
             "netsh interface ip set address \"LAN\" static 10.0.0.5 255.255.255.0 10.0.0.1 1",
             "netsh interface ip set dns \"LAN\" static 10.0.0.2"}));
  EXPECT_EQ(h.batchRunner.started, std::vector<std::string>{H::kBatch});
  h.batchEnds(Adapters{lanAdapter()});
  run(h, {pick(&H::cmbConnessione, 1), type(&H::txtProxyPort, "8080"), click(&H::cmdSetta)});
  EXPECT_EQ(h.batch(),
            lines({"rem setting connessione Casa", "netsh interface ip set address \"LAN\" dhcp",
                   "netsh interface ip set dns \"LAN\" dhcp"}));
  std::vector<std::string> writes;
  for (const RegistryWrite& w : h.registry.writes) {
    EXPECT_EQ(w.keyPath, kInternetSettings);
    writes.push_back(w.valueName + "=" + std::to_string(w.type) + ":" +
                     std::string(w.data.begin(), w.data.end()));
  }
  EXPECT_EQ(writes, (std::vector<std::string>{std::string("ProxyEnable=4:\0\0\0\0", 18),
                                              std::string("ProxyEnable=4:\1\0\0\0", 18),
                                              std::string("ProxyServer=1:px:8080\0", 22),
                                              std::string("ProxyOverride=1:<local>\0", 24)}));
  EXPECT_EQ(h.platform.settingsNotices, 2);
  EXPECT_EQ(h.ini(), profile(kTwo, GetParam()));
  EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_P(Apply, UnsavedEditsAreAppliedAndAnEmptyGatewayOrDnsIsNone) {
  start(h);
  run(h, {type(&H::txtIP, "192.168.1.7"), type(&H::txtGateway, ""), type(&H::txtDNS, ""),
          click(&H::cmdSetta)});
  EXPECT_EQ(h.batch(),
            lines({"rem setting connessione Ufficio",
                   "netsh interface ip set address \"LAN\" static 192.168.1.7 255.255.255.0 none",
                   "netsh interface ip set dns \"LAN\" static none"}));
}

TEST_P(Apply, RefusesWhatNetshOrTheRegistryCouldNotTakeBeforeWritingAnything) {
  const std::string ip = h.text("IP", GetParam()), mask = h.text("MASK", GetParam());
  const std::vector<Step> proxy = {pick(&H::cmbUseProxy, 0), type(&H::txtProxyPort, "80")};
  const struct {
    std::string adapter;
    std::vector<Step> steps;
    std::string message;
  } rows[] = {
      {"LAN", {type(&H::txtIP, "1.2.3")}, text("BADADDRESS", {ip, "1.2.3"})},
      {"LAN", {type(&H::txtIP, "")}, text("BADADDRESS", {ip, ""})},
      {"LAN", {type(&H::txtMask, "255.0.255.0")}, text("BADADDRESS", {mask, "255.0.255.0"})},
      {"LAN",
       {type(&H::txtGateway, "10.0.0.01")},
       text("BADADDRESS", {h.text("GATEWAY", GetParam()), "10.0.0.01"})},
      {"LAN",
       {type(&H::txtDNS, " 10.0.0.2")},
       text("BADADDRESS", {h.text("DNS", GetParam()), " 10.0.0.2"})},
      {"LAN", {proxy[0], proxy[1], type(&H::txtProxy, "proxy.Ω")}, text("NOCODEPAGE")},
      {"LAN", {proxy[0], proxy[1], type(&H::txtProxy, "proxy\t")}, text("NOLINEBREAK")},
      {"   ", {}, text("NOINTERFACE")},
      {"LAN\\", {}, text("BATCHCHARS")},
      {"LAN\"", {}, text("BATCHCHARS")},
      {std::string(256, 'L'), {}, text("BATCHTOOLONG")},
      {"WLAN", {}, text("UNKNOWNADAPTER", {"WLAN", "\"LAN\""})},
  };
  for (const auto& row : rows) {
    Harness x;
    start(x, row.adapter);
    run(x, row.steps);
    x.cmdSetta.click();
    EXPECT_EQ(x.boxTexts(), std::vector<std::string>{row.message});
    EXPECT_TRUE(x.batch().empty() && x.batchRunner.started.empty() && x.registry.writes.empty())
        << row.message;
  }
}

TEST_P(Apply, NoToTheAdministratorPromptOrAFailedStartOrWriteSetsNoProxy) {
  const std::tuple<WriteResult, StartResult, std::string> rows[] = {
      {WriteResult::Written, StartResult::Declined, ""},
      {WriteResult::Written, StartResult::Failed, "NOBATCHSTART"},
      {WriteResult::Failed, StartResult::Started, "NOBATCHFILE"}};
  for (const auto& [write, start_, chiave] : rows) {
    Harness x;
    start(x);
    x.batchRunner.writeResult = write;
    x.batchRunner.startResult = start_;
    run(x, {pick(&H::cmbConnessione, 1), click(&H::cmdSetta)});
    EXPECT_EQ(x.boxTexts(),
              chiave.empty() ? std::vector<std::string>{} : std::vector<std::string>{text(chiave)});
    EXPECT_TRUE(x.registry.writes.empty() && x.platform.delays.empty()) << chiave;
  }
}

TEST_P(Apply, ALaterApplyWaitsForTheBatchBeforeItThenGoesAheadOrGivesUp) {
  start(h);
  run(h, {click(&H::cmdSetta), pick(&H::cmbConnessione, 1), click(&H::cmdSetta)});
  h.platform.wait(ApplyFlow::kPassiAttesa - 2);
  EXPECT_EQ(h.batchRunner.started.size(), 1u);
  h.batchEnds(Adapters{lanAdapter()});  // the first is as asked; the second is written and started
  EXPECT_EQ(h.batchRunner.started.size(), 2u);
  EXPECT_NE(h.batch().find("dhcp"), std::string::npos);
  EXPECT_TRUE(h.dialogs.boxes.empty());
  run(h, {pick(&H::cmbConnessione, 0), click(&H::cmdSetta)});
  h.platform.wait(ApplyFlow::kPassiAttesa);
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>{text("APPLYBUSY")});
  EXPECT_NE(h.batch().find("dhcp"), std::string::npos);

  Harness other;  // the batch file held by another Veltrano, let go in time or not
  start(other);
  other.batchRunner.writeResult = WriteResult::Busy;
  other.cmdSetta.click();
  other.platform.wait(ApplyFlow::kPassiAttesa - 1);
  other.batchRunner.writeResult = WriteResult::Written;
  other.batchEnds(Adapters{lanAdapter()}, 2);
  other.batchRunner.writeResult = WriteResult::Busy;
  other.cmdSetta.click();
  other.platform.wait(ApplyFlow::kPassiAttesa);
  EXPECT_EQ(other.batchRunner.started.size(), 1u);
  EXPECT_EQ(other.boxTexts(), std::vector<std::string>{text("APPLYBUSY")});
}

NetworkAdapter lanWith(std::function<void(NetworkAdapter&)> change) {
  NetworkAdapter lan = lanAdapter();
  change(lan);
  return lan;
}

// What the program finds once the batch has ended, and what it then tells.
TEST_P(Apply, TheAdapterIsReadBackOnceTheBatchHasEndedAndOnlyADifferenceIsTold) {
  using State = IPv4Address::State;
  const std::string lineIP =
      "\r\n- " + text("VERIFYNOTSET", {h.text("IP", GetParam()), "10.0.0.5/24"});
  const struct {
    int pick;  // 0: static 10.0.0.5/24 via 10.0.0.1, DNS 10.0.0.2; 1: DHCP
    std::optional<Adapters> after;
    std::string told;  // the lines after the first
    bool ends = true;
    std::vector<Step> edit = {};
  } rows[] = {
      {0, Adapters{lanWith([](auto& a) { a.name = "lan"; })}, ""},
      {0, Adapters{lanWith([](auto& a) { a.addresses[0].state = State::Tentative; })}, ""},
      {0,
       Adapters{lanWith([](auto& a) { a.gateways.clear(), a.dnsServers.clear(); })},
       "",
       true,
       {type(&H::txtGateway, ""), type(&H::txtDNS, "")}},
      {0, Adapters{lanWith([](auto& a) { a.addresses[0].address = "10.0.0.6"; })}, lineIP},
      {0, Adapters{lanWith([](auto& a) { a.addresses[0].prefixLength = 16; })}, lineIP},
      {0, Adapters{lanWith([](auto& a) { a.addresses[0].state = State::Duplicate; })},
       "\r\n- " + text("VERIFYDUPLICATE", {"10.0.0.5"})},
      {0, Adapters{lanWith([](auto& a) { a.gateways.clear(), a.dnsServers = {"10.0.0.3"}; })},
       "\r\n- " + text("VERIFYNOTSET", {h.text("GATEWAY", GetParam()), "10.0.0.1"}) + "\r\n- " +
           text("VERIFYNOTSET", {h.text("DNS", GetParam()), "10.0.0.2"})},
      {0, Adapters{lanWith([](auto& a) { a.name = "Ethernet"; })},
       "\r\n- " + text("VERIFYNOADAPTER", {"LAN"})},
      {0, std::nullopt, "\r\n- " + text("VERIFYUNCHECKED")},
      {0, Adapters{lanAdapter()}, "\r\n- " + text("VERIFYUNCHECKED"), false},
      {1, Adapters{lanAdapter()}, "\r\n- " + text("VERIFYNODHCP")},
      {1, Adapters{lanWith([](auto& a) { a.dhcp = true, a.addresses.clear(); })}, ""},
  };
  for (const auto& row : rows) {
    Harness x;
    start(x);
    x.cmbConnessione.pick(row.pick);
    run(x, row.edit);
    if (!row.after) {
      x.adapters.adapters.reset();  // unreadable before the batch too: it goes ahead all the same
    }
    x.cmdSetta.click();
    if (row.ends) {
      x.batchEnds(row.after, ApplyFlow::kPassiVerifica - 1);
    } else {
      x.platform.wait(ApplyFlow::kPassiEsecuzione);
    }
    EXPECT_TRUE(x.dialogs.boxes.empty()) << "told before the adapter had its time to settle";
    x.platform.wait(2);
    const std::string head = text("NOTAPPLIED", {x.cmbConnessione.text()});
    EXPECT_EQ(x.boxTexts(), row.told.empty() ? std::vector<std::string>{}
                                             : std::vector<std::string>{head + row.told});
    EXPECT_TRUE(x.platform.delays.empty());
  }
}

TEST_P(Apply, SettingsOffersTheMachinesAdaptersAndStoresThePlainNameTyped) {
  start(h);
  h.adapters.adapters->push_back({"Wi-Fi", false, true, {{"192.168.1.9", 24}}, {}, {}});
  run(h, {newConnection("Hotel"), typeIn("  Wi-Fi  "), click(&H::cmdSettings)});
  ASSERT_EQ(h.dialogs.choices.size(), 2u);
  EXPECT_EQ(h.dialogs.choices[0].text + h.dialogs.choices[0].detail, "LAN10.0.0.5");
  EXPECT_EQ(h.dialogs.choices[1].text + h.dialogs.choices[1].detail, "Wi-FiDHCP");
  EXPECT_EQ(h.dialogs.boxes[0].text + h.dialogs.boxes[0].title, text("INSINTERFACE") + "Veltrano");
  EXPECT_EQ(h.dialogs.boxes[0].initialText, "LAN");
  const std::string stored = h.ini();
  EXPECT_EQ(stored, profile(kTwo, GetParam(), "Wi-Fi"));
  run(h, {typeIn(""), click(&H::cmdSettings)});
  EXPECT_EQ(h.ini(), stored);
  EXPECT_EQ(h.dialogs.boxes[1].initialText, "Wi-Fi");
  run(h, {typeIn("   "), click(&H::cmdSettings)});
  EXPECT_EQ(h.ini(), profile(kTwo, GetParam(), ""));
  EXPECT_EQ(h.screen(), "new:Hotel | no 10.1.1.1    | no (NO PROXY) (NO PROXY) | NV");
}

}  // namespace
}  // namespace veltrano::fake
