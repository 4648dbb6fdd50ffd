// The lines of lastconnection.bat, for any texts, against how cmd reads them, and those that put
// a record back (the lines of ordinary connections are checked exactly through the window).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "apply/batch_file.h"
#include "apply/restore_batch.h"
#include "support/properties.h"

namespace veltrano {
namespace {

TEST(BatchFile, AnyTextsAreRefusedOrReachNetshExactlyAsGiven) {
  std::mt19937 random(11);
  const std::string alphabet = "a0. %%!^&|<>()\"\\\t\r\nàé";
  const auto text = [&] {
    std::string out(random() % 12, ' ');
    for (char& c : out) {
      c = alphabet[random() % alphabet.size()];
    }
    return out;
  };
  for (int i = 0; i < 20000; ++i) {
    BatchInput in{text(), text(), random() % 2 == 0, text(), text(), text(), {}};
    in.dns.resize(random() % 4);
    std::generate(in.dns.begin(), in.dns.end(), text);
    ASSERT_EQ(support::batchProblem(in), "") << ::testing::PrintToString(
        std::vector<std::string>{in.nome, in.interfaccia, in.ip, in.mask, in.gateway});
  }
}

// Every address, gateway and DNS server of the record, in its order; typed DNS servers stay typed
// even beside a DHCP lease.
TEST(BatchFile, ARecordIsPutBackValueByValue) {
  const std::pair<UndoRecord, std::string> rows[] = {
      {{"LAN", true, false, {"192.168.1.7/24"}, {"192.168.1.1"}, {"10.0.0.2", "10.0.0.3"}, {}},
       "netsh interface ip set address \"LAN\" source=dhcp\r\n"
       "netsh interface ip set dns \"LAN\" static 10.0.0.2\r\n"
       "netsh interface ip add dns \"LAN\" 10.0.0.3 index=2\r\n"},
      {{"LAN",
        false,
        true,
        {"10.0.0.5/24", "10.0.1.5/1"},
        {"10.0.0.1", "10.0.0.9", "10.0.0.8"},
        {},
        {}},
       "netsh interface ip set address \"LAN\" static 10.0.0.5 255.255.255.0 10.0.0.1 1\r\n"
       "netsh interface ip add address \"LAN\" 10.0.1.5 128.0.0.0 10.0.0.9 1\r\n"
       "netsh interface ip add address \"LAN\" gateway=10.0.0.8 gwmetric=1\r\n"
       "netsh interface ip set dns \"LAN\" static none\r\n"},
  };
  for (const auto& [record, lines] : rows) {
    EXPECT_EQ(buildRestoreBatch(record, "P"), "rem setting connessione P\r\n" + lines);
  }
  EXPECT_EQ(
      buildRestoreBatch({"LAN", false, true, {"10.0.0.5/24"}, {"10.0.0.1", "1!"}, {}, {}}, "P"),
      std::nullopt);  // a gateway cmd would misread
  // A static adapter's DNS servers never come from DHCP, even when it has none.
  EXPECT_FALSE(recordOf({"LAN", false, false, {{"10.0.0.5", 24}}, {}, {}, {{}}})->dnsDaDhcp);
}

}  // namespace
}  // namespace veltrano
