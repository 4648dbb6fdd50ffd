// The small pieces of applying: dotted IPv4 addresses and masks as netsh takes them, adapter
// names as Windows compares them, the bytes of a REG_DWORD.
#include <gtest/gtest.h>

#include "apply/apply_checks.h"
#include "apply/ipv4_address.h"
#include "apply/registry_writes.h"

namespace veltrano {
namespace {

TEST(ApplyPieces, OnlyFourPlainDecimalNumbersUpTo255ReadAsAnAddress) {
  EXPECT_EQ(parseIPv4("0.0.0.0"), 0u);
  EXPECT_EQ(parseIPv4("192.168.100.200"), 0xC0A864C8u);
  EXPECT_EQ(parseIPv4("255.255.255.255"), 0xFFFFFFFFu);
  for (const char* text :
       {"10.0.0.256", "10.0.0.05", "10.0.00.5", "10.0.0", "10.0.0.5.1", "10..0.5", "10.0.0.5 ",
        " 10.0.0.5", "10.0.0.-5", "10.0.0.1000", "1e1.0.0.5", "", "10.0.0.\xD9\xA5"}) {
    EXPECT_EQ(parseIPv4(text), std::nullopt) << text;
  }
}

TEST(ApplyPieces, AMaskReadsAsItsPrefixLengthOnlyWhenItsOnesAreContiguous) {
  for (const auto& [text, length] : {std::pair{"128.0.0.0", 1},
                                     {"255.255.254.0", 23},
                                     {"255.255.255.0", 24},
                                     {"255.255.255.255", 32}}) {
    EXPECT_EQ(maskPrefixLength(text), length) << text;
  }
  for (const char* text : {"0.0.0.0", "255.0.255.0", "255.255.255.1", "0.255.255.255", "x"}) {
    EXPECT_EQ(maskPrefixLength(text), std::nullopt) << text;
  }
}

TEST(ApplyPieces, AdapterNamesIgnoreCaseAndDwordsGoLeastSignificantByteFirst) {
  const std::vector<NetworkAdapter> adapters = {{"Wi-Fi 2", false, false, {}, {}, {}},
                                                {"ZAP@az", false, false, {}, {}, {}}};
  EXPECT_EQ(findAdapter(adapters, "zap@AZ"), &adapters[1]);
  EXPECT_EQ(findAdapter(adapters, "WI-FI 2"), &adapters[0]);
  for (const char* other : {"Wi-Fi", "zap`AZ"}) {  // only ASCII letters fold
    EXPECT_EQ(findAdapter(adapters, other), nullptr) << other;
  }
  EXPECT_EQ(regDwordData(0x01020304), (std::vector<std::uint8_t>{4, 3, 2, 1}));
}

}  // namespace
}  // namespace veltrano
