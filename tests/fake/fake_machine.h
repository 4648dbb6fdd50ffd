// In-memory files, registry, WinINet, batch runner and adapters, with the faults tests switch on.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "apply/batch_runner.h"
#include "apply/network_adapters.h"
#include "apply/proxy_settings.h"
#include "apply/registry.h"
#include "apply/registry_writes.h"
#include "store/file_system.h"

namespace veltrano::fake {

struct FakeFileSystem : FileSystem {
  std::optional<std::string> readAll(const std::string& path) override {
    const auto found = files.find(path);
    return found == files.end() ? std::nullopt : std::optional(found->second);
  }
  bool replaceAll(const std::string& path, std::string_view bytes) override {
    writes += failWrites ? 0 : 1;
    files[path] = failWrites ? files[path] : std::string(bytes);
    return !failWrites;
  }
  bool remove(const std::string& path) override { return files.erase(path), true; }
  std::map<std::string, std::string> files;
  bool failWrites = false;
  int writes = 0;
};

// Every value written under the user's Internet settings, as "name type bytes;" ("name -;"
// for a delete), and what each value holds now.
struct FakeRegistry : Registry {
  void setValue(RootKey, const std::string& keyPath, const std::string& name, std::uint32_t type,
                const std::vector<std::uint8_t>& data) override {
    EXPECT_EQ(keyPath, kInternetSettings);
    writes += name + " " + std::to_string(type) + " " + std::string(data.begin(), data.end()) + ";";
    values[name] = {type, data};
  }
  bool getValue(RootKey, const std::string&, const std::string& name,
                std::optional<RegistryValue>& value) override {
    value = values.contains(name) ? std::optional(values[name]) : std::nullopt;
    return true;
  }
  void deleteValue(RootKey, const std::string&, const std::string& name) override {
    writes += name + " -;";
    values.erase(name);
  }
  std::string writes;
  std::map<std::string, RegistryValue> values;
};

// WinINet's view of the proxy: what the registry values say (the ANSI bytes of ASCII texts),
// unless a test makes Windows show something else.
struct FakeProxySettings : ProxySettings {
  explicit FakeProxySettings(FakeRegistry& values) : registry(values) {}
  std::optional<ProxyState> read() override {
    const auto text = [this](const std::string& name) {
      const auto& data = registry.values[name].data;
      return std::string(data.begin(), data.end());
    };
    return shown ? *shown
                 : ProxyState{text("ProxyEnable").find_first_not_of('\0') != std::string::npos,
                              text("ProxyServer").c_str(), text("ProxyOverride").c_str()};
  }
  FakeRegistry& registry;
  std::optional<std::optional<ProxyState>> shown;
};

// The batch lands in the fake file system; the test says how starting goes and when it ends.
struct FakeBatchRunner : BatchRunner {
  explicit FakeBatchRunner(FakeFileSystem& disk) : files(disk) {}
  WriteResult write(const std::string& path, std::string_view bytes) override {
    EXPECT_FALSE(runs) << "a batch file is written while the batch still runs";
    if (writeResult == WriteResult::Written && !runs) {
      files.files[path] = std::string(bytes);
    }
    return runs ? WriteResult::Busy : writeResult;
  }
  StartResult start(const std::vector<std::string>& paths) override {
    std::string joined;
    for (const std::string& path : paths) joined += (joined.empty() ? "" : "&") + path;
    started.push_back(joined);
    runs = startResult == StartResult::Started;
    return startResult;
  }
  bool running() override { return runs; }
  FakeFileSystem& files;
  WriteResult writeResult = WriteResult::Written;
  StartResult startResult = StartResult::Started;
  std::vector<std::string> started;  // the files of each start, joined by "&"
  bool runs = false;
};

struct FakeAdapters : NetworkAdapters {
  std::optional<std::vector<NetworkAdapter>> list() override { return adapters; }
  std::optional<std::vector<NetworkAdapter>> adapters;
};

}  // namespace veltrano::fake
