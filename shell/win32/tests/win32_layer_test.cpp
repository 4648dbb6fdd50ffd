// The Win32 layer on real controls, files and processes under Wine, at 144 DPI: what a screen
// reader and the keyboard meet in the window and the toolkit's event rules, velt2.ini rewritten
// through faults, the batch file and the cmd that runs it, the code pages. Where Wine cannot show
// a fault (elevation, ACLs, what the adapter reports), each piece is handed what Windows would
// hand it. One test runs alone in the child that the kill test ends in the middle of its rewrites.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <windows.h>

#include <process.h>

#include <gtest/gtest.h>
#include <sddl.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
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
#include "shell/win32/win32_platform.h"
#include "shell/win32/win32_proxy_settings.h"
#include "shell/win32/win32_registry.h"

namespace veltrano::win32 {
namespace {

// The rules the window logic relies on, and what a screen reader and the keyboard meet, on one
// window. The test logs its own calls too, so the log shows which handlers ran before a call
// returned. Activation, a Tab key and unload come through the program's own message loop.
TEST(MainWindow, EventRulesHoldFieldsFollowTheirLabelsNothingOverlapsTabMovesTheFocusAtAnyDpi) {
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
  // The test prefix is at 144 DPI: the designed 9885 x 4995 twips are 989 x 500 pixels, and
  // the status bar lies below them, along the bottom.
  RECT client{}, bar{};
  GetClientRect(hwnd, &client);
  GetWindowRect(GetDlgItem(hwnd, ids::barStato), &bar);
  MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(std::to_string(GetDpiForWindow(hwnd)) + " " + std::to_string(client.right) + "x" +
                std::to_string(bar.top) + " " + std::to_string(client.bottom - bar.bottom),
            "144 989x500 0");
  // No two controls share a pixel, and each lies inside its frame (frames hold, not overlap).
  for (const ControlLayout& one : controlTable()) {
    RECT a{}, b{}, both{};
    GetWindowRect(GetDlgItem(hwnd, one.id), &a);
    GetWindowRect(GetDlgItem(hwnd, one.frameId == 0 ? one.id : one.frameId), &b);
    EXPECT_TRUE(EqualRect(&a, &b) || (IntersectRect(&both, &a, &b) && EqualRect(&both, &a)));
    for (const ControlLayout& other : controlTable()) {
      GetWindowRect(GetDlgItem(hwnd, other.id), &b);
      const bool apart = one.id == other.id || one.kind == ControlKind::Frame ||
                         other.kind == ControlKind::Frame || !IntersectRect(&both, &a, &b) ||
                         (one.visible != other.visible);  // the name field in the list's place
      EXPECT_TRUE(apart) << one.id << " overlaps " << other.id;
    }
  }
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
  TextField& gateway = window.textField(ids::txtGateway);
  ip.setFocusHandlers([&] { log += "got IP|"; }, [] {});
  gateway.setFocusHandlers([&] { log += "got gateway|"; }, [] {});
  ip.setEnabled(true);
  ip.setFocus();
  gateway.setFocus();
  gateway.setEnabled(true);  // Tab from IP passes over the disabled mask to the gateway
  PostMessageW(GetDlgItem(hwnd, ids::txtIP), WM_KEYDOWN, VK_TAB, 0);
  window.close();
  window.close();  // asked twice, it still unloads once
  log += "closed|";
  runMessageLoop(hwnd, window.toolTips());  // the program's own loop: it ends with the window
  EXPECT_EQ(
      log, "No|set 1|set 1|Mai|set 3||set -1|Mai|set 3|got IP|closed|activate|got gateway|unload|");
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
  // In a folder cmd would read as another ("V%OS%x" as "VWindows_NTx"), nothing runs at all.
  const auto expanded = kFolder.parent_path() / "VWindows_NTx",
             unexpanded = kFolder.parent_path() / "V%OS%x";
  std::filesystem::create_directories(expanded), std::filesystem::create_directories(unexpanded);
  std::ofstream(expanded / "lastconnection.bat") << "echo x>\"%~dp0planted ran\"";
  Win32BatchRunner moved(nullptr, 850);
  const std::string movedBatch = narrow((unexpanded / "lastconnection.bat").wstring());
  ASSERT_EQ(moved.write(movedBatch, "rem\r\n"), WriteResult::Written);
  EXPECT_EQ(moved.start({movedBatch}), StartResult::Failed);
  const auto batch = kFolder / "lastconnection.bat";
  std::ofstream(kFolder / "netsh.exe") << "not a program";
  std::ofstream(kFolder / "netsh.bat") << "@exit 1";
  std::ofstream(batch) << "an older file, with the folder's permissions";
  // Full access for SYSTEM and the user, none for anyone else (Wine shows no Administrators).
  const std::string ours = "D:(A;;FA;;;SY)(A;;FA;;;" + narrow(currentUserSid()) + ")";
  ASSERT_NE(daclOf(batch), ours);
  Win32BatchRunner runner(nullptr, 850);
  ASSERT_EQ(runner.write(narrow(batch.wstring()), kBatch), WriteResult::Written);
  EXPECT_EQ(daclOf(batch), ours);
  EXPECT_EQ(Win32BatchRunner(nullptr, 850).write(narrow(batch.wstring()), "rem\r\n"),
            WriteResult::Busy);
  const auto second = kFolder / "second.bat";  // runs after the first, however it ended
  ASSERT_EQ(runner.write(narrow(second.wstring()), "echo x>\"%~dp0second ran\""),
            WriteResult::Written);
  ASSERT_EQ(runner.start({narrow(batch.wstring()), narrow(second.wstring())}),
            StartResult::Started);
  EXPECT_EQ(runner.write(narrow(batch.wstring()), "rem\r\n"), WriteResult::Busy);
  EXPECT_FALSE(std::ofstream(batch, std::ios::app) || std::ofstream(second, std::ios::app))
      << "another writer got in while they ran";
  std::ofstream(kFolder / "go");
  for (int waited = 0; runner.running() && waited < 300; ++waited) {
    Sleep(100);
  }
  EXPECT_TRUE(DeleteFileW(batch.c_str()) && DeleteFileW(second.c_str()))
      << "still held after the batch ended";
  EXPECT_TRUE(std::filesystem::exists(kFolder / "second ran"));
  EXPECT_TRUE(std::filesystem::exists(kFolder / "ran0")) << "the system's netsh did not run";
  EXPECT_FALSE(std::filesystem::exists(expanded / "planted ran")) << "cmd ran another batch";
}

// What GetAdaptersAddresses would fill, as a chain built by hand: the reader must take each
// field for what it is, whatever this machine's adapters are. Then what the interface's TCP/IP
// parameters say of its DNS servers, as netsh leaves them.
TEST(SystemSeams, TheAdapterReaderTakesEachFieldOfTheChainForWhatItIs) {
  sockaddr_in at[7] = {};
  for (BYTE i = 0; i < 7; ++i) {
    at[i].sin_family = AF_INET,
    at[i].sin_addr.S_un.S_un_b = {10, 0, 0, BYTE(i < 4 ? 5 + i : i * 9)};
  }
  sockaddr_in6 v6{AF_INET6, 0, 0, {}, {}};
  const auto socket = [](auto& address) {
    return SOCKET_ADDRESS{reinterpret_cast<LPSOCKADDR>(&address), sizeof address};
  };
  const IP_DAD_STATE states[] = {IpDadStatePreferred, IpDadStateTentative, IpDadStateDuplicate,
                                 IpDadStateDeprecated};
  IP_ADAPTER_UNICAST_ADDRESS unicast[4] = {};
  for (int i = 0; i < 4; ++i) {
    unicast[i].Address = socket(at[i]), unicast[i].OnLinkPrefixLength = UINT8(24 + i);
    unicast[i].DadState = states[i], unicast[i].Next = i < 3 ? &unicast[i + 1] : nullptr;
  }
  IP_ADAPTER_GATEWAY_ADDRESS_LH gateway{};
  gateway.Address = socket(at[4]);
  IP_ADAPTER_DNS_SERVER_ADDRESS dns[3] = {};
  dns[0].Address = socket(at[5]), dns[1].Address = socket(v6), dns[2].Address = socket(at[6]);
  dns[0].Next = &dns[1], dns[1].Next = &dns[2];
  IP_ADAPTER_ADDRESSES chain[3] = {};
  chain[0].FriendlyName = const_cast<PWCHAR>(L"Ethernet è"),
  chain[0].Flags = IP_ADAPTER_DHCP_ENABLED;
  chain[0].AdapterName = const_cast<PCHAR>("{E}"), chain[0].IfType = IF_TYPE_ETHERNET_CSMACD;
  chain[0].FirstUnicastAddress = unicast, chain[0].FirstGatewayAddress = &gateway;
  chain[0].FirstDnsServerAddress = dns, chain[0].Next = &chain[1], chain[1].Next = &chain[2];
  chain[1].FriendlyName = const_cast<PWCHAR>(L"lo"), chain[1].IfType = IF_TYPE_SOFTWARE_LOOPBACK;
  chain[2].FriendlyName = const_cast<PWCHAR>(L"VPN"), chain[2].IfType = IF_TYPE_TUNNEL;
  std::string seen;
  for (const NetworkAdapter& a : adaptersOf(chain, [](const std::string& guid) {
         return guid == "{E}" ? std::optional(std::vector<std::string>{"10.0.0.54"}) : std::nullopt;
       })) {
    seen += a.name + (a.loopbackOrTunnel ? " lt" : "") + (a.dhcp ? " dhcp" : "") + ":";
    for (const IPv4Address& address : a.addresses) {
      seen += " " + address.address + "/" + std::to_string(address.prefixLength) +
              "PTDO"[static_cast<int>(address.state)];
    }
    seen += " |";
    for (const std::string& entry : a.gateways) seen += " " + entry;
    seen += " |";
    for (const std::string& entry : a.dnsServers) seen += " " + entry;
    seen += a.staticDnsServers ? " | typed " + std::to_string(a.staticDnsServers->size()) : " | ?";
    seen += "\n";
  }
  EXPECT_EQ(seen,
            "Ethernet è dhcp: 10.0.0.5/24P 10.0.0.6/25T 10.0.0.7/26D 10.0.0.8/27O | 10.0.0.36 | "
            "10.0.0.45 10.0.0.54 | typed 1\nlo lt: | | | ?\nVPN lt: | | | ?\n");
  const std::wstring interfaces =
      L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\";
  const std::pair<const wchar_t*, const wchar_t*> values[] = {
      {L"NameServer", L"10.0.0.53,10.0.0.54 10.0.0.55"}, {L"NameServer", L""}, {L"Domain", L""}};
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, (interfaces + L"{T3}").c_str());  // none, even after a run
  for (int i = 0; i < 3; ++i) {
    const std::wstring value = values[i].second;
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, (interfaces + L"{T" + std::to_wstring(i) + L"}").c_str(),
                    values[i].first, REG_SZ, value.c_str(), DWORD(2 * value.size() + 2));
  }
  EXPECT_EQ(staticDnsFromRegistry("{T0}"),
            (std::vector<std::string>{"10.0.0.53", "10.0.0.54", "10.0.0.55"}));
  EXPECT_EQ(staticDnsFromRegistry("{T1}"), std::vector<std::string>{});
  EXPECT_EQ(staticDnsFromRegistry("{T2}"), std::vector<std::string>{});
  EXPECT_EQ(staticDnsFromRegistry("{T3}"), std::nullopt);
}

// What Wine cannot show: the administrator prompt, a descriptor as Windows keeps it.
TEST(SystemSeams, CmdIsStartedElevatedOnceAndItsFileMadeForThreeAccountsAlone) {
  CmdStart start{L"C:\\W\\System32\\cmd.exe", L"/d", L"C:\\W\\System32", {}};
  const HWND owner = reinterpret_cast<HWND>(0x1234);
  for (const bool elevated : {false, true}) {
    prepareCmdStart(start, elevated, owner);
    const SHELLEXECUTEINFOW& info = start.info;
    EXPECT_EQ(
        std::wstring(info.lpVerb ? info.lpVerb : L"-") + (info.hwnd == owner ? L" owned" : L""),
        elevated ? L"-" : L"runas owned");
    EXPECT_EQ(std::wstring(info.lpFile) + L" " + info.lpParameters + L" " + info.lpDirectory,
              L"C:\\W\\System32\\cmd.exe /d C:\\W\\System32");
    EXPECT_TRUE(info.cbSize == sizeof info && info.nShow == SW_SHOWMINIMIZED &&
                (info.fMask & SEE_MASK_NOCLOSEPROCESS) != 0);
  }
  EXPECT_EQ(startFailure(ERROR_CANCELLED), StartResult::Declined);  // No at the prompt
  for (const DWORD error :
       {DWORD{ERROR_ACCESS_DENIED}, DWORD{ERROR_FILE_NOT_FOUND}, DWORD{ERROR_NO_ASSOCIATION}}) {
    EXPECT_EQ(startFailure(error), StartResult::Failed);
  }
  // The descriptor whole, as Windows would keep it: protected, and three full grants alone.
  const LocalMemory descriptor = protectedFileDescriptor(L"S-1-5-21-7-8-9-1001");
  char* sddl = nullptr;
  ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor.get(), SDDL_REVISION_1,
                                                       DACL_SECURITY_INFORMATION, &sddl, nullptr);
  EXPECT_STREQ(sddl, "D:P(A;;FA;;;S-1-5-21-7-8-9-1001)(A;;FA;;;SY)(A;;FA;;;BA)");
  LocalFree(sddl);
}

// The registry keeps each value with its type, WinINet sees the proxy written there, and a delay
// runs no earlier than asked by the real clock.
TEST(SystemAnswers, RegistryTypesTheProxyAsWinInetSeesItDelaysAndCodePages) {
  Win32Registry registry;
  const auto valueOf = [](const char* key, const char* name) {
    char bytes[64] = {};
    DWORD type = 0, size = sizeof bytes;
    RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_ANY, &type, bytes, &size);
    return std::to_string(type) + ":" + std::string(bytes, size);
  };
  const char* const settings = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
  registry.setValue(RootKey::CurrentUser, settings, "ProxyEnable", kRegDword, {1, 0, 0, 0});
  registry.setValue(RootKey::CurrentUser, settings, "ProxyServer", kRegSz, {'p', ':', '8', 0});
  registry.setValue(RootKey::CurrentUser, settings, "ProxyOverride", kRegSz, {'<', '>', 0});
  EXPECT_EQ(valueOf(settings, "ProxyEnable") + " " + valueOf(settings, "ProxyServer"),
            std::string("4:\1\0\0\0 1:p:8\0", 13));
  Win32Platform platform;
  platform.internetSettingsChanged();
  EXPECT_EQ(Win32ProxySettings().read(), (ProxyState{true, "p:8", "<>"}));

  const auto asked = std::chrono::steady_clock::now();
  auto fired = asked;
  platform.afterDelay(250, [&fired] {
    fired = std::chrono::steady_clock::now();
    PostQuitMessage(0);
  });
  for (MSG message{}; GetMessageW(&message, nullptr, 0, 0) > 0;) {
    DispatchMessageW(&message);
  }
  EXPECT_GE(fired - asked, std::chrono::milliseconds(250));

  // Text in a code page only when each character has its own byte there: best fit would write a
  // lookalike ("Lodz", "E") that the user never typed.
  EXPECT_EQ(CodePageCodec(1252).fromUtf8("Łódź"), std::nullopt);
  EXPECT_EQ(CodePageCodec(850).fromUtf8("10 €"), std::nullopt);
}

}  // namespace
}  // namespace veltrano::win32
