// Replacing a file whole: the new bytes or the old file, never half of either.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "store/std_file_system.h"

namespace veltrano {
namespace {

namespace fs = std::filesystem;

struct StdFileSystemTest : ::testing::Test {
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("veltrano-fs-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string path(const char* name) const { return (dir / name).string(); }
  std::size_t entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
  }
  fs::path dir;
  StdFileSystem files;
};

TEST_F(StdFileSystemTest, ReplaceWritesTheBytesAndLeavesNoTemporaryFile) {
  ASSERT_TRUE(files.replaceAll(path("velt2.ini"), std::string("a\r\nb\0c", 6)));
  ASSERT_TRUE(files.replaceAll(path("velt2.ini"), "new\r\n"));
  EXPECT_EQ(files.readAll(path("velt2.ini")), "new\r\n");
  EXPECT_EQ(entries(), 1u);
}

TEST_F(StdFileSystemTest, FailedReplaceKeepsTheOldFileWhole) {
  // A directory where the temporary file would go makes the write fail.
  ASSERT_TRUE(files.replaceAll(path("velt2.ini"), "old\r\n"));
  fs::create_directory(dir / "velt2.ini.new");
  EXPECT_FALSE(files.replaceAll(path("velt2.ini"), "new\r\n"));
  EXPECT_EQ(files.readAll(path("velt2.ini")), "old\r\n");
}

TEST_F(StdFileSystemTest, MissingFileReadsAsNothing) {
  EXPECT_EQ(files.readAll(path("absent.ini")), std::nullopt);
  EXPECT_FALSE(files.writeAll((dir / "no" / "such" / "dir.bat").string(), "x"));
}

}  // namespace
}  // namespace veltrano
