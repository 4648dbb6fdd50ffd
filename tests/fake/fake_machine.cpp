#include "fake/fake_machine.h"

namespace veltrano::fake {

std::optional<std::string> FakeFileSystem::readAll(const std::string& path) {
  const auto found = files.find(path);
  if (failReads || found == files.end()) {
    return std::nullopt;
  }
  return found->second;
}

bool FakeFileSystem::replaceAll(const std::string& path, std::string_view bytes) {
  if (failWrites) {
    return false;
  }
  ++replaceCount;
  files[path] = std::string(bytes);
  return true;
}

bool FakeFileSystem::writeAll(const std::string& path, std::string_view bytes) {
  if (failWrites) {
    return false;
  }
  ++writeCount;
  files[path] = std::string(bytes);
  return true;
}

WriteResult FakeBatchRunner::write(const std::string& path, std::string_view bytes) {
  if (writeResult == WriteResult::Written) {
    files_.files[path] = std::string(bytes);
  }
  return writeResult;
}

StartResult FakeBatchRunner::start(const std::string& path) {
  started.push_back(path);
  runs = startResult == StartResult::Started;
  return startResult;
}

}  // namespace veltrano::fake
