// The Win32 layer on real controls, files and processes under Wine: what a screen reader and
// the keyboard meet in the window and the toolkit's event rules, velt2.ini rewritten through
// faults, the batch file and the cmd that runs it, the adapters and the code pages. One of its
// tests runs alone in the child that the kill test ends in the middle of its rewrites.
#include <windows.h>

#include <process.h>

#include <gtest/gtest.h>
#include <sddl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
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

// The rules the window logic relies on, and what a screen reader and the keyboard meet, on one
// window. The test logs its own calls too, so the log shows which handlers ran before a call
// returned. Activation and unload come through the message queue.
TEST(MainWindow, EventRulesHoldAndFieldsFollowTheirLabelsInFramesTabSkippingDisabledOnes) {
  std::string log;  // outlives the window, whose handlers write to it
  AppWindow window(GetModuleHandleW(nullptr));
  const HWND hwnd = window.hwnd();
  DropDownList& dhcp = window.dropDownList(ids::cmbDHCP);
  dhcp.setClickHandler([&] { log += dhcp.text() + "|"; });
  dhcp.addItem("No");
  dhcp.addItems({"Forse", "Mai"});
  dhcp.insertItem(0, "Sì");
  for (const int index : {1, 1, 3, -1, 3}) {
    dhcp.setListIndex(index);
    log += "set " + std::to_string(index) + "|";
  }
  dhcp.removeItem(0);
  dhcp.removeItem(2);
  window.setWindowEvents([&] { log += "activate|"; }, [&] { log += "unload|"; });
  window.show(SW_SHOWNORMAL);
  const HWND list = GetDlgItem(hwnd, ids::cmbConnessione);
  // A screen reader names a field by the shown sibling just before it in z-order: that must be
  // the label on the field's row, ending where the field begins. Walking on up reaches the frame.
  for (const bool newName : {true, false}) {  // the name field stands in the list's place
    window.textField(ids::txtConnessione).setVisible(newName);
    window.dropDownList(ids::cmbConnessione).setVisible(!newName);
    for (const ControlLayout& entry : controlTable()) {
      const HWND control = GetDlgItem(hwnd, entry.id);
      HWND above = control;
      int shownId = 0;  // the first shown sibling above: what a reader names the control by
      while ((above = GetWindow(above, GW_HWNDPREV)) && GetDlgCtrlID(above) != entry.frameId) {
        shownId = shownId == 0 && IsWindowVisible(above) ? GetDlgCtrlID(above) : shownId;
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
          EXPECT_EQ(GetDlgCtrlID(GetNextDlgTabItem(hwnd, list, FALSE)), entry.id);
          EnableWindow(control, FALSE);
        }
      }
    }
  }
  // The loop left every field but the list disabled: one enabled again takes the focus, and a
  // field still disabled does not.
  TextField& ip = window.textField(ids::txtIP);
  ip.setFocusHandlers([&] { log += "got IP|"; }, [] {});
  window.textField(ids::txtGateway).setFocusHandlers([&] { log += "got gateway|"; }, [] {});
  ip.setEnabled(true);
  ip.setFocus();
  window.textField(ids::txtGateway).setFocus();
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

// Paths go through UTF-16, and cmd must get them quoted whole.
const auto kFolder = std::filesystem::temp_directory_path() / L"veltrano città & co";
const std::string kPath = narrow((kFolder / "velt2.ini").wstring());
const auto kTmp = kFolder / "velt2.ini.tmp";

// Run alone in a child by the test below, which kills it in the middle of its rewrites.
TEST(Child, DISABLED_RewritesVelt2IniUntilKilled) {
  for (bool old = false;; old = !old) {
    Win32FileSystem().replaceAll(kPath, old ? kOld : kNew);
  }
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

// Names a file after netsh's exit code once it has run, then waits until the test lets it end.
// A netsh.exe planted beside it could not start, and a netsh.bat would never come back. The
// code is in the name because Wine's cmd runs what follows && even when a program cannot start.
constexpr char kBatch[] =
    "netsh help>nul\r\necho x>\"%~dp0ran%errorlevel%\"\r\n:w\r\nif not exist \"%~dp0go\" goto w";

TEST(Win32Disk, Velt2IniStaysWholeThroughFaultsAndKillsAndTheBatchIsHeldAndRunsTheSystemsNetsh) {
  std::filesystem::remove_all(kFolder);
  std::filesystem::create_directories(kFolder);
  Win32FileSystem files;
  ASSERT_TRUE(files.replaceAll(kPath, kOld));
  // Which of the two whole contents the file holds, or how many bytes of neither.
  const auto content = [&] {
    const std::string bytes = files.readAll(kPath).value_or("");
    return bytes == kOld ? "old" : bytes == kNew ? "new" : std::to_string(bytes.size()) + " bytes";
  };
  // Rewrites velt2.ini, held meanwhile without sharing for so long if asked, as an editor or a
  // virus scanner may. Whatever the answer, it must tell which whole file is there, and nothing
  // may be left beside it. Then the old file is put back.
  const auto rewrite = [&](DWORD heldMs = 0) {
    const HANDLE held = heldMs == 0 ? nullptr
                                    : CreateFileW(widen(kPath).c_str(), GENERIC_READ, 0, nullptr,
                                                  OPEN_EXISTING, 0, nullptr);
    std::thread release([=] {
      Sleep(heldMs);
      CloseHandle(held);
    });
    const bool replaced = files.replaceAll(kPath, kNew);
    release.join();
    EXPECT_EQ(content(), replaced ? "new" : "old");
    EXPECT_FALSE(std::filesystem::exists(kTmp));
    SetFileAttributesW(widen(kPath).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(files.replaceAll(kPath, kOld));
    return replaced;
  };
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
  EXPECT_FALSE(files.replaceAll(narrow((kFolder / "gone" / "velt2.ini").wstring()), kNew));
  EXPECT_FALSE(std::filesystem::exists(kFolder / "gone"));
  // A child rewriting the file over and over is killed a little later each round, once its
  // first rewrite is in place.
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  int cutShort = 0;  // kills that left a temporary file: the child was in the middle of a rewrite
  for (DWORD round = 0; round < 25; ++round) {
    const intptr_t child = _wspawnl(_P_NOWAIT, self, L"child", L"--gtest_also_run_disabled_tests",
                                    L"--gtest_filter=Child.*", L"--gtest_brief=1", nullptr);
    ASSERT_NE(child, -1);  // or TerminateProcess would take it for this very process
    for (int wait = 0; wait < 500 && content() != "new"; ++wait) {
      Sleep(20);
    }
    Sleep(round * 3);
    TerminateProcess(reinterpret_cast<HANDLE>(child), 1);
    _cwait(nullptr, child, 0);
    EXPECT_TRUE(content() == "old" || content() == "new") << "round " << round << ": " << content();
    cutShort += std::filesystem::exists(kTmp);
    EXPECT_TRUE(rewrite()) << "round " << round;  // the next rewrite takes up what a kill left
  }
  EXPECT_GT(cutShort, 0) << "no kill met a rewrite halfway";

  // The batch file: rewritten with our own permissions, held while its batch runs, let go after.
  const auto batch = kFolder / "lastconnection.bat";
  std::ofstream(kFolder / "netsh.exe") << "not a program";
  std::ofstream(kFolder / "netsh.bat") << "@exit 1";
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
  EXPECT_FALSE(std::ofstream(batch, std::ios::app)) << "another writer got in while it ran";
  std::ofstream(kFolder / "go");
  for (int waited = 0; runner.running() && waited < 300; ++waited) {
    Sleep(100);
  }
  EXPECT_TRUE(DeleteFileW(batch.c_str())) << "still held after the batch ended";
  EXPECT_TRUE(std::filesystem::exists(kFolder / "ran0")) << "the system's netsh did not run";
}

// What Windows answers reaches the program exactly: the adapters with dotted addresses and
// prefixes, and text in a code page only when each character has its own byte there (best fit
// would write a lookalike, "Lodz" or "E", that the user never typed).
TEST(SystemAnswers, AdaptersListTheLoopbackWithPrefixesAndCodePagesRefuseLookalikes) {
  bool loopback = false;
  for (const auto listed = Win32NetworkAdapters().list(); const auto& adapter : listed.value()) {
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
