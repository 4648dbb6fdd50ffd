// The lines of lastconnection.bat: a few exact ones, then any texts against how cmd reads them.
#include <gtest/gtest.h>

#include <random>

#include "apply/batch_file.h"
#include "support/properties.h"

namespace veltrano {
namespace {

TEST(BatchFile, OrdinaryConnectionsGiveTheThreeLinesExactly) {
  const struct {
    BatchInput in;
    std::string lines;
  } rows[] = {
      {{"Casa", "LAN 2", true, "x", "y", "z", "w"},
       "rem setting connessione Casa\r\nnetsh interface ip set address \"LAN 2\" dhcp\r\n"
       "netsh interface ip set dns \"LAN 2\" dhcp\r\n"},
      {{"Ufficio", "LAN 2", false, "10.0.0.5", "255.255.255.0", "10.0.0.1", "10.0.0.2"},
       "rem setting connessione Ufficio\r\n"
       "netsh interface ip set address \"LAN 2\" static 10.0.0.5 255.255.255.0 10.0.0.1 1\r\n"
       "netsh interface ip set dns \"LAN 2\" static 10.0.0.2\r\n"},
      {{"Isola", "Wi-Fi", false, "10.0.0.5", "255.0.0.0", "", ""},
       "rem setting connessione Isola\r\n"
       "netsh interface ip set address \"Wi-Fi\" static 10.0.0.5 255.0.0.0 none\r\n"
       "netsh interface ip set dns \"Wi-Fi\" static none\r\n"},
      {{"50% & <più> ^", "A&B (1)", true, "", "", "", ""},
       "rem setting connessione 50%% ^& ^<più^> ^^\r\n"
       "netsh interface ip set address \"A&B (1)\" dhcp\r\n"
       "netsh interface ip set dns \"A&B (1)\" dhcp\r\n"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(buildBatch(row.in), row.lines);
  }
  for (const char* adapter : {"LAN\\", "LAN\"", "LAN!", "LAN\t"}) {
    EXPECT_FALSE(buildBatch({"Casa", adapter, true, "", "", "", ""})) << adapter;
  }
}

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
    const BatchInput in{text(), text(), random() % 2 == 0, text(), text(), text(), text()};
    ASSERT_EQ(support::batchProblem(in), "") << ::testing::PrintToString(
        std::vector<std::string>{in.nome, in.interfaccia, in.ip, in.mask, in.gateway, in.dns});
  }
}

}  // namespace
}  // namespace veltrano
