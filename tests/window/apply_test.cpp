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
  NetworkAdapter bare = kLan;
  bare.gateways.clear(), bare.dnsServers.clear();
  h.batchEnds(Adapters{bare});
  run(h, {type(&H::txtDNS, " 10.0.0.2 ;10.0.0.3, 10.0.0.4"), click(&H::cmdSetta)});
  EXPECT_EQ(h.batch(), batch("Ufficio", "static 10.0.0.5 255.255.255.0 none", "static 10.0.0.2") +
                           lines({"netsh interface ip add dns \"LAN\" 10.0.0.3 index=2",
                                  "netsh interface ip add dns \"LAN\" 10.0.0.4 index=3"}));
  bare.dnsServers = {"10.0.0.2", "10.0.0.3", "10.0.0.4"};
  h.batchEnds(Adapters{bare});
  run(h, {pick(&H::cmbConnessione, 1), type(&H::txtProxyPort, "8080"), click(&H::cmdSetta)});
  EXPECT_EQ(h.batch(), batch("Casa", "dhcp", "dhcp"));
  EXPECT_EQ(h.registry.writes,
            std::string("ProxyEnable 4 \0\0\0\0;ProxyEnable 4 \0\0\0\0;ProxyEnable 4 \0\0\0\0;"
                        "ProxyEnable 4 \1\0\0\0;ProxyServer 1 px:8080\0;ProxyOverride 1 <local>\0;",
                        124));
  EXPECT_EQ(h.platform.settingsNotices, 4);
  EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_P(Apply, RefusesWhatNetshOrTheRegistryCouldNotTakeBeforeWritingAnything) {
  const auto bad = [&](const std::string& key, const std::string& label, const std::string& value) {
    return text(key, {h.text(label, GetParam()), value});
  };
  const Step proxy = [](H& x) { run(x, {pick(&H::cmbUseProxy, 0), type(&H::txtProxyPort, "80")}); };
  const std::string wide =
      std::string(200, 'L') + "ùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùùù";
  const std::tuple<std::string, std::vector<Step>, std::string> rows[] = {
      {"LAN", {type(&H::txtIP, "1.2.3")}, bad("BADADDRESS", "IP", "1.2.3")},
      {"LAN", {type(&H::txtMask, "255.0.255.0")}, bad("BADADDRESS", "MASK", "255.0.255.0")},
      {"LAN", {type(&H::txtGateway, "10.0.0.01")}, bad("BADADDRESS", "GATEWAY", "10.0.0.01")},
      {"LAN", {type(&H::txtDNS, " 10.0.0.2 ; 10.0.0.256")}, bad("BADADDRESS", "DNS", "10.0.0.256")},
      {"LAN",
       {type(&H::txtDNS, "1.1.1.1,2.2.2.2,3.3.3.3,4.4.4.4;5.5.5.5")},
       bad("TOOMANYDNS", "DNS", "1.1.1.1,2.2.2.2,3.3.3.3,4.4.4.4;5.5.5.5")},
      {"LAN", {proxy, type(&H::txtProxy, "proxy.Ω")}, bad("BADPROXY", "SERVERPROXY", "proxy.Ω")},
      {"LAN", {proxy, type(&H::txtProxy, "px\t")}, bad("BADPROXY", "SERVERPROXY", "px\t")},
      {"LAN",
       {proxy, type(&H::txtProxy, "px"), type(&H::txtProxyPort, "80a")},
       bad("BADPROXY", "PROXYPORT", "80a")},
      {"   ", {}, text("NOINTERFACE")},
      {"LAN\\", {}, text("BATCHCHARS")},
      {std::string(256, 'L'), {}, text("BATCHTOOLONG")},
      {wide, {}, text("UNKNOWNADAPTER", {wide, "\"LAN\""})},  // 255 characters, not bytes
      {"WLAN", {}, text("UNKNOWNADAPTER", {"WLAN", "\"LAN\""})},
      {"V%OS%x", {}, text("BATCHFOLDER", {"C:\\V%OS%x\\"})},  // a folder cmd would expand
  };
  for (const auto& [adapter, steps, message] : rows) {
    Harness x;
    x.platform.folder = adapter == "V%OS%x" ? "C:\\V%OS%x" : H::kFolder;
    x.files.files[x.platform.folder + "\\velt2.ini"] =
        *windows1252().fromUtf8(file(kTwo, adapter == "V%OS%x" ? "LAN" : adapter));
    x.start();
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

// Set Connection waits for its own apply to end, so a second click cannot queue another; one
// from another Veltrano whose batch still holds the file waits up to 5 s, then gives up.
TEST_P(Apply, OneApplyAtATimeAndTheStatusBarTellsWhereItStands) {
  const auto said = [&](const std::string& key, const std::string& connection) {
    return text(key, {connection, "10:42"});
  };
  h.batchRunner.writeResult = WriteResult::Busy;  // another Veltrano's batch, for 4.75 s
  h.cmdSetta.click();
  h.platform.wait(4500);
  h.batchRunner.writeResult = WriteResult::Written;
  EXPECT_EQ(h.batchRunner.started.size(), 0u);
  EXPECT_EQ(h.barStato.parts[1], "");
  h.platform.wait(250);
  EXPECT_EQ(h.barStato.parts[1], said("STATUSRUNNING", "Ufficio"));
  run(h, {pick(&H::cmbConnessione, 1), click(&H::cmdSetta)});  // disabled: nothing
  EXPECT_EQ(h.screen(), "Ufficio,[Casa] | yes (DHCP) (DHCP) (DHCP) (DHCP) | yes px 80 | NUVRDL");
  EXPECT_EQ(h.batchRunner.started.size(), 1u);
  NetworkAdapter settling = kLan;
  settling.addresses[0].state = IPv4Address::State::Tentative;
  h.batchEnds(Adapters{settling});
  EXPECT_EQ(h.barStato.parts[1], said("STATUSCHECKING", "Ufficio"));
  h.batchEnds(Adapters{kLan});
  EXPECT_EQ(h.barStato.parts[1], said("STATUSVERIFIED", "Ufficio"));
  EXPECT_TRUE(h.cmdSetta.enabled && h.dialogs.boxes.empty());

  Harness other(file());  // the batch file held by another Veltrano for too long
  other.batchRunner.writeResult = WriteResult::Busy;
  other.cmdSetta.click();
  other.platform.wait(5000);
  EXPECT_EQ(other.batchRunner.started.size() + other.registry.writes.size(), 0u);
  EXPECT_EQ(other.boxTexts(), std::vector<std::string>{text("APPLYBUSY")});
  EXPECT_EQ(other.barStato.parts[1], said("STATUSREFUSED", "Ufficio"));
  EXPECT_TRUE(other.cmdSetta.enabled);
}

// The adapter's part: how it is set now and the stored connection in effect, read again when
// Windows reports a change, at every activation and after each apply, in the window's language.
TEST_P(Apply, TheStatusBarShowsTheAdapterNowAndEachOutcomeNamingTheConnection) {
  NetworkAdapter leased = kLan, unplugged = kLan;
  leased.dhcp = true, leased.staticDnsServers.emplace();
  unplugged.addresses.clear();
  const std::vector<std::string> lan = {"LAN", "10.0.0.5/24", "10.0.0.1", "10.0.0.2"};
  const std::tuple<std::string, std::optional<Adapters>, std::string> rows[] = {
      {"LAN", Adapters{kLan},
       text("STATUSINEFFECT", {"Ufficio"}) + " - " + text("STATUSSTATIC", lan)},
      {"lan", Adapters{leased}, text("STATUSINEFFECT", {"Casa"}) + " - " + text("STATUSDHCP", lan)},
      {"LAN", Adapters{unplugged}, text("STATUSNOTCONNECTED", {"LAN"})},
      {"WLAN", Adapters{kLan}, text("STATUSNOTHERE", {"WLAN"})},
      {"LAN", std::nullopt, text("STATUSUNREADABLE", {"LAN"})},
      {" ", Adapters{kLan}, text("STATUSNOADAPTER")},
  };
  for (const auto& [adapter, seen, said] : rows) {
    Harness x(file(kTwo, adapter));
    x.adapters.adapters = seen;
    x.proxy.shown = ProxyState{adapter == "lan", "px:80", "<local>"};
    x.platform.networkChanged();
    EXPECT_EQ(x.barStato.parts[0], said);
  }
  // Each outcome names the connection, and a language switch tells it again.
  h.batchRunner.startResult = StartResult::Declined;
  run(h, {pick(&H::cmbConnessione, 1), click(&H::cmdSetta)});
  EXPECT_EQ(h.barStato.parts[1], text("STATUSDECLINED", {"Casa"}));
  h.batchRunner.startResult = StartResult::Started;
  h.cmdSetta.click();
  h.batchEnds(Adapters{kLan}, 5000);
  EXPECT_EQ(h.barStato.parts[1], text("STATUSNOTASASKED", {"Casa"}));
  h.cmdLingua.click();
  const std::string other = GetParam() == "IT" ? "IN" : "IT";
  EXPECT_EQ(h.barStato.parts[1], componi(h.text("STATUSNOTASASKED", other), {"Casa"}));
  EXPECT_EQ(h.dialogs.boxes.size(), 1u);
}

// The verdict's rules are the unit tests'; here, when it is given and how it is told.
TEST_P(Apply, TheVerdictWaitsForTheBatchHoweverLongGivesTheAdapterTimeAndTellsEachDifference) {
  using State = IPv4Address::State;
  NetworkAdapter tentative = kLan;
  tentative.addresses[0].state = State::Tentative;
  const std::string ip = h.text("IP", GetParam());
  const auto told = [&](const std::vector<std::string>& lines, const std::string& proxy) {
    std::string message = text("NOTAPPLIED", {"Ufficio"});
    for (const std::string& line : lines) {
      message += "\r\n- " + line;
    }
    return std::vector{message + "\r\n" + proxy};
  };
  const std::tuple<int, std::vector<std::pair<NetworkAdapter, int>>, std::vector<std::string>>
      rows[] = {
          // how long the batch runs, then how the adapter looks for how long (ms), what is told
          {250, {{kLan, 250}}, {}},
          {600000, {{kLan, 250}}, {}},  // ten minutes of netsh
          {250, {{tentative, 4500}, {kLan, 250}}, {}},
          {250, {{tentative, 4750}}, {}},  // not told before the adapter had 5 s
          {250,
           {{tentative, 5000}},
           told({text("VERIFYTENTATIVE", {ip, "10.0.0.5/24"})}, text("PROXYOFF"))},
      };
  for (const auto& [runs, seen, boxes] : rows) {
    Harness x(file());
    x.cmdSetta.click();
    x.platform.wait(runs);
    for (const auto& [adapter, milliseconds] : seen) {
      x.batchEnds(Adapters{adapter}, milliseconds);
    }
    EXPECT_EQ(x.boxTexts(), boxes);
    EXPECT_EQ(x.platform.delays.empty(), seen.back().second != 4750);
  }
}

TEST_P(Apply, AWindowClosedDuringAnApplyShowsNothingMoreAndStartsNothingMore) {
  run(h, {click(&H::cmdSetta), pick(&H::cmbConnessione, 1), click(&H::cmdSetta)});
  h.cmdEsci.click();
  h.batchEnds(Adapters{}, 10000);
  EXPECT_TRUE(h.window.closed && h.dialogs.boxes.empty());
  EXPECT_EQ(h.batchRunner.started.size(), 1u);
}

TEST_P(Apply, SettingsOffersTheMachinesAdaptersAndStoresThePlainNameTyped) {
  h.adapters.adapters->push_back({"Wi-Fi", false, true, {{"192.168.1.9", 24}}, {}, {}, {}});
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
