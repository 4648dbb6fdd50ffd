#include "fake/fake_machine.h"

#include <gtest/gtest.h>

namespace veltrano::fake {

std::optional<std::string> FakeFileSystem::readAll(const std::string& path) {
  const auto found = files.find(path);
  return found == files.end() ? std::nullopt : std::optional<std::string>(found->second);
}

bool FakeFileSystem::replaceAll(const std::string& path, std::string_view bytes) {
  if (failWrites) {
    return false;
  }
  ++writes;
  files[path] = std::string(bytes);
  return true;
}

WriteResult FakeBatchRunner::write(const std::string& path, std::string_view bytes) {
  EXPECT_FALSE(runs) << "the batch file is written while the batch still runs";
  if (writeResult == WriteResult::Written && !runs) {
    files.files[path] = std::string(bytes);
  }
  return runs ? WriteResult::Busy : writeResult;
}

StartResult FakeBatchRunner::start(const std::string& path) {
  started.push_back(path);
  runs = startResult == StartResult::Started;
  return startResult;
}

}  // namespace veltrano::fake
