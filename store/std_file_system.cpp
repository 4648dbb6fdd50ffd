#include "store/std_file_system.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace veltrano {

namespace {

std::filesystem::path toPath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool writeFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  // Closing writes what is still buffered and may be the first to see the disk full.
  out.close();
  return !out.fail();
}

// A rewrite that was killed may have left its file here, perhaps not writable by us, or a link
// to somewhere else: start from no file rather than write into it. A folder is left alone.
void removeLeftover(const std::filesystem::path& temporary) {
  std::error_code error;
  if (!std::filesystem::is_directory(std::filesystem::symlink_status(temporary, error))) {
    std::filesystem::remove(temporary, error);
  }
}

}  // namespace

std::optional<std::string> StdFileSystem::readAll(const std::string& path) {
  std::ifstream in(toPath(path), std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  std::string bytes;
  char block[65536];
  while (in.read(block, sizeof block) || in.gcount() > 0) {
    bytes.append(block, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) {
    return std::nullopt;
  }
  return bytes;
}

bool StdFileSystem::replaceAll(const std::string& path, std::string_view bytes) {
  const auto target = toPath(path);
  auto temporary = target;
  temporary += ".new";
  std::error_code error;
  removeLeftover(temporary);
  if (!writeFile(temporary, bytes)) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}

bool StdFileSystem::remove(const std::string& path) {
  std::error_code error;
  std::filesystem::remove(std::filesystem::path(path), error);
  return !error;
}

}  // namespace veltrano
