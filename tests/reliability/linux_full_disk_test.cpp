// A real full disk: a small tmpfs mounted in a mount namespace of a child process, filled to
// the last page, then the rewrite of velt2.ini. Linux only, and only inside this test.
#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "fake/window_harness.h"
#include "reliability/posix_child_process.h"
#include "store/std_file_system.h"

namespace veltrano::reliability {
namespace {

namespace fs = std::filesystem;

enum Result : int {
  kFullDiskSurvived = 0,
  kCannotMount = 77,
  kOldNotWritten = 10,
  kDiskNotFull = 11,
  kRewriteNotRefused = 12,
  kOldFileChanged = 13,
  kTemporaryLeft = 14,
  kNoRewriteAfterSpaceFreed = 15,
};

bool writeFileText(const char* path, const std::string& text) {
  std::ofstream out(path);
  out << text;
  return static_cast<bool>(out);
}

// Root in a new user namespace when we are not root already, so that we may mount.
bool enterPrivateMountNamespace() {
  if (unshare(CLONE_NEWNS) == 0) {
    return true;
  }
  const std::string uid = std::to_string(getuid());
  const std::string gid = std::to_string(getgid());
  return unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0 &&
         writeFileText("/proc/self/setgroups", "deny") &&
         writeFileText("/proc/self/uid_map", "0 " + uid + " 1") &&
         writeFileText("/proc/self/gid_map", "0 " + gid + " 1");
}

void fillToTheLastByte(const fs::path& filler) {
  std::ofstream out(filler, std::ios::binary);
  const std::string block(4096, 'x');
  while (out.write(block.data(), static_cast<std::streamsize>(block.size()))) {
  }
  for (int byte = 0; byte < 4096 && out.put('x'); ++byte) {
  }
}

int rewriteOnAFullDisk(const fs::path& dir, const std::string& oldFile,
                       const std::string& newFile) {
  if (!enterPrivateMountNamespace() ||
      mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
      mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=64k") != 0) {
    return kCannotMount;
  }
  StdFileSystem files;
  const std::string ini = (dir / "velt2.ini").string();
  if (!files.replaceAll(ini, oldFile)) {
    return kOldNotWritten;
  }
  fillToTheLastByte(dir / "filler");
  if (std::ofstream(dir / "probe") << 'x' << std::flush) {
    return kDiskNotFull;
  }
  fs::remove(dir / "probe");
  if (files.replaceAll(ini, newFile)) {
    return kRewriteNotRefused;
  }
  if (files.readAll(ini) != oldFile) {
    return kOldFileChanged;
  }
  if (fs::exists(dir / "velt2.ini.new")) {
    return kTemporaryLeft;
  }
  fs::remove(dir / "filler");
  if (!files.replaceAll(ini, newFile) || files.readAll(ini) != newFile) {
    return kNoRewriteAfterSpaceFreed;
  }
  return kFullDiskSurvived;
}

TEST(FullDisk, RewriteOnAFullDiskIsRefusedAndKeepsTheOldFile) {
  const fs::path dir =
      fs::temp_directory_path() / ("veltrano-full-disk-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const std::string oldFile = fake::profileFile({fake::dhcpConn("Casa")});
  const std::string newFile =
      fake::profileFile({fake::dhcpConn("Casa"), fake::staticConn("Ufficio", "10.0.0.5")}, "IN");
  const int result = exitCodeOfChild([&] { return rewriteOnAFullDisk(dir, oldFile, newFile); });
  fs::remove_all(dir);
  if (result == kCannotMount) {
    GTEST_SKIP() << "no way to mount a small file system here";
  }
  const std::map<int, const char*> meaning = {
      {kOldNotWritten, "the old file could not be written at all"},
      {kDiskNotFull, "the disk did not fill up"},
      {kRewriteNotRefused, "the rewrite reported success on a full disk"},
      {kOldFileChanged, "the old file changed"},
      {kTemporaryLeft, "the temporary file was left behind"},
      {kNoRewriteAfterSpaceFreed, "no rewrite once space was free again"},
      {-1, "the child died"}};
  EXPECT_EQ(result, kFullDiskSurvived) << (meaning.count(result) ? meaning.at(result) : "?");
}

}  // namespace
}  // namespace veltrano::reliability
