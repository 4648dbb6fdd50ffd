#include "apply/registry_writes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace veltrano {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(RegistryData, StringIsItsBytesFollowedByOneNul) {
  const std::string server = "proxy.azienda";  // 13 characters
  ASSERT_EQ(server.size(), 13u);
  const auto data = regSzData(server + ":" + "8080");
  ASSERT_EQ(data.size(), 19u);
  EXPECT_EQ(std::string(data.begin(), data.end() - 1), "proxy.azienda:8080");
  EXPECT_EQ(data.back(), 0);
}

TEST(RegistryData, EmptyStringIsTheNulAlone) {
  EXPECT_EQ(regSzData(""), Bytes{0});
}

TEST(RegistryData, StringKeepsCodePageBytesAsTheyAre) {
  EXPECT_EQ(regSzData("\xE8:\x80"), (Bytes{0xE8, ':', 0x80, 0}));
}

TEST(RegistryData, DwordIsFourBytesLeastSignificantFirst) {
  EXPECT_EQ(regDwordData(0), (Bytes{0x00, 0x00, 0x00, 0x00}));
  EXPECT_EQ(regDwordData(1), (Bytes{0x01, 0x00, 0x00, 0x00}));
  EXPECT_EQ(regDwordData(-1), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(regDwordData(0x12345678), (Bytes{0x78, 0x56, 0x34, 0x12}));
  EXPECT_EQ(regDwordData(INT32_MIN), (Bytes{0x00, 0x00, 0x00, 0x80}));
}

class RecordingRegistry : public Registry {
 public:
  struct Call {
    RootKey root;
    std::string keyPath;
    std::string valueName;
    std::uint32_t type;
    Bytes data;
  };

  void setValue(RootKey root, const std::string& keyPath, const std::string& valueName,
                std::uint32_t type, const Bytes& data) override {
    calls.push_back({root, keyPath, valueName, type, data});
  }

  std::vector<Call> calls;
};

TEST(SetRegistryValue, HandsTheValueToTheRegistryOnceUnchanged) {
  RecordingRegistry registry;
  SetRegistryValue(registry, RootKey::CurrentUser, kInternetSettings, "ProxyEnable", kRegDword,
                   regDwordData(1));
  ASSERT_EQ(registry.calls.size(), 1u);
  const auto& call = registry.calls[0];
  EXPECT_EQ(call.root, RootKey::CurrentUser);
  EXPECT_EQ(call.keyPath, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings");
  EXPECT_EQ(call.valueName, "ProxyEnable");
  EXPECT_EQ(call.type, 4u);
  EXPECT_EQ(call.data, (Bytes{1, 0, 0, 0}));
}

}  // namespace
}  // namespace veltrano
