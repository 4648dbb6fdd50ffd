#include "reliability/step_file_system.h"

namespace veltrano::reliability {

namespace {

// The bytes split after each CR LF; a last piece without one is a line of its own.
std::vector<std::string_view> writeChunks(std::string_view bytes) {
  std::vector<std::string_view> chunks;
  while (!bytes.empty()) {
    const auto end = bytes.find("\r\n");
    const auto length = end == std::string_view::npos ? bytes.size() : end + 2;
    chunks.push_back(bytes.substr(0, length));
    bytes.remove_prefix(length);
  }
  return chunks;
}

}  // namespace

int StepFileSystem::stepsFor(std::string_view bytes) {
  return static_cast<int>(writeChunks(bytes).size()) + 3;
}

std::optional<std::string> StepFileSystem::readAll(const std::string& path) {
  if (readsFail) {
    return std::nullopt;
  }
  return disk_.readAll(path);
}

bool StepFileSystem::failsAt(int step, bool writing) const {
  const bool thisFault = fault_ == Fault::StepFails || (writing && fault_ == Fault::DiskFull);
  return thisFault && step == step_;
}

void StepFileSystem::discardTemporary(const std::string& temporary) {
  ++faultsMet;
  disk_.files.erase(temporary);
}

bool StepFileSystem::replaceAll(const std::string& path, std::string_view bytes) {
  ++rewrites;
  const std::string temporary = temporaryFor(path);
  int step = 1;
  if (fault_ == Fault::ReadOnlyFolder || failsAt(step, false)) {
    ++faultsMet;
    return false;  // nothing was created
  }
  std::string& written = disk_.files[temporary];
  written.clear();
  for (const auto chunk : writeChunks(bytes)) {
    ++step;
    if (failsAt(step, true)) {
      if (fault_ == Fault::DiskFull) {
        written += chunk.substr(0, chunk.size() / 2);
      }
      discardTemporary(temporary);
      return false;
    }
    written += chunk;
  }
  if (failsAt(++step, false)) {  // flush
    discardTemporary(temporary);
    return false;
  }
  if (fault_ == Fault::FileLocked || failsAt(++step, false)) {  // replace
    discardTemporary(temporary);
    return false;
  }
  disk_.files[path] = written;
  disk_.files.erase(temporary);
  return true;
}

bool StepFileSystem::writeAll(const std::string& path, std::string_view bytes) {
  plainWrites.push_back(path);
  return disk_.writeAll(path, bytes);
}

}  // namespace veltrano::reliability
