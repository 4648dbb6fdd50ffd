// In-memory files, registry, batch runner and adapters, with the faults tests switch on.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "apply/batch_runner.h"
#include "apply/network_adapters.h"
#include "apply/proxy_settings.h"
#include "apply/registry.h"
#include "store/file_system.h"

namespace veltrano::fake {

struct FakeFileSystem : FileSystem {
  std::optional<std::string> readAll(const std::string& path) override;
  bool replaceAll(const std::string& path, std::string_view bytes) override;
  bool remove(const std::string& path) override { return files.erase(path), true; }
  std::map<std::string, std::string> files;
  bool failWrites = false;
  int writes = 0;
};

// Every value written under the user's Internet settings, as "name type bytes;" ("name -;"
// for a delete), and what each value holds now.
struct FakeRegistry : Registry {
  void setValue(RootKey, const std::string& keyPath, const std::string& valueName,
                std::uint32_t type, const std::vector<std::uint8_t>& data) override;
  bool getValue(RootKey, const std::string& keyPath, const std::string& valueName,
                std::optional<RegistryValue>& value) override;
  void deleteValue(RootKey, const std::string& keyPath, const std::string& valueName) override;
  std::string writes;
  std::map<std::string, RegistryValue> values;
};

// WinINet's view of the proxy: what the registry values say (the ANSI bytes of ASCII texts),
// unless a test makes Windows show something else.
struct FakeProxySettings : ProxySettings {
  explicit FakeProxySettings(FakeRegistry& values) : registry(values) {}
  std::optional<ProxyState> read() override;
  FakeRegistry& registry;
  std::optional<std::optional<ProxyState>> shown;
};

// The batch lands in the fake file system; the test says how starting goes and when it ends.
struct FakeBatchRunner : BatchRunner {
  explicit FakeBatchRunner(FakeFileSystem& disk) : files(disk) {}
  WriteResult write(const std::string& path, std::string_view bytes) override;
  StartResult start(const std::vector<std::string>& paths) override;
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
