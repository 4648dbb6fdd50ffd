#include "shell/win32/win32_file_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "shell/win32/utf16.h"

namespace veltrano::win32 {
namespace {

class Win32FileSystemTest : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"veltrano-fs-test-àè";
    CreateDirectoryW(folder_.c_str(), nullptr);
    path_ = narrow(folder_) + "\\velt2.ini";
  }
  void TearDown() override {
    DeleteFileW(widen(path_).c_str());
    DeleteFileW(widen(path_ + ".tmp").c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  bool exists(const std::string& path) const {
    return GetFileAttributesW(widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  Win32FileSystem files_;
  std::wstring folder_;
  std::string path_;
};

TEST_F(Win32FileSystemTest, MissingFileReadsAsNothing) {
  EXPECT_EQ(files_.readAll(path_), std::nullopt);
}

TEST_F(Win32FileSystemTest, ReplacedFileHoldsExactlyTheNewBytesAndNoTemporaryIsLeft) {
  ASSERT_TRUE(files_.writeAll(path_, "old content that is longer\r\n"));
  ASSERT_TRUE(files_.replaceAll(path_, std::string("new\r\n\0\xE8", 7)));
  EXPECT_EQ(files_.readAll(path_), std::string("new\r\n\0\xE8", 7));
  EXPECT_FALSE(exists(path_ + ".tmp"));
}

TEST_F(Win32FileSystemTest, HiddenReadOnlyLeftoverFromACutRewriteDoesNotBlockTheNext) {
  ASSERT_TRUE(files_.writeAll(path_ + ".tmp", "half a file"));
  SetFileAttributesW(widen(path_ + ".tmp").c_str(),
                     FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(files_.replaceAll(path_, "whole\r\n"));
  EXPECT_EQ(files_.readAll(path_), "whole\r\n");
  EXPECT_FALSE(exists(path_ + ".tmp"));
}

TEST_F(Win32FileSystemTest, ReplaceCreatesAFileThatDidNotExist) {
  ASSERT_TRUE(files_.replaceAll(path_, "x"));
  EXPECT_EQ(files_.readAll(path_), "x");
}

TEST_F(Win32FileSystemTest, WriteTruncatesTheOldContent) {
  ASSERT_TRUE(files_.writeAll(path_, "a long first version"));
  ASSERT_TRUE(files_.writeAll(path_, "short"));
  EXPECT_EQ(files_.readAll(path_), "short");
}

TEST_F(Win32FileSystemTest, FileHeldOpenWithoutDeleteSharingKeepsItsOldContent) {
  ASSERT_TRUE(files_.writeAll(path_, "old"));
  const HANDLE holder =
      CreateFileW(widen(path_).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(files_.replaceAll(path_, "new"));
  CloseHandle(holder);
  EXPECT_EQ(files_.readAll(path_), "old");
  EXPECT_FALSE(exists(path_ + ".tmp"));
}

TEST_F(Win32FileSystemTest, FileOpenForWritingElsewhereCanStillBeRead) {
  ASSERT_TRUE(files_.writeAll(path_, "shared"));
  const HANDLE writer =
      CreateFileW(widen(path_).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(files_.readAll(path_), "shared");
  CloseHandle(writer);
}

}  // namespace
}  // namespace veltrano::win32
