// A way back: every apply records what the adapter and the proxy had; Restore Previous (or
// /undo) puts it back as an apply of its own; a change made over a remote desktop (or with
// /confirm) is kept only when the user says so, and otherwise put back by the elevated batch.
#include <gtest/gtest.h>

#include "fake/window_harness.h"

namespace veltrano::fake {
namespace {

using H = Harness;
using Adapters = std::vector<NetworkAdapter>;
struct Undo : BothLanguages {};
INSTANTIATE_TEST_SUITE_P(BothLanguages, Undo, ::testing::Values("IT", "IN"));

constexpr const char* kRecord = "C:\\Programmi\\Veltrano\\previoussettings.txt";
constexpr const char* kSignals = "C:\\Programmi\\Veltrano\\lastrevert.";
const std::string kKey =
    "\"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\"";

// The adapter before any apply: on DHCP, with its lease; the proxy on, with no exceptions.
NetworkAdapter leased() {
  return {"LAN", false, true, {{"192.168.1.7", 24}}, {"192.168.1.1"}, {"192.168.1.1"}, {{}}};
}

void before(Harness& x) {
  x.adapters.adapters = Adapters{leased()};
  x.registry.values = {{"ProxyEnable", {4, {1, 0, 0, 1}}},
                       {"ProxyServer", {1, {'o', ':', '1', 0}}}};
}

TEST_P(Undo, EachApplyRecordsWhatWasThereAndRestorePreviousPutsItBackThenForwardAgain) {
  before(h);
  EXPECT_FALSE(h.cmdRipristina.enabled);
  h.cmdSetta.click();
  EXPECT_EQ(h.files.files[kRecord],
            lines({"Veltrano undo 1", "adapter=LAN", "dhcp=1", "dnsdhcp=1",
                   "address=192.168.1.7/24", "gateway=192.168.1.1", "dns=192.168.1.1",
                   "reg=ProxyEnable 4 01000001", "reg=ProxyServer 1 6f3a3100"}));
  h.batchEnds(Adapters{kLan});
  EXPECT_TRUE(h.cmdRipristina.enabled && h.dialogs.boxes.empty());
  h.registry.writes.clear();
  h.cmdRipristina.click();
  EXPECT_FALSE(h.cmdSetta.enabled || h.cmdRipristina.enabled);
  const std::string previous = text("UNDONAME");
  EXPECT_EQ(h.batch(), lines({"rem setting connessione " + previous,
                              "netsh interface ip set address \"LAN\" source=dhcp",
                              "netsh interface ip set dns \"LAN\" source=dhcp"}));
  EXPECT_EQ(h.registry.writes,
            std::string("ProxyEnable 4 \1\0\0\1;ProxyServer 1 o:1\0;ProxyOverride -;", 54));
  h.batchEnds(Adapters{leased()});
  EXPECT_EQ(h.barStato.parts[1], text("STATUSVERIFIED", {previous, "10:42"}));
  h.cmdRipristina.click();  // the record now holds what the first undo left: the office
  EXPECT_EQ(h.batch(), lines({"rem setting connessione " + previous,
                              "netsh interface ip set address \"LAN\" static 10.0.0.5 "
                              "255.255.255.0 10.0.0.1 1",
                              "netsh interface ip set dns \"LAN\" static 10.0.0.2"}));
  h.batchEnds(Adapters{kLan});
  EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_P(Undo, NothingToPutBackOrNoWayToRecordRefusesBeforeAnythingRuns) {
  const std::optional<std::string> records[] = {
      std::nullopt,
      "Veltrano undo 1\r\nadapter=LAN\r\ndhcp=2\r\n",
      "Veltrano undo 1\r\nadapter=LAN\r\ndhcp=0\r\ndnsdhcp=0\r\n",  // no address
      "Veltrano undo 1\r\nadapter=LAN\r\ndhcp=1\r\ndnsdhcp=1\r\nreg=ProxyEnable 99999999999 00\r\n",
      "Veltrano undo 1\r\nadapter=LAN\r\ndhcp=1\r\ndnsdhcp=1\r\nreg=ProxyEnable 4 0\r\n",
      "Veltrano undo 1\r\nadapter=LAN\r\ndhcp=1\r\nnext=1\r\n",  // a key of no record
  };
  for (const auto& record : records) {
    Harness x(file());
    if (record) {
      x.files.files[kRecord] = *record;
    }
    x.cmdRipristina.setEnabled(true);  // as another Veltrano may have left it
    x.cmdRipristina.click();
    EXPECT_EQ(x.boxTexts(), std::vector{text("NORECORD")});
    EXPECT_TRUE(x.batchRunner.started.empty());
  }
  NetworkAdapter unsure = leased();  // on DHCP, with DNS servers from who knows where
  unsure.staticDnsServers.reset();
  for (const auto& seen : {std::optional<Adapters>{}, std::optional{Adapters{unsure}}}) {
    Harness x(file());
    x.adapters.adapters = seen, x.cmdSetta.click();
    EXPECT_EQ(x.boxTexts(), std::vector{text("RECORDFAILED")});
    EXPECT_TRUE(x.batchRunner.started.empty() && x.registry.writes.empty());
  }
}

// Over a remote desktop the change waits to be kept: the elevated batch signals that it waits,
// the box counts down, and unless Keep is pressed the batch puts the record back by itself.
TEST_P(Undo, ARemoteChangeIsKeptOnlyWhenTheUserSaysSo) {
  const std::string name = text("UNDONAME"), folder = std::string(H::kFolder) + "\\";
  const std::tuple<ConfirmAnswer, NetworkAdapter, std::string, std::string> rows[] = {
      // answered, the adapter after, the signal written, and the status
      {ConfirmAnswer::Keep, kLan, "keep", text("STATUSVERIFIED", {"Ufficio", "10:42"})},
      {ConfirmAnswer::Revert, leased(), "now", text("STATUSREVERTED", {"Ufficio"})},
      {ConfirmAnswer::Timeout, leased(), "", text("STATUSREVERTED", {"Ufficio"})},
      {ConfirmAnswer::Timeout, kLan, "", text("STATUSNOTASASKED", {"Ufficio"})},  // not put back
  };
  for (const auto& [answer, after, signal, status] : rows) {
    Harness x(file());
    before(x);
    x.platform.remote = true;
    x.files.files[std::string(kSignals) + "keep"] = "left by an earlier run";
    x.cmdSetta.click();
    EXPECT_EQ(x.batchRunner.started,
              std::vector{std::string(H::kBatch) + "&" + folder + "lastrevert.bat"});
    EXPECT_EQ(x.files.files.count(std::string(kSignals) + "keep"), 0u);
    EXPECT_EQ(x.files.files[folder + "lastrevert.bat"],
              lines({"rem putting back " + name + " unless kept",
                     "echo.>\"" + folder + "lastrevert.wait\"", "set /a veltrano_secondi=0",
                     ":veltrano_attesa", "if exist \"" + folder + "lastrevert.keep\" goto :eof",
                     "if exist \"" + folder + "lastrevert.now\" goto veltrano_ripristino",
                     "ping -n 2 127.0.0.1>nul", "set /a veltrano_secondi+=1",
                     "if %veltrano_secondi% lss 60 goto veltrano_attesa", ":veltrano_ripristino",
                     "netsh interface ip set address \"LAN\" source=dhcp",
                     "netsh interface ip set dns \"LAN\" source=dhcp",
                     "reg add " + kKey + " /v ProxyEnable /t REG_DWORD /d 16777217 /f>nul",
                     "reg add " + kKey + " /v ProxyServer /t REG_SZ /d \"o:1\" /f>nul",
                     "reg delete " + kKey + " /v ProxyOverride /f>nul 2>nul"}));
    x.platform.wait(1000);
    EXPECT_TRUE(x.dialogs.boxes.empty());  // the batch is not waiting yet
    x.files.files[std::string(kSignals) + "wait"] = "";
    x.adapters.adapters = Adapters{kLan};
    x.dialogs.confirms.push_back(answer);
    x.platform.wait(250);
    ASSERT_EQ(x.dialogs.boxes.size(), 1u);
    EXPECT_EQ(x.dialogs.boxes[0].text, componi(text("CONFIRMKEEP"), {"60"}) + " [" + text("KEEP") +
                                           "|" + text("REVERTNOW") + "]");
    EXPECT_EQ(x.files.files.count(std::string(kSignals) + "keep") +
                  x.files.files.count(std::string(kSignals) + "now"),
              signal.empty() ? 0u : 1u);
    x.batchEnds(Adapters{after}, 5000);
    EXPECT_EQ(x.barStato.parts[1], status);
    EXPECT_EQ(x.dialogs.boxes.size(), answer == ConfirmAnswer::Keep ? 1u : 2u);
  }
}

}  // namespace
}  // namespace veltrano::fake
