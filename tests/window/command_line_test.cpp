// veltrano.exe /apply NAME [/quiet]: the exit codes, the boxes (or none), and velt2.ini only
// ever read.
#include <gtest/gtest.h>

#include "apply/apply_command.h"
#include "fake/window_harness.h"

namespace veltrano::fake {
namespace {

struct Row {
  std::vector<std::string> args;
  int exitCode;
  bool starts;         // the batch is started
  std::string chiave;  // the one box shown; empty: none
  std::string lingua = "IT";
  std::vector<NetworkAdapter> after = {lanAdapter()};
  bool withFile = true;
};

TEST(CommandLine, ExitCodesAndBoxes) {
  NetworkAdapter lanOnDhcp = lanAdapter();
  lanOnDhcp.dhcp = true;
  const Row rows[] = {
      {{"/apply", "Ufficio"}, kExitVerified, true, ""},
      {{"-APPLY", " Casa ", "-Quiet"}, kExitVerified, true, "", "IT", {lanOnDhcp}},
      {{"/quiet", "/apply", "Casa"}, kExitNotApplied, true, ""},
      {{"/apply", "Casa"}, kExitNotApplied, true, "NOTAPPLIED", "IN"},
      {{"/apply", "Errata"}, kExitNotApplied, false, "BADADDRESS"},
      {{"/apply", "Nessuna"}, kExitNotApplied, false, "NOCONNECTION", "IN"},
      {{"/apply", "ufficio", "/quiet"}, kExitNotApplied, false, ""},
      {{"/apply", "Ufficio"}, kExitUsage, false, "NOINIFILE", "IT", {}, false},
      {{"/apply", "Ufficio", "/quiet"}, kExitUsage, false, "", "IT", {}, false},
      {{"/?"}, kExitVerified, false, "USAGE", "IN"},
      {{"/?"}, kExitVerified, false, "USAGE", "IT", {}, false},
      {{"/apply"}, kExitUsage, false, "USAGE"},
      {{"/apply", "  "}, kExitUsage, false, "USAGE"},
      {{"/apply", "Ufficio", "/apply", "Casa"}, kExitUsage, false, "USAGE"},
      {{"/apply", "Ufficio", "/quiet", "/quiet"}, kExitUsage, false, ""},
      {{"Ufficio"}, kExitUsage, false, "USAGE", "IN"},
      {{"/?", "/quiet"}, kExitUsage, false, ""},
  };
  for (const Row& row : rows) {
    Harness h;
    const std::string file = profile({staticConn("Ufficio", "10.0.0.5"),
                                      proxyConn("Casa", "px", "80"), staticConn("Errata", "abc")},
                                     row.lingua);
    if (row.withFile) {
      h.withProfile(file);
    }
    ApplyCommand command({h.dialogs, h.platform, h.files, h.registry, h.batchRunner, h.adapters,
                          windows1252(), codePage850()});
    int exitCode = -1;
    command.run(parseCommandLine(row.args), [&exitCode](int code) { exitCode = code; });
    h.batchEnds(row.after, ApplyFlow::kPassiVerifica + 1);
    std::string where;
    for (const auto& arg : row.args) {
      where += arg + " ";
    }
    EXPECT_EQ(exitCode, row.exitCode) << where;
    ASSERT_EQ(h.dialogs.boxes.size(), row.chiave.empty() ? 0u : 1u) << where;
    if (!row.chiave.empty()) {
      const std::vector<std::string> args =
          row.chiave == "BADADDRESS" ? std::vector<std::string>{h.text("IP", row.lingua), "abc"}
                                     : std::vector<std::string>{row.args.back()};
      EXPECT_EQ(h.dialogs.boxes[0].text.find(componi(h.text(row.chiave, row.lingua), args)), 0u)
          << where;
      EXPECT_EQ(h.dialogs.boxes[0].style,
                row.chiave == "USAGE" && row.exitCode == 0 ? kInformation : kCritical)
          << where;
    }
    EXPECT_EQ(h.files.writes, 0) << where;
    EXPECT_EQ(h.ini(), row.withFile ? file : "") << where;
    EXPECT_EQ(h.batchRunner.started.size(), row.starts ? 1u : 0u) << where;
    const bool proxy = where.find("Casa") != std::string::npos;
    EXPECT_EQ(std::count(h.registry.writes.begin(), h.registry.writes.end(), ';'),
              row.starts ? (proxy ? 3 : 1) : 0)
        << where;
  }
  EXPECT_EQ(parseCommandLine({}).kind, CommandLine::Kind::Window);
}

}  // namespace
}  // namespace veltrano::fake
