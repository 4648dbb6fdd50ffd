// The files the program keeps beside itself. Paths are UTF-8, in the platform's own form.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace veltrano {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The whole file, or nullopt when it cannot be opened or read.
  virtual std::optional<std::string> readAll(const std::string& path) = 0;
  // Replaces the file as a whole: the new bytes go to a file beside it, reach the disk,
  // and then take the old file's place in one step. On false the old file is unchanged and
  // nothing is left behind.
  virtual bool replaceAll(const std::string& path, std::string_view bytes) = 0;
  // Deletes the file; true when it is gone, or was never there.
  virtual bool remove(const std::string& path) = 0;
};

}  // namespace veltrano
