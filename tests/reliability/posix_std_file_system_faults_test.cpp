// The standard-library file system of the portable build against real faults of a disk: a
// write cut short at every byte (a file size limit), a read-only folder, files left by a
// rewrite that was killed, and a reader holding the old file open. POSIX is used here only, never
// in the program.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "fake/window_harness.h"
#include "reliability/posix_child_process.h"
#include "store/profile_file.h"
#include "store/std_file_system.h"

namespace veltrano::reliability {
namespace {

namespace fs = std::filesystem;

constexpr int kReplaced = 0;
constexpr int kRefused = 1;

struct StdFileSystemFaults : ::testing::Test {
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("veltrano-faults-" + std::to_string(getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::permissions(dir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                             fs::perms::others_read | fs::perms::others_exec);
    ini = (dir / "velt2.ini").string();
    ASSERT_TRUE(files.replaceAll(ini, oldFile));
  }
  void TearDown() override {
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir);
  }
  // The old file whole, reading back to its complete table, and nothing beside it.
  void expectOldFileAlone() {
    EXPECT_EQ(files.readAll(ini), oldFile);
    Profilo profilo;
    EXPECT_TRUE(leggiProfilo(*files.readAll(ini), profilo));
    EXPECT_EQ(profilo.connessioni.count(), 2);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1);
  }

  const std::string oldFile =
      fake::profileFile({fake::staticConn("Ufficio", "10.0.0.5"), fake::dhcpConn("Casa")});
  const std::string newFile =
      fake::profileFile({fake::staticConn("Ufficio", "10.0.0.6"), fake::dhcpConn("Casa"),
                         fake::proxyConn("Hotel", "proxy.hotel.example", "3128")},
                        "IN", "Ethernet 2", " 3 ");
  fs::path dir;
  std::string ini;
  StdFileSystem files;
};

TEST_F(StdFileSystemFaults, WriteCutShortAtEveryByteKeepsTheOldFile) {
  int cuts = 0;
  for (std::size_t limit = 0; limit <= newFile.size(); ++limit) {
    SCOPED_TRACE("file size limit " + std::to_string(limit));
    const int result = exitCodeOfChild([&] {
      std::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead of killing us
      const rlimit limitToSize{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
      setrlimit(RLIMIT_FSIZE, &limitToSize);
      return files.replaceAll(ini, newFile) ? kReplaced : kRefused;
    });
    if (limit < newFile.size()) {
      ASSERT_EQ(result, kRefused);
      expectOldFileAlone();
      ++cuts;
    } else {
      ASSERT_EQ(result, kReplaced);
      EXPECT_EQ(files.readAll(ini), newFile);
    }
  }
  std::cout << "[figures] StdFileSystem writes cut short at each byte: " << cuts
            << " refused, old file kept\n";
}

// A link left where the temporary file goes is removed, not written through.
TEST_F(StdFileSystemFaults, LeftoverLinkInPlaceOfTheTemporaryFileIsNotFollowed) {
  const fs::path elsewhere = dir / "elsewhere.txt";
  std::ofstream(elsewhere, std::ios::binary) << "untouched";
  fs::create_symlink(elsewhere, dir / "velt2.ini.new");
  EXPECT_TRUE(files.replaceAll(ini, newFile));
  EXPECT_EQ(files.readAll(ini), newFile);
  EXPECT_EQ(files.readAll(elsewhere.string()), "untouched");
  EXPECT_FALSE(fs::is_symlink(ini));
  EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "velt2.ini.new")));
}

TEST_F(StdFileSystemFaults, ReadOnlyFolderRefusesTheRewriteButStillReads) {
  fs::permissions(dir, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const int result = exitCodeOfChild([&] {
    // The superuser ignores permissions: test as nobody.
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
      return 3;
    }
    if (files.readAll(ini) != oldFile) {
      return 2;
    }
    return files.replaceAll(ini, newFile) ? kReplaced : kRefused;
  });
  EXPECT_EQ(result, kRefused);
  expectOldFileAlone();
}

// What a rewrite killed after creating its temporary file leaves behind.
TEST_F(StdFileSystemFaults, StaleTemporaryFileIsTakenUpByTheNextRewrite) {
  std::ofstream(dir / "velt2.ini.new", std::ios::binary) << newFile.substr(0, 50);
  EXPECT_TRUE(files.replaceAll(ini, newFile));
  EXPECT_EQ(files.readAll(ini), newFile);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1);
}

// A temporary file left by another user, or read-only for any reason, must not make the rewrite
// fail: the folder is writable, so the stale file can go.
TEST_F(StdFileSystemFaults, ReadOnlyStaleTemporaryFileDoesNotBlockTheRewrite) {
  const fs::path stale = dir / "velt2.ini.new";
  std::ofstream(stale, std::ios::binary) << "left over";
  fs::permissions(stale, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(dir, fs::perms::all);
  fs::permissions(ini, fs::perms::all);
  const int result = exitCodeOfChild([&] {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
      return 3;
    }
    return files.replaceAll(ini, newFile) ? kReplaced : kRefused;
  });
  EXPECT_EQ(result, kReplaced);
  EXPECT_EQ(files.readAll(ini), newFile);
  EXPECT_FALSE(fs::exists(stale));
}

// POSIX has no sharing violation: a reader that opened the old file keeps reading it whole
// while the rewrite puts the new one in its place.
TEST_F(StdFileSystemFaults, ReaderHoldingTheOldFileReadsItWhole) {
  std::ifstream held(ini, std::ios::binary);
  ASSERT_TRUE(held);
  EXPECT_TRUE(files.replaceAll(ini, newFile));
  const std::string seen((std::istreambuf_iterator<char>(held)), std::istreambuf_iterator<char>());
  EXPECT_EQ(seen, oldFile);
  EXPECT_EQ(files.readAll(ini), newFile);
}

}  // namespace
}  // namespace veltrano::reliability
