// The lines of lastconnection.bat, for any texts, against how cmd reads them (the lines of
// ordinary connections are checked exactly through the window).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "apply/batch_file.h"
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

}  // namespace
}  // namespace veltrano
