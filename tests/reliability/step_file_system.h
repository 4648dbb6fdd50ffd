// A file system whose rewrite of a file goes through the steps a real one does, any of which
// can be made to fail: open the temporary file beside the old one, write it line by line,
// flush it, and move it into the old file's place. The files themselves live in a
// FakeFileSystem, so that a Harness sees them as usual.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fake/fake_machine.h"
#include "store/file_system.h"

namespace veltrano::reliability {

enum class Fault {
  None,
  StepFails,       // the step reports an error and changes nothing
  DiskFull,        // a write step stores half of its bytes, then reports an error
  ReadOnlyFolder,  // the temporary file cannot be created
  FileLocked,      // another program holds the old file: it cannot be replaced
};

class StepFileSystem : public FileSystem {
 public:
  explicit StepFileSystem(fake::FakeFileSystem& disk) : disk_(disk) {}

  std::optional<std::string> readAll(const std::string& path) override;
  bool replaceAll(const std::string& path, std::string_view bytes) override;
  bool writeAll(const std::string& path, std::string_view bytes) override;

  // Every later rewrite meets this fault. `step` counts from 1 (opening the temporary file)
  // and matters only for StepFails and DiskFull; the write steps are 2 to lines + 1.
  void inject(Fault fault, int step = 0) {
    fault_ = fault;
    step_ = step;
  }

  // The steps of rewriting these bytes: open, one write per line, flush, replace.
  static int stepsFor(std::string_view bytes);
  static std::string temporaryFor(const std::string& path) { return path + ".tmp"; }

  bool readsFail = false;  // the file is held without sharing: it cannot even be read
  int rewrites = 0;
  int faultsMet = 0;
  std::vector<std::string> plainWrites;  // paths written with writeAll

 private:
  bool failsAt(int step, bool writing) const;
  void discardTemporary(const std::string& temporary);

  fake::FakeFileSystem& disk_;
  Fault fault_ = Fault::None;
  int step_ = 0;
};

}  // namespace veltrano::reliability
