// In-memory files and registry, with faults that tests can switch on.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "apply/batch_runner.h"
#include "apply/network_adapters.h"
#include "apply/registry.h"
#include "store/file_system.h"

namespace veltrano::fake {

class FakeFileSystem : public FileSystem {
 public:
  std::optional<std::string> readAll(const std::string& path) override;
  bool replaceAll(const std::string& path, std::string_view bytes) override;
  bool writeAll(const std::string& path, std::string_view bytes) override;

  bool has(const std::string& path) const { return files.count(path) > 0; }

  std::map<std::string, std::string> files;
  bool failReads = false;
  bool failWrites = false;
  int replaceCount = 0;
  int writeCount = 0;
};

struct RegistryWrite {
  RootKey root;
  std::string keyPath;
  std::string valueName;
  std::uint32_t type;
  std::vector<std::uint8_t> data;
};

class FakeRegistry : public Registry {
 public:
  void setValue(RootKey root, const std::string& keyPath, const std::string& valueName,
                std::uint32_t type, const std::vector<std::uint8_t>& data) override {
    writes.push_back({root, keyPath, valueName, type, data});
  }
  std::vector<RegistryWrite> writes;
};

// The batch file lands in the fake file system; the test says how starting goes and when the
// batch ends.
class FakeBatchRunner : public BatchRunner {
 public:
  explicit FakeBatchRunner(FakeFileSystem& files) : files_(files) {}
  WriteResult write(const std::string& path, std::string_view bytes) override;
  StartResult start(const std::string& path) override;
  bool running() override { return runs; }

  WriteResult writeResult = WriteResult::Written;
  StartResult startResult = StartResult::Started;
  std::vector<std::string> started;
  bool runs = false;

 private:
  FakeFileSystem& files_;
};

class FakeAdapters : public NetworkAdapters {
 public:
  std::optional<std::vector<NetworkAdapter>> list() override { return adapters; }
  std::optional<std::vector<NetworkAdapter>> adapters = std::vector<NetworkAdapter>{};
};

}  // namespace veltrano::fake
