#include "shell/win32/win32_batch_runner.h"

#include <gtest/gtest.h>
#include <sddl.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "shell/win32/protected_file.h"
#include "shell/win32/utf16.h"
#include "shell/win32/win32_network_adapters.h"

namespace veltrano::win32 {
namespace {

std::filesystem::path thisProgram() {
  wchar_t path[MAX_PATH];
  return std::wstring(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
}

// Copied beside a batch as netsh.exe, this program only leaves a mark there and ends.
const bool kRanAsPlantedNetsh = [] {
  if (thisProgram().filename() == "netsh.exe") {
    std::ofstream(thisProgram().parent_path() / "planted-ran");
    ExitProcess(0);
  }
  return false;
}();

// In SDDL; Wine shows a file's Unix mode bits as a DACL.
std::string daclOf(const std::filesystem::path& file) {
  alignas(8) BYTE descriptor[4096] = {};
  DWORD size = 0;
  wchar_t* text = nullptr;
  GetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, descriptor, sizeof descriptor, &size);
  ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, SDDL_REVISION_1,
                                                       DACL_SECURITY_INFORMATION, &text, nullptr);
  const std::string dacl = narrow(text == nullptr ? L"" : text);
  LocalFree(text);
  return dacl;
}

// Leaves a mark once netsh has run, then waits until the test lets it end.
constexpr char kBatch[] =
    "netsh help>nul\r\necho x>\"%~dp0called\"\r\n:w\r\nif not exist \"%~dp0go\" goto w\r\n";

TEST(BatchRunnerTest, BatchIsOursAloneHeldWhileItRunsAndCallsTheSystemsNetshNotOnesBesideIt) {
  // A blank and an ampersand: cmd must get the path quoted whole.
  const auto folder = std::filesystem::temp_directory_path() / "veltrano batch & test";
  const auto batch = folder / "lastconnection.bat";
  const std::string batchPath = narrow(batch.wstring());
  std::filesystem::remove_all(folder);
  std::filesystem::create_directory(folder);
  std::filesystem::copy_file(thisProgram(), folder / "netsh.exe");
  std::ofstream(folder / "netsh.bat") << "@echo x>\"%~dp0planted-ran\"";
  std::ofstream(batch) << "an older file, with the folder's permissions";
  const std::regex ours("D:P?(\\(A;;FA;;;(SY|BA|" + narrow(currentUserSid()) + ")\\))+");
  ASSERT_FALSE(std::regex_match(daclOf(batch), ours)) << daclOf(batch);
  Win32BatchRunner runner(nullptr);
  ASSERT_EQ(runner.write(batchPath, kBatch), WriteResult::Written);
  EXPECT_TRUE(std::regex_match(daclOf(batch), ours)) << daclOf(batch);
  EXPECT_EQ(Win32BatchRunner(nullptr).write(batchPath, "rem\r\n"), WriteResult::Busy);
  ASSERT_EQ(runner.start(batchPath), StartResult::Started);
  EXPECT_EQ(runner.write(batchPath, "rem\r\n"), WriteResult::Busy);
  EXPECT_EQ(CreateFileW(batch.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                        nullptr),
            INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
  std::ofstream(folder / "go");
  for (int waited = 0; runner.running() && waited < 300; ++waited) {
    Sleep(100);
  }
  EXPECT_TRUE(DeleteFileW(batch.c_str())) << "still held after the batch ended";
  EXPECT_TRUE(std::filesystem::exists(folder / "called"));
  EXPECT_FALSE(std::filesystem::exists(folder / "planted-ran"));
  std::filesystem::remove_all(folder);
}

TEST(NetworkAdaptersTest, LoopbackIsListedAndEveryAddressIsDottedDecimalWithAPrefix) {
  const auto adapters = Win32NetworkAdapters().list();
  ASSERT_TRUE(adapters.has_value());
  bool loopback = false;
  for (const NetworkAdapter& adapter : *adapters) {
    for (const IPv4Address& address : adapter.addresses) {
      EXPECT_TRUE(std::regex_match(address.address, std::regex(R"((\d{1,3}\.){3}\d{1,3})")) &&
                  address.prefixLength > 0 && address.prefixLength <= 32);
      loopback |= adapter.loopbackOrTunnel && address.address == "127.0.0.1";
    }
  }
  EXPECT_TRUE(loopback);
}

}  // namespace
}  // namespace veltrano::win32
