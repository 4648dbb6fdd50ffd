// The small pieces of applying: dotted IPv4 addresses and masks as netsh takes them, a proxy
// as WinINet takes it, adapter names as Windows compares them, the bytes of a REG_DWORD, and
// cmd's command line.
#include <gtest/gtest.h>

#include "apply/apply_checks.h"
#include "apply/cmd_invocation.h"
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
    EXPECT_EQ(maskOfPrefix(length), text);
  }
  EXPECT_EQ(maskOfPrefix(0), "0.0.0.0");
  for (const char* text : {"0.0.0.0", "255.0.255.0", "255.255.255.1", "0.255.255.255", "x"}) {
    EXPECT_EQ(maskPrefixLength(text), std::nullopt) << text;
  }
}

TEST(ApplyPieces, AProxyServerIsAnAsciiHostNameOrAnAddressAndAPortANumberUpTo65535) {
  const std::string longest = std::string(61, 'a') + "." + std::string(191, 'b');  // 253
  for (const std::string& server :
       std::vector<std::string>{"px", "proxy-1.example.org", "10.0.0.1", "A9", longest}) {
    EXPECT_TRUE(isProxyServer(server)) << server;
  }
  for (const std::string& server :
       std::vector<std::string>{"", "px:80", "a..b", ".a", "a.", "10.0.0", "10.0.0.256", "pröxy",
                                "p x", "px\t", "px\x01", longest + "c"}) {
    EXPECT_FALSE(isProxyServer(server)) << server;
  }
  for (const char* port : {"1", "8080", "65535", "00080"}) {
    EXPECT_TRUE(isProxyPort(port)) << port;
  }
  for (const char* port : {"", "0", "65536", "80a", " 80", "+80", "-1", "100000", "\xD9\xA5"}) {
    EXPECT_FALSE(isProxyPort(port)) << port;
  }
}

TEST(ApplyPieces, CmdRunsTheBatchInItsCodePageAndNeverFromAPathItWouldExpand) {
  EXPECT_EQ(cmdArguments({"C:\\V & (1)\\a.bat", "C:\\V & (1)\\b.bat"}, 850),
            "/d /v:off /c chcp 850>nul&&\"C:\\V & (1)\\a.bat\"&\"C:\\V & (1)\\b.bat\"");
  for (const char* path : {"C:\\V%OS%x\\a.bat", "C:\\a\"b\\x.bat", "C:\\a\nb", ""}) {
    EXPECT_EQ(cmdArguments({"C:\\a.bat", path}, 850), std::nullopt) << path;
  }
}

TEST(ApplyPieces, AdapterNamesIgnoreCaseAndDwordsGoLeastSignificantByteFirst) {
  const std::vector<NetworkAdapter> adapters = {{"Wi-Fi 2", false, false, {}, {}, {}, {}},
                                                {"ZAP@az", false, false, {}, {}, {}, {}}};
  EXPECT_EQ(findAdapter(adapters, "zap@AZ"), &adapters[1]);
  EXPECT_EQ(findAdapter(adapters, "WI-FI 2"), &adapters[0]);
  for (const char* other : {"Wi-Fi", "zap`AZ"}) {  // only ASCII letters fold
    EXPECT_EQ(findAdapter(adapters, other), nullptr) << other;
  }
  EXPECT_EQ(regDwordData(0x01020304), (std::vector<std::uint8_t>{4, 3, 2, 1}));
}

}  // namespace
}  // namespace veltrano
