#include "store/std_file_system.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace veltrano {

namespace {

std::filesystem::path toPath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool writeFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  return static_cast<bool>(out);
}

}  // namespace

std::optional<std::string> StdFileSystem::readAll(const std::string& path) {
  std::ifstream in(toPath(path), std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
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

bool StdFileSystem::writeAll(const std::string& path, std::string_view bytes) {
  return writeFile(toPath(path), bytes);
}

}  // namespace veltrano
