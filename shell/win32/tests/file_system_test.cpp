// Faults around a rewrite of velt2.ini on a real disk under Wine: after each one the file is the
// old one or the new one, whole, and nothing is left beside it. This program is also the child
// that the kill test ends in the middle of its rewrites.
#include "shell/win32/win32_file_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "shell/win32/utf16.h"

namespace veltrano::win32 {
namespace {

// Two whole contents of different sizes: a cut or a mix of them is neither.
const std::string kOld = std::string(300000, 'o') + "\r\n";
const std::string kNew = std::string(200000, 'n') + "\r\n";
constexpr const char* kChildFlag = "--rewrite-until-killed";

const std::filesystem::path kFolder = std::filesystem::temp_directory_path() / L"veltrano-città";

std::string profilePath(const char* suffix = "") {
  return narrow((kFolder / "velt2.ini").wstring()) + suffix;
}

class Win32FileSystemFaults : public testing::Test {
 protected:
  void SetUp() override {
    SetFileAttributesW(widen(profilePath()).c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(kFolder);
    std::filesystem::create_directories(kFolder);
    ASSERT_TRUE(files_.replaceAll(profilePath(), kOld));
  }
  bool leftover() const { return std::filesystem::exists(kFolder / "velt2.ini.tmp"); }
  // Which of the two whole contents the file holds, or how many bytes of neither.
  std::string content() {
    const std::string bytes = files_.readAll(profilePath()).value_or("");
    return bytes == kOld ? "old" : bytes == kNew ? "new" : std::to_string(bytes.size()) + " bytes";
  }

  Win32FileSystem files_;
};

TEST_F(Win32FileSystemFaults, PartialTemporaryFileLeftByACutRewriteDoesNotBlockTheNext) {
  const DWORD leftovers[] = {FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY,
                             FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_NORMAL};
  for (const DWORD attributes : leftovers) {
    std::ofstream(kFolder / "velt2.ini.tmp", std::ios::binary) << kNew.substr(0, 1000);
    SetFileAttributesW(widen(profilePath(".tmp")).c_str(), attributes);
    EXPECT_TRUE(files_.replaceAll(profilePath(), kNew)) << attributes;
    EXPECT_EQ(content(), "new") << attributes;
    EXPECT_FALSE(leftover()) << attributes;
  }
}

// Another program holds the file without sharing it, as an editor or a virus scanner may.
TEST_F(Win32FileSystemFaults, HeldFileIsReplacedOnlyWhenReleasedWithinTheRetries) {
  for (const auto& [heldMs, replaced] :
       {std::pair{DWORD{1500}, false}, std::pair{DWORD{150}, true}}) {
    const HANDLE holder = CreateFileW(widen(profilePath()).c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    std::thread release([holder, ms = heldMs] {
      Sleep(ms);
      CloseHandle(holder);
    });
    EXPECT_EQ(files_.replaceAll(profilePath(), kNew), replaced) << heldMs;
    release.join();
    EXPECT_EQ(content(), replaced ? "new" : "old") << heldMs;
    EXPECT_FALSE(leftover()) << heldMs;
  }
}

// Windows refuses to move a file over a read-only one; Wine does it. Either way the answer must
// tell which file is there.
TEST_F(Win32FileSystemFaults, ReadOnlyTargetOrMissingFolderGiveAWholeFileAndATrueAnswer) {
  SetFileAttributesW(widen(profilePath()).c_str(), FILE_ATTRIBUTE_READONLY);
  const bool replaced = files_.replaceAll(profilePath(), kNew);
  EXPECT_EQ(content(), replaced ? "new" : "old");
  EXPECT_FALSE(leftover());
  EXPECT_FALSE(files_.replaceAll(narrow((kFolder / "gone" / "velt2.ini").wstring()), kNew));
  EXPECT_FALSE(std::filesystem::exists(kFolder / "gone"));
}

TEST_F(Win32FileSystemFaults, ProcessKilledDuringRewritesLeavesOneWholeFile) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring commandLine = L"\"" + std::wstring(self) + L"\" " + widen(kChildFlag);
  int cutShort = 0;  // kills that left a temporary file: the child was in the middle of a rewrite
  for (DWORD round = 0; round < 25; ++round) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &child));
    // Once its first rewrite is in place, the child is ended a little later each round.
    for (int wait = 0; wait < 500 && content() != "new"; ++wait) {
      Sleep(20);
    }
    Sleep(round * 3);
    TerminateProcess(child.hProcess, 1);
    WaitForSingleObject(child.hProcess, INFINITE);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);
    EXPECT_TRUE(content() == "old" || content() == "new") << "round " << round << ": " << content();
    cutShort += leftover();
    ASSERT_TRUE(files_.replaceAll(profilePath(), kOld));
  }
  EXPECT_GT(cutShort, 0) << "no kill met a rewrite halfway";
  EXPECT_FALSE(leftover());
}

}  // namespace
}  // namespace veltrano::win32

int main(int argc, char** argv) {
  namespace win32 = veltrano::win32;
  if (argc == 2 && std::string(argv[1]) == win32::kChildFlag) {
    for (bool old = false;; old = !old) {
      win32::Win32FileSystem().replaceAll(win32::profilePath(), old ? win32::kOld : win32::kNew);
    }
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
