#include "fake/fake_machine.h"

#include <gtest/gtest.h>

#include "apply/registry_writes.h"

namespace veltrano::fake {

std::optional<std::string> FakeFileSystem::readAll(const std::string& path) {
  const auto found = files.find(path);
  return found == files.end() ? std::nullopt : std::optional(found->second);
}

bool FakeFileSystem::replaceAll(const std::string& path, std::string_view bytes) {
  writes += failWrites ? 0 : 1;
  files[path] = failWrites ? files[path] : std::string(bytes);
  return !failWrites;
}

void FakeRegistry::setValue(RootKey, const std::string& keyPath, const std::string& valueName,
                            std::uint32_t type, const std::vector<std::uint8_t>& data) {
  EXPECT_EQ(keyPath, kInternetSettings);
  writes +=
      valueName + " " + std::to_string(type) + " " + std::string(data.begin(), data.end()) + ";";
  values[valueName] = {type, data};
}

bool FakeRegistry::getValue(RootKey, const std::string&, const std::string& valueName,
                            std::optional<RegistryValue>& value) {
  const auto found = values.find(valueName);
  value = found == values.end() ? std::nullopt : std::optional(found->second);
  return true;
}

void FakeRegistry::deleteValue(RootKey, const std::string&, const std::string& valueName) {
  writes += valueName + " -;";
  values.erase(valueName);
}

std::optional<ProxyState> FakeProxySettings::read() {
  if (shown) {
    return *shown;
  }
  const auto bytes = [this](const std::string& name) {
    const auto& data = registry.values[name].data;
    return std::string(data.begin(), data.end());
  };
  const auto text = [&](const std::string& name) {
    const std::string all = bytes(name);
    return all.substr(0, all.find('\0'));
  };
  return ProxyState{bytes("ProxyEnable") == std::string("\1\0\0\0", 4), text("ProxyServer"),
                    text("ProxyOverride")};
}

WriteResult FakeBatchRunner::write(const std::string& path, std::string_view bytes) {
  EXPECT_FALSE(runs) << "the batch file is written while the batch still runs";
  if (writeResult == WriteResult::Written && !runs) {
    files.files[path] = std::string(bytes);
  }
  return runs ? WriteResult::Busy : writeResult;
}

StartResult FakeBatchRunner::start(const std::vector<std::string>& paths) {
  std::string joined;
  for (const std::string& path : paths) {
    joined += (joined.empty() ? "" : "&") + path;
  }
  started.push_back(joined);
  runs = startResult == StartResult::Started;
  return startResult;
}

}  // namespace veltrano::fake
