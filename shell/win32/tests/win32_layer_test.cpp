// The Win32 layer on real controls, files and processes under Wine: what a screen reader and
// the keyboard meet in the window, the toolkit's event rules, velt2.ini rewritten through faults,
// the batch file and the cmd that runs it, the adapters and the code pages. This program is
// also the child that the kill test ends in the middle of its rewrites, and the netsh.exe
// planted beside a batch.
#include <windows.h>

#include <process.h>

#include <gtest/gtest.h>
#include <sddl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <thread>

#include "shell/win32/code_page_codec.h"
#include "shell/win32/control_ids.h"
#include "shell/win32/layout.h"
#include "shell/win32/main_window.h"
#include "shell/win32/message_loop.h"
#include "shell/win32/protected_file.h"
#include "shell/win32/utf16.h"
#include "shell/win32/win32_batch_runner.h"
#include "shell/win32/win32_file_system.h"
#include "shell/win32/win32_network_adapters.h"

namespace veltrano::win32 {
namespace {

// A screen reader names a field by the shown sibling just before it in z-order: that must be
// the label on the field's row, ending where the field begins. Walking on up reaches the frame.
TEST(MainWindow, FieldsFollowTheirLabelsControlsTheirFrameAndTabSkipsDisabledFields) {
  AppWindow window(GetModuleHandleW(nullptr));
  window.show(SW_SHOWNOACTIVATE);
  const HWND list = GetDlgItem(window.hwnd(), ids::cmbConnessione);
  for (const bool newName : {true, false}) {  // the name field stands in the list's place
    window.textField(ids::txtConnessione).setVisible(newName);
    window.dropDownList(ids::cmbConnessione).setVisible(!newName);
    for (const ControlLayout& entry : controlTable()) {
      const HWND control = GetDlgItem(window.hwnd(), entry.id);
      HWND above = GetWindow(control, GW_HWNDPREV);
      int shownId = 0;  // the first shown sibling above: what a reader names the control by
      while (above != nullptr && GetDlgCtrlID(above) != entry.frameId) {
        shownId = shownId == 0 && IsWindowVisible(above) ? GetDlgCtrlID(above) : shownId;
        above = GetWindow(above, GW_HWNDPREV);
      }
      EXPECT_TRUE(entry.frameId == 0 || above != nullptr) << entry.id;
      if ((entry.kind == ControlKind::TextField || entry.kind == ControlKind::DropDownList) &&
          IsWindowVisible(control)) {
        const auto label = std::ranges::find(controlTable(), shownId, &ControlLayout::id);
        ASSERT_TRUE(label != controlTable().end() && label->kind == ControlKind::Label) << entry.id;
        EXPECT_EQ(label->rect.left + label->rect.width, entry.rect.left) << entry.id;
        EXPECT_NEAR(label->rect.top, entry.rect.top, entry.rect.height) << entry.id;
        // Each field in turn is the next enabled one after the list once those before are off.
        if (!newName && control != list) {
          EXPECT_EQ(GetNextDlgTabItem(window.hwnd(), list, FALSE), control) << entry.id;
          EnableWindow(control, FALSE);
        }
      }
    }
  }
}

// The rules the window logic relies on. The test logs its own calls too, so the log shows which
// handlers ran before a call returned. Activation and unload come through the message queue.
TEST(MainWindow, EventRulesHoldOnRealControls) {
  std::string log;  // outlives the window, whose handlers write to it
  AppWindow window(GetModuleHandleW(nullptr));
  DropDownList& list = window.dropDownList(ids::cmbDHCP);
  list.setClickHandler([&] { log += list.text() + "|"; });
  list.addItem("No");
  list.addItems({"Forse", "Mai"});
  list.insertItem(0, "Sì");
  for (const int index : {1, 1, 3, -1, 3}) {
    list.setListIndex(index);
    log += "set " + std::to_string(index) + "|";
  }
  list.removeItem(0);
  list.removeItem(2);
  const HWND hwnd = window.hwnd();
  window.setWindowEvents([&] { log += "activate|"; }, [&] { log += "unload|"; });
  window.show(SW_SHOWNORMAL);
  TextField& gateway = window.textField(ids::txtGateway);
  window.textField(ids::txtIP).setFocusHandlers([&] { log += "got IP|"; }, [] {});
  gateway.setFocusHandlers([&] { log += "got gateway|"; }, [] {});
  gateway.setEnabled(false);
  window.textField(ids::txtIP).setFocus();
  gateway.setFocus();
  EXPECT_EQ(GetFocus(), GetDlgItem(hwnd, ids::txtIP));
  window.close();
  window.close();  // asked twice, it still unloads once
  log += "closed|";
  runMessageLoop(hwnd, window.toolTips());  // the program's own loop: it ends with the window
  EXPECT_EQ(log, "No|set 1|set 1|Mai|set 3||set -1|Mai|set 3|got IP|closed|activate|unload|");
  EXPECT_FALSE(IsWindow(hwnd));
}

// Two whole contents of different sizes: a cut or a mix of them is neither.
const std::string kOld = std::string(300000, 'o') + "\r\n";
const std::string kNew = std::string(200000, 'n') + "\r\n";
constexpr wchar_t kChildFlag[] = L"--rewrite-until-killed";

// Paths go through UTF-16, and cmd must get them quoted whole.
const auto kFolder = std::filesystem::temp_directory_path() / L"veltrano città & co";
const std::string kPath = narrow((kFolder / "velt2.ini").wstring());
const auto kTmp = kFolder / "velt2.ini.tmp";

std::filesystem::path thisProgram() {
  wchar_t path[MAX_PATH];
  return std::wstring(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
}

class Win32Disk : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::remove_all(kFolder);
    std::filesystem::create_directories(kFolder);
    ASSERT_TRUE(files_.replaceAll(kPath, kOld));
  }
  // Which of the two whole contents the file holds, or how many bytes of neither.
  std::string content() {
    const std::string bytes = files_.readAll(kPath).value_or("");
    return bytes == kOld ? "old" : bytes == kNew ? "new" : std::to_string(bytes.size()) + " bytes";
  }
  // Rewrites velt2.ini, held meanwhile without sharing for so long if asked, as an editor or a
  // virus scanner may. Whatever the answer, it must tell which whole file is there, and nothing
  // may be left beside it. Then the old file is put back.
  bool rewrite(DWORD heldMs = 0) {
    const HANDLE held = heldMs == 0 ? nullptr
                                    : CreateFileW(widen(kPath).c_str(), GENERIC_READ, 0, nullptr,
                                                  OPEN_EXISTING, 0, nullptr);
    std::thread release([=] {
      Sleep(heldMs);
      CloseHandle(held);
    });
    const bool replaced = files_.replaceAll(kPath, kNew);
    release.join();
    EXPECT_EQ(content(), replaced ? "new" : "old");
    EXPECT_FALSE(std::filesystem::exists(kTmp));
    SetFileAttributesW(widen(kPath).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(files_.replaceAll(kPath, kOld));
    return replaced;
  }

  Win32FileSystem files_;
};

TEST_F(Win32Disk, RewriteThroughFaultsOrKilledLeavesAWholeFileAsAnsweredAndNothingBeside) {
  // A rewrite cut short leaves the start of a new file, perhaps hidden and read-only.
  for (const int attributes : {FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY,
                               FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_NORMAL}) {
    std::ofstream(kTmp, std::ios::binary) << kNew.substr(0, 1000);
    SetFileAttributesW(kTmp.c_str(), static_cast<DWORD>(attributes));
    EXPECT_TRUE(rewrite()) << attributes;
  }
  EXPECT_FALSE(rewrite(1500)) << "the move is tried for half a second";
  EXPECT_TRUE(rewrite(150));
  // Windows refuses to move a file over a read-only one; Wine does it.
  SetFileAttributesW(widen(kPath).c_str(), FILE_ATTRIBUTE_READONLY);
  rewrite();
  EXPECT_FALSE(files_.replaceAll(narrow((kFolder / "gone" / "velt2.ini").wstring()), kNew));
  EXPECT_FALSE(std::filesystem::exists(kFolder / "gone"));
  // A child rewriting the file over and over is killed a little later each round, once its
  // first rewrite is in place.
  int cutShort = 0;  // kills that left a temporary file: the child was in the middle of a rewrite
  for (DWORD round = 0; round < 25; ++round) {
    const auto child = reinterpret_cast<HANDLE>(
        _wspawnl(_P_NOWAIT, thisProgram().c_str(), L"child", kChildFlag, nullptr));
    ASSERT_NE(child, INVALID_HANDLE_VALUE);
    for (int wait = 0; wait < 500 && content() != "new"; ++wait) {
      Sleep(20);
    }
    Sleep(round * 3);
    TerminateProcess(child, 1);
    WaitForSingleObject(child, INFINITE);
    CloseHandle(child);
    EXPECT_TRUE(content() == "old" || content() == "new") << "round " << round << ": " << content();
    cutShort += std::filesystem::exists(kTmp);
    EXPECT_TRUE(rewrite()) << "round " << round;  // the next rewrite takes up what a kill left
  }
  EXPECT_GT(cutShort, 0) << "no kill met a rewrite halfway";
}

// In SDDL; Wine shows a file's Unix mode bits as a DACL.
std::string daclOf(const std::filesystem::path& file) {
  alignas(8) BYTE descriptor[4096] = {};
  DWORD size = 0;
  char* text = nullptr;
  GetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, descriptor, sizeof descriptor, &size);
  ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor, SDDL_REVISION_1,
                                                       DACL_SECURITY_INFORMATION, &text, nullptr);
  const std::string dacl = text == nullptr ? "" : text;
  LocalFree(text);
  return dacl;
}

// Leaves a mark once netsh has run, then waits until the test lets it end.
constexpr char kBatch[] =
    "netsh help>nul\r\necho x>\"%~dp0called\"\r\n:w\r\nif not exist \"%~dp0go\" goto w\r\n";

TEST_F(Win32Disk, BatchIsOursAloneHeldWhileItRunsAndCallsTheSystemsNetshNotOnesBesideIt) {
  const auto batch = kFolder / "lastconnection.bat";
  std::filesystem::copy_file(thisProgram(), kFolder / "netsh.exe");
  std::ofstream(kFolder / "netsh.bat") << "@echo x>\"%~dp0planted-ran\"";
  std::ofstream(batch) << "an older file, with the folder's permissions";
  // Full access for SYSTEM and the user, none for anyone else (Wine shows no Administrators).
  const std::string ours = "D:(A;;FA;;;SY)(A;;FA;;;" + narrow(currentUserSid()) + ")";
  ASSERT_NE(daclOf(batch), ours);
  Win32BatchRunner runner(nullptr);
  ASSERT_EQ(runner.write(narrow(batch.wstring()), kBatch), WriteResult::Written);
  EXPECT_EQ(daclOf(batch), ours);
  EXPECT_EQ(Win32BatchRunner(nullptr).write(narrow(batch.wstring()), "rem\r\n"), WriteResult::Busy);
  ASSERT_EQ(runner.start(narrow(batch.wstring())), StartResult::Started);
  EXPECT_EQ(runner.write(narrow(batch.wstring()), "rem\r\n"), WriteResult::Busy);
  const HANDLE writer = CreateFileW(batch.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  EXPECT_TRUE(writer == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION);
  std::ofstream(kFolder / "go");
  for (int waited = 0; runner.running() && waited < 300; ++waited) {
    Sleep(100);
  }
  EXPECT_TRUE(DeleteFileW(batch.c_str())) << "still held after the batch ended";
  EXPECT_TRUE(std::filesystem::exists(kFolder / "called"));
  EXPECT_FALSE(std::filesystem::exists(kFolder / "planted-ran"));
}

// What Windows answers reaches the program exactly: the adapters with dotted addresses and
// prefixes, and text in a code page only when each character has its own byte there (best fit
// would write a lookalike, "Lodz" or "E", that the user never typed).
TEST(SystemAnswers, AdaptersListTheLoopbackWithPrefixesAndCodePagesRefuseLookalikes) {
  bool loopback = false;
  const auto adapters = Win32NetworkAdapters().list().value();
  for (const NetworkAdapter& adapter : adapters) {
    for (const IPv4Address& address : adapter.addresses) {
      EXPECT_TRUE(std::regex_match(address.address, std::regex(R"((\d{1,3}\.){3}\d{1,3})")) &&
                  address.prefixLength > 0 && address.prefixLength <= 32);
      loopback |= adapter.loopbackOrTunnel && address.address == "127.0.0.1";
    }
  }
  EXPECT_TRUE(loopback);
  EXPECT_EQ(CodePageCodec(1252).fromUtf8("Łódź"), std::nullopt);
  EXPECT_EQ(CodePageCodec(850).fromUtf8("10 €"), std::nullopt);
}

}  // namespace
}  // namespace veltrano::win32

int main(int argc, char** argv) {
  using namespace veltrano::win32;
  // Started so by the kill test, this program rewrites velt2.ini until it is killed.
  for (bool old = false; argc == 2 && argv[1] == narrow(kChildFlag); old = !old) {
    Win32FileSystem().replaceAll(kPath, old ? kOld : kNew);
  }
  if (thisProgram().filename() != "netsh.exe") {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
  }
  // Planted beside a batch, this copy must never run: it leaves a mark if it does.
  std::ofstream(thisProgram().parent_path() / "planted-ran");
}
