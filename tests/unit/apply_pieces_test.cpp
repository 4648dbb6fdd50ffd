// The small pieces of applying: dotted IPv4 addresses and masks as netsh takes them, adapter
// names as Windows compares them, the bytes of a REG_DWORD.
#include <gtest/gtest.h>

#include <random>

#include "apply/apply_checks.h"
#include "apply/ipv4_address.h"
#include "apply/registry_writes.h"

namespace veltrano {
namespace {

TEST(IPv4Address, OnlyFourPlainDecimalNumbersUpTo255Read) {
  const struct {
    const char* text;
    std::optional<std::uint32_t> value;
  } rows[] = {
      {"0.0.0.0", 0},
      {"10.0.0.5", 0x0A000005},
      {"255.255.255.255", 0xFFFFFFFF},
      {"192.168.100.200", 0xC0A864C8},
      {"10.0.0.256", std::nullopt},
      {"10.0.0.05", std::nullopt},
      {"10.0.00.5", std::nullopt},
      {"10.0.0", std::nullopt},
      {"10.0.0.5.1", std::nullopt},
      {"10..0.5", std::nullopt},
      {"10.0.0.5 ", std::nullopt},
      {" 10.0.0.5", std::nullopt},
      {"10.0.0.-5", std::nullopt},
      {"10.0.0.1000", std::nullopt},
      {"1e1.0.0.5", std::nullopt},
      {"", std::nullopt},
      {"10.0.0.\xD9\xA5", std::nullopt},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(parseIPv4(row.text), row.value) << row.text;
  }
}

TEST(IPv4Address, AMaskReadsAsItsPrefixLengthOnlyWhenItsOnesAreContiguous) {
  for (int length = 1; length <= 32; ++length) {
    const std::uint32_t bits = ~std::uint32_t{0} << (32 - length);
    const std::string text = std::to_string(bits >> 24) + "." + std::to_string((bits >> 16) & 255) +
                             "." + std::to_string((bits >> 8) & 255) + "." +
                             std::to_string(bits & 255);
    EXPECT_EQ(maskPrefixLength(text), length) << text;
  }
  for (const char* text : {"0.0.0.0", "255.0.255.0", "255.255.255.1", "0.255.255.255", "x"}) {
    EXPECT_EQ(maskPrefixLength(text), std::nullopt) << text;
  }
}

TEST(ApplyPieces, AdapterNamesIgnoreCaseAndDwordsGoLeastSignificantByteFirst) {
  const std::vector<NetworkAdapter> adapters = {{"Wi-Fi 2", false, false, {}, {}, {}},
                                                {"ZAP az", false, false, {}, {}, {}}};
  EXPECT_EQ(findAdapter(adapters, "zap AZ"), &adapters[1]);
  EXPECT_EQ(findAdapter(adapters, "WI-FI 2"), &adapters[0]);
  EXPECT_EQ(findAdapter(adapters, "Wi-Fi"), nullptr);
  EXPECT_EQ(regDwordData(0x01020304), (std::vector<std::uint8_t>{4, 3, 2, 1}));
}

}  // namespace
}  // namespace veltrano
