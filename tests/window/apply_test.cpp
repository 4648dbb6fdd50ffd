// Applying what the window shows: the checks before anything is written, the batch and the
// proxy, one batch at a time, the adapter read back once the batch has ended, and Settings.
#include <gtest/gtest.h>

#include "apply/registry_writes.h"
#include "fake/window_harness.h"

namespace veltrano::fake {
namespace {

using H = Harness;
using Adapters = std::vector<NetworkAdapter>;
struct Apply : BothLanguages {};
INSTANTIATE_TEST_SUITE_P(BothLanguages, Apply, ::testing::Values("IT", "IN"));

std::string batch(const std::string& name, const std::string& address, const std::string& dns) {
  return lines({"rem setting connessione " + name,
                "netsh interface ip set address \"LAN\" " + address,
                "netsh interface ip set dns \"LAN\" " + dns});
}

TEST_P(Apply, WritesTheBatchStartsItThenSetsTheProxyAndSaysNothingWhenTheAdapterIsAsAsked) {
  h.cmdSetta.click();
  EXPECT_EQ(h.batch(),
            batch("Ufficio", "static 10.0.0.5 255.255.255.0 10.0.0.1 1", "static 10.0.0.2"));
  EXPECT_EQ(h.batchRunner.started, std::vector<std::string>{H::kBatch});
  h.batchEnds(Adapters{kLan});
  run(h, {type(&H::txtGateway, ""), type(&H::txtDNS, ""), click(&H::cmdSetta)});  // unsaved edits
  EXPECT_EQ(h.batch(), batch("Ufficio", "static 10.0.0.5 255.255.255.0 none", "static none"));
  h.batchEnds(Adapters{kLan});
  run(h, {pick(&H::cmbConnessione, 1), type(&H::txtProxyPort, "8080"), click(&H::cmdSetta)});
  EXPECT_EQ(h.batch(), batch("Casa", "dhcp", "dhcp"));
  EXPECT_EQ(h.registry.writes,
            std::string("ProxyEnable 4 \0\0\0\0;ProxyEnable 4 \0\0\0\0;ProxyEnable 4 "
                        "\1\0\0\0;ProxyServer 1 px:8080\0;ProxyOverride 1 <local>\0;",
                        105));
  EXPECT_EQ(h.platform.settingsNotices, 3);
  EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_P(Apply, RefusesWhatNetshOrTheRegistryCouldNotTakeBeforeWritingAnything) {
  const auto bad = [&](const std::string& label, const std::string& value) {
    return text("BADADDRESS", {h.text(label, GetParam()), value});
  };
  const std::vector<Step> proxy = {pick(&H::cmbUseProxy, 0), type(&H::txtProxyPort, "80")};
  const std::tuple<std::string, std::vector<Step>, std::string> rows[] = {
      {"LAN", {type(&H::txtIP, "1.2.3")}, bad("IP", "1.2.3")},
      {"LAN", {type(&H::txtMask, "255.0.255.0")}, bad("MASK", "255.0.255.0")},
      {"LAN", {type(&H::txtGateway, "10.0.0.01")}, bad("GATEWAY", "10.0.0.01")},
      {"LAN", {type(&H::txtDNS, " 10.0.0.2")}, bad("DNS", " 10.0.0.2")},
      {"LAN", {proxy[0], proxy[1], type(&H::txtProxy, "proxy.Ω")}, text("NOCODEPAGE")},
      {"LAN", {proxy[0], proxy[1], type(&H::txtProxy, "proxy\t")}, text("NOLINEBREAK")},
      {"   ", {}, text("NOINTERFACE")},
      {"LAN\\", {}, text("BATCHCHARS")},
      {std::string(256, 'L'), {}, text("BATCHTOOLONG")},
      {"WLAN", {}, text("UNKNOWNADAPTER", {"WLAN", "\"LAN\""})},
  };
  for (const auto& [adapter, steps, message] : rows) {
    Harness x(file(kTwo, adapter));
    run(x, steps);
    x.cmdSetta.click();
    EXPECT_EQ(x.boxTexts(), std::vector<std::string>{message});
    EXPECT_TRUE(x.batch().empty() && x.batchRunner.started.empty() && x.registry.writes.empty());
  }
  const std::tuple<WriteResult, StartResult, std::string> failures[] = {
      {WriteResult::Written, StartResult::Declined, ""},  // no to the administrator prompt
      {WriteResult::Written, StartResult::Failed, text("NOBATCHSTART")},
      {WriteResult::Failed, StartResult::Started, text("NOBATCHFILE")}};
  for (const auto& [write, started, message] : failures) {
    Harness x(file());
    x.batchRunner.writeResult = write, x.batchRunner.startResult = started;
    run(x, {pick(&H::cmbConnessione, 1), click(&H::cmdSetta)});
    EXPECT_EQ(x.boxTexts(), message.empty() ? std::vector<std::string>{} : std::vector{message});
    EXPECT_TRUE(x.registry.writes.empty() && x.platform.delays.empty()) << message;
  }
}

TEST_P(Apply, ALaterApplyWaitsForTheBatchBeforeItThenGoesAheadOrGivesUp) {
  run(h, {click(&H::cmdSetta), pick(&H::cmbConnessione, 1), click(&H::cmdSetta)});
  h.platform.wait(ApplyFlow::kPassiAttesa - 2);
  EXPECT_EQ(h.batchRunner.started.size(), 1u);
  h.batchEnds(Adapters{kLan});  // the first is as asked; the second is written and started
  EXPECT_EQ(h.batchRunner.started.size(), 2u);
  run(h, {pick(&H::cmbConnessione, 0), click(&H::cmdSetta)});
  h.platform.wait(ApplyFlow::kPassiAttesa);
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>{text("APPLYBUSY")});
  EXPECT_EQ(h.batch(), batch("Casa", "dhcp", "dhcp"));

  Harness other(file());  // the batch file held by another Veltrano for too long
  other.batchRunner.writeResult = WriteResult::Busy;
  other.cmdSetta.click();
  other.platform.wait(ApplyFlow::kPassiAttesa);
  EXPECT_EQ(other.batchRunner.started.size() + other.registry.writes.size(), 0u);
  EXPECT_EQ(other.boxTexts(), std::vector<std::string>{text("APPLYBUSY")});
}

// The adapter "LAN" as the system shows it once the batch has ended.
struct Seen {
  std::string name = "LAN";
  std::vector<IPv4Address> addresses = {{"10.0.0.5", 24}};
  std::vector<std::string> gateways = {"10.0.0.1"}, dns = {"10.0.0.2"};
  bool dhcp = false;
};

TEST_P(Apply, TheAdapterIsReadBackOnceTheBatchHasEndedAndOnlyADifferenceIsTold) {
  using State = IPv4Address::State;
  const auto line = [&](const std::string& chiave, std::vector<std::string> args) {
    return "\r\n- " + text(chiave, args);
  };
  const std::string ip = line("VERIFYNOTSET", {h.text("IP", GetParam()), "10.0.0.5/24"});
  const std::tuple<int, std::optional<Seen>, std::string> rows[] = {
      // 0: static, 1: DHCP
      {0, Seen{.name = "lan"}, ""},
      {0, Seen{.addresses = {{"10.0.0.5", 24, State::Tentative}}}, ""},
      {0, Seen{.addresses = {{"10.0.0.6", 24}}}, ip},
      {0, Seen{.addresses = {{"10.0.0.5", 16}}}, ip},
      {0, Seen{.addresses = {{"10.0.0.5", 24, State::Duplicate}}},
       line("VERIFYDUPLICATE", {"10.0.0.5"})},
      {0, Seen{.gateways = {}, .dns = {"10.0.0.3"}},
       line("VERIFYNOTSET", {h.text("GATEWAY", GetParam()), "10.0.0.1"}) +
           line("VERIFYNOTSET", {h.text("DNS", GetParam()), "10.0.0.2"})},
      {0, Seen{.name = "Ethernet"}, line("VERIFYNOADAPTER", {"LAN"})},
      {0, std::nullopt, line("VERIFYUNCHECKED", {})},
      {2, Seen{}, line("VERIFYUNCHECKED", {})},  // the batch never ends
      {3, Seen{.gateways = {}, .dns = {}}, ""},  // none asked: none looked for
      {1, Seen{}, line("VERIFYNODHCP", {})},
      {1, Seen{.addresses = {}, .dhcp = true}, ""},
  };
  for (const auto& [kind, seen, told] : rows) {
    Harness x(file());
    run(x, kind == 3 ? std::vector{type(&H::txtGateway, ""), type(&H::txtDNS, "")}
                     : std::vector{pick(&H::cmbConnessione, kind % 2)});
    if (!seen) {
      x.adapters.adapters.reset();  // unreadable before the batch too: it goes ahead all the same
    }
    x.cmdSetta.click();
    x.batchEnds(seen ? std::optional(Adapters{{seen->name, false, seen->dhcp, seen->addresses,
                                               seen->gateways, seen->dns}})
                     : std::nullopt,
                kind == 2 ? 0 : ApplyFlow::kPassiVerifica - 1);
    x.batchRunner.runs = kind == 2;
    x.platform.wait(kind == 2 ? ApplyFlow::kPassiEsecuzione : 0);
    EXPECT_TRUE(x.dialogs.boxes.empty()) << "told before the adapter had its time to settle";
    x.platform.wait(2);
    const std::string head = text("NOTAPPLIED", {x.cmbConnessione.text()});
    EXPECT_EQ(x.boxTexts(), told.empty() ? std::vector<std::string>{} : std::vector{head + told});
    EXPECT_TRUE(x.platform.delays.empty());
  }
}

TEST_P(Apply, SettingsOffersTheMachinesAdaptersAndStoresThePlainNameTyped) {
  h.adapters.adapters->push_back({"Wi-Fi", false, true, {{"192.168.1.9", 24}}, {}, {}});
  run(h, {newConnection("Hotel"), typeIn("  Wi-Fi  "), click(&H::cmdSettings), typeIn(""),
          click(&H::cmdSettings)});
  std::string shown;
  for (const ListChoice& choice : h.dialogs.choices) {
    shown += choice.text + " " + choice.detail + ";";
  }
  EXPECT_EQ(shown, "LAN 10.0.0.5;Wi-Fi DHCP;");
  EXPECT_EQ(h.dialogs.boxes[0].text + h.dialogs.boxes[0].title + h.dialogs.boxes[0].initialText +
                h.dialogs.boxes[1].initialText,
            text("INSINTERFACE") + "VeltranoLANWi-Fi");
  EXPECT_EQ(h.ini(), profile(kTwo, GetParam(), "Wi-Fi"));
  run(h, {typeIn("   "), click(&H::cmdSettings)});
  EXPECT_EQ(h.ini(), profile(kTwo, GetParam(), ""));
  EXPECT_EQ(h.screen(), "new:Hotel | no 10.1.1.1    | no (NO PROXY) (NO PROXY) | NV");
}

}  // namespace
}  // namespace veltrano::fake
