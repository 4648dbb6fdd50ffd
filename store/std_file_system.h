// FileSystem over the standard library, for the portable build, its tools and tests.
#pragma once

#include "store/file_system.h"

namespace veltrano {

class StdFileSystem : public FileSystem {
 public:
  std::optional<std::string> readAll(const std::string& path) override;
  bool replaceAll(const std::string& path, std::string_view bytes) override;
  bool remove(const std::string& path) override;
};

}  // namespace veltrano
