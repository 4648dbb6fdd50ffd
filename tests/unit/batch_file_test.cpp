// The lines of lastconnection.bat: a few exact ones, then any texts against how cmd reads them.
#include <gtest/gtest.h>

#include <random>

#include "apply/batch_file.h"
#include "support/properties.h"

namespace veltrano {
namespace {

TEST(BatchFile, OrdinaryConnectionsGiveTheThreeLinesExactly) {
  const auto lines = [](const std::string& name, const std::string& adapter,
                        const std::string& address, const std::string& dns) {
    return "rem setting connessione " + name + "\r\nnetsh interface ip set address \"" + adapter +
           "\" " + address + "\r\nnetsh interface ip set dns \"" + adapter + "\" " + dns + "\r\n";
  };
  EXPECT_EQ(buildBatch({"Casa", "LAN 2", true, "x", "y", "z", "w"}),
            lines("Casa", "LAN 2", "dhcp", "dhcp"));
  EXPECT_EQ(buildBatch({"Uf", "LAN", false, "10.0.0.5", "255.255.255.0", "10.0.0.1", "10.0.0.2"}),
            lines("Uf", "LAN", "static 10.0.0.5 255.255.255.0 10.0.0.1 1", "static 10.0.0.2"));
  EXPECT_EQ(buildBatch({"Isola", "Wi-Fi", false, "10.0.0.5", "255.0.0.0", "", ""}),
            lines("Isola", "Wi-Fi", "static 10.0.0.5 255.0.0.0 none", "static none"));
  EXPECT_EQ(buildBatch({"50% & <più> ^", "A&B (1)", true, "", "", "", ""}),
            lines("50%% ^& ^<più^> ^^", "A&B (1)", "dhcp", "dhcp"));
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
