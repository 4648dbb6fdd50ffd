// veltrano.exe /apply NAME [/quiet]: the exit codes, the boxes (or none), and velt2.ini only
// ever read. How the arguments are read is the unit tests'.
#include <gtest/gtest.h>

#include "apply/apply_command.h"
#include "fake/window_harness.h"

namespace veltrano::fake {
namespace {

using H = Harness;
using enum ConfirmAnswer;

struct Row {
  std::vector<std::string> args;
  int exitCode;
  std::string box;               // the key of the one box shown, and its first argument
  int applies = 0;               // registry values written: 1 without a proxy, 3 with one
  ConfirmAnswer confirm = Keep;  // to the box of /confirm
  std::string lingua = "IT";     // of the file; none when empty
  bool dhcpAfter = false, declined = false;  // declined: No at the administrator prompt
};

TEST(CommandLine, ExitCodesAndBoxes) {
  const Row rows[] = {
      {{"/apply", "Ufficio"}, kExitVerified, "VERIFIEDBOX Ufficio", 1},
      {{"-APPLY", " Casa ", "-Quiet"}, kExitVerified, "", 3, Keep, "IT", true},
      {{"/quiet", "/apply", "Casa"}, kExitNotApplied, "", 3},
      {{"/apply", "Casa"}, kExitNotApplied, "NOTAPPLIED Casa", 3, Keep, "IN"},
      {{"/apply", "Nessuna"}, kExitNotApplied, "NOCONNECTION Nessuna", 0, Keep, "IN"},
      {{"/apply", "Casa"}, kExitNotApplied, "DECLINEDBOX Casa", 0, Keep, "IN", false, true},
      {{"/apply", "Doppia"}, kExitNotApplied, "DUPLICATENAME Doppia", 0, Keep, "IN"},
      {{"/undo", "/quiet"}, kExitVerified, "", 3},  // the record holds no proxy value: 3 deletes
      {{"/apply", "Ufficio", "/confirm", "5"}, kExitVerified, "VERIFIEDBOX Ufficio", 1},
      {{"/apply", "Ufficio", "/confirm"}, kExitNotApplied, "REVERTED Ufficio", 4, Timeout},
      {{"/apply", "Ufficio"}, kExitUsage, "NOINIFILE", 0, Keep, ""},
      {{"/?"}, kExitVerified, "USAGE", 0, Keep, "IN"},
      {{"/apply"}, kExitUsage, "USAGE"},
      {{"/apply", "Ufficio\" /quiet"}, kExitUsage, ""},
  };
  for (const Row& row : rows) {
    Harness h;
    if (!row.lingua.empty()) {
      h.withProfile(profile(
          {staticConn("Ufficio"), proxyConn("Casa"), dhcpConn("Doppia"), staticConn("Doppia")},
          row.lingua));
    }
    h.batchRunner.startResult = row.declined ? StartResult::Declined : StartResult::Started;
    h.files.files[std::string(H::kFolder) + "\\previoussettings.txt"] =
        lines({"Veltrano undo 1", "adapter=LAN", "dhcp=0", "dnsdhcp=1", "address=10.0.0.5/24",
               "gateway=10.0.0.1", "dns=10.0.0.2"});  // what kLan has
    h.files.files[std::string(H::kFolder) + "\\lastrevert.wait"] = "";
    h.dialogs.confirms.push_back(row.confirm);
    const auto before = h.files.readAll(H::kIni);
    ApplyCommand command({h.dialogs, h.platform, h.files, h.registry, h.proxy, h.batchRunner,
                          h.adapters, windows1252(), codePage850()});
    int exitCode = -1;
    command.run(parseCommandLine(row.args), [&exitCode](int code) { exitCode = code; });
    NetworkAdapter after = kLan;
    after.dhcp = row.dhcpAfter;
    after.staticDnsServers = row.dhcpAfter ? std::vector<std::string>{} : kLan.staticDnsServers;
    h.batchEnds(std::vector{after}, 5000);
    const std::string where = ::testing::PrintToString(row.args);
    EXPECT_EQ(exitCode, row.exitCode) << where;
    std::erase_if(h.dialogs.boxes, [](const Box& box) { return box.style == -2; });  // countdown
    ASSERT_EQ(h.dialogs.boxes.size(), row.box.empty() ? 0u : 1u) << where;
    if (!row.box.empty()) {
      const auto blank = row.box.find(' ');
      const std::string key = row.box.substr(0, blank),
                        lingua = row.lingua.empty() ? "IT" : row.lingua;
      const std::string shown = componi(h.text(key, lingua), {row.box.substr(blank + 1)});
      EXPECT_EQ(h.dialogs.boxes[0].text.substr(0, shown.size()), shown) << where;
      EXPECT_EQ(h.dialogs.boxes[0].style, row.exitCode == 0 ? kInformation : kCritical) << where;
    }
    EXPECT_EQ(h.files.readAll(H::kIni), before) << where;  // velt2.ini only read
    EXPECT_EQ(h.batchRunner.started.size(), row.applies > 0 || row.declined ? 1u : 0u) << where;
    EXPECT_EQ(std::count(h.registry.writes.begin(), h.registry.writes.end(), ';'), row.applies);
  }
}

}  // namespace
}  // namespace veltrano::fake
