// The end-to-end driver's helpers: veltrano.exe in a program folder of its own, reached through
// the control IDs of shell/win32/control_ids.h as a UI-automation tool would. Expected bytes are
// built here by hand and the machine is read through other calls than the program's, so that a
// fault of the program cannot move its own expectation. A helper that finds something wrong
// throws, so a flow stops at its first fault with a clear message.
#pragma once

#include <winsock2.h>
#include <ws2ipdef.h>

#include <windows.h>

#include <commctrl.h>
#include <iphlpapi.h>
#include <netioapi.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "lang/messaggi.h"
#include "shell/win32/control_ids.h"
#include "shell/win32/utf16.h"

namespace e2e {

namespace fs = std::filesystem;
namespace ids = veltrano::ids;
using veltrano::componi, veltrano::win32::narrow, veltrano::win32::widen;

// A connection as its nine lines of velt2.ini: name, DHCP, IP, mask, gateway, DNS, use proxy,
// proxy server, proxy port (the order the window shows them).
struct Row {
  std::string nome, dhcp, ip, mask, gateway, dns, useProxy, proxy, proxyPort;
};

// Throws when a check fails, so that the flow stops there.
inline void check(bool good, const std::string& what) {
  good ? void() : throw std::runtime_error(what);
}

// Expected and actual each on a line of its own, so that line ends and code pages show.
inline void same(const std::string& what, const std::string& expected, const std::string& actual) {
  check(expected == actual, what + ":\n  expected [" + expected + "]\n  got      [" + actual + "]");
}

// Looks again every 20 ms until `find` gives something or 15 s have gone by.
template <class Find>
auto poll(Find find) {
  for (const ULONGLONG end = GetTickCount64() + 15000;; Sleep(20)) {
    if (auto found = find(); found || GetTickCount64() >= end)
      return found;
  }
}

inline std::string textOf(HWND window) {
  wchar_t text[4096] = {};
  SendMessageW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
  return narrow(text);
}

// A file's bytes; none when there is no such file.
inline std::string bytesOf(const fs::path& file) {
  std::ifstream stream(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(stream), {}};
}

// Latin letters of UTF-8 text as Windows-1252 bytes, which are Latin-1's there: enough for the
// flows' own texts.
inline std::string ansi(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    out += byte == 0xC3 ? static_cast<char>(static_cast<unsigned char>(utf8[++i]) + 0x40) : utf8[i];
  }
  return out;
}

// velt2.ini as a user writes it: four header lines, then nine per connection, CR LF after each,
// in the ANSI code page, or in UTF-8 after a byte order mark as Notepad saves it. Once a
// connection has been added or deleted, the program writes the count between two blanks.
inline std::string profile(const std::vector<Row>& rows, const std::string& adapter,
                           const std::string& lang = "IT", bool utf8 = false,
                           bool counted = false) {
  const std::string count = std::to_string(rows.size());
  std::string text =
      adapter + "\r\n\r\n" + lang + "\r\n" + (counted ? " " + count + " " : count) + "\r\n";
  for (const Row& r : rows) {
    for (const std::string* line : {&r.nome, &r.ip, &r.mask, &r.gateway, &r.dns, &r.proxy,
                                    &r.proxyPort, &r.useProxy, &r.dhcp}) {
      text += *line + "\r\n";
    }
  }
  return utf8 ? "\xEF\xBB\xBF" + text : ansi(text);
}

// What the program shows for a catalogue key, in "IT" or "IN".
inline std::string msg(const std::string& key, const std::string& language = "IT") {
  static veltrano::Catalogo catalogue;
  catalogue.caricaMessaggi();  // a second call changes nothing
  return catalogue.getMessaggio(key, language);
}

// The driver's own name for the key of the proxy values, so that a wrong key in the program shows.
constexpr auto kProxyKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// A value of the user's Internet settings, its bytes as the registry holds them (a missing value
// leaves all 1024 NULs, or none, which no flow expects).
inline void expectSetting(const char* name, const std::string& expected) {
  std::string bytes(1024, '\0');
  DWORD size = 1024;
  RegGetValueA(HKEY_CURRENT_USER, kProxyKey, name, RRF_RT_ANY, nullptr, bytes.data(), &size);
  same(name, expected, bytes.substr(0, size));
}

// Where the driver, run as netsh.exe, writes each call: a line of arguments joined by "|". While
// kNetshHold exists, it then waits, as a slow netsh would. The temporary folder is the user's,
// elevated or not.
inline const fs::path kNetshRecord = fs::temp_directory_path() / "netsh-calls.txt";
inline const fs::path kNetshHold = fs::temp_directory_path() / "netsh-hold";

inline std::string dotted(ULONG bits) {  // in network order, as IN_ADDR holds them
  const auto* b = reinterpret_cast<const BYTE*>(&bits);
  return std::to_string(b[0]) + "." + std::to_string(b[1]) + "." + std::to_string(b[2]) + "." +
         std::to_string(b[3]);
}

// This machine through the IP Helper tables, not through the program's GetAdaptersAddresses:
// the first interface a user can pick that has an IPv4 address (under Wine, a Linux interface)
// and a static connection of exactly what it has, so that applying it changes nothing even under
// Wine, whose netsh changes nothing; and the names of all, as a refusal lists them.
struct Machine {
  std::string adapter, names;
  Row here{"Qui è", "NO", "", "", "", "", "NO", "NO PROXY", "NO PROXY"};
  int prefix = 0;
};
inline Machine machine() {
  Machine m;
  MIB_IF_TABLE2* interfaces = nullptr;
  MIB_UNICASTIPADDRESS_TABLE* addresses = nullptr;
  MIB_IPFORWARD_TABLE2* routes = nullptr;
  check(GetIfTable2(&interfaces) == NO_ERROR &&
            GetUnicastIpAddressTable(AF_INET, &addresses) == 0 &&
            GetIpForwardTable2(AF_INET, &routes) == NO_ERROR,
        "the IP Helper tables cannot be read");
  ULONG64 luid = 0;
  for (const MIB_IF_ROW2& row : std::span(interfaces->Table, interfaces->NumEntries)) {
    if (row.Type == IF_TYPE_SOFTWARE_LOOPBACK || row.Type == IF_TYPE_TUNNEL)
      continue;
    m.names += (m.names.empty() ? "\"" : ", \"") + narrow(row.Alias) + "\"";
    for (const auto& address : std::span(addresses->Table, addresses->NumEntries)) {
      if (m.adapter.empty() && address.InterfaceLuid.Value == row.InterfaceLuid.Value) {
        m.adapter = narrow(row.Alias), luid = row.InterfaceLuid.Value;
        m.prefix = address.OnLinkPrefixLength,
        m.here.ip = dotted(address.Address.Ipv4.sin_addr.S_un.S_addr);
        m.here.mask = dotted(_byteswap_ulong(m.prefix == 0 ? 0 : ~0ul << (32 - m.prefix)));
      }
    }
  }
  for (const MIB_IPFORWARD_ROW2& route : std::span(routes->Table, routes->NumEntries)) {
    if (route.InterfaceLuid.Value == luid && route.DestinationPrefix.PrefixLength == 0) {
      m.here.gateway = dotted(route.NextHop.Ipv4.sin_addr.S_un.S_addr);
    }
  }
  FreeMibTable(interfaces), FreeMibTable(addresses), FreeMibTable(routes);
  alignas(8) char buffer[16384];
  ULONG size = sizeof buffer;
  check(GetNetworkParams(reinterpret_cast<FIXED_INFO*>(buffer), &size) == NO_ERROR, "no DNS");
  for (auto* dns = &reinterpret_cast<FIXED_INFO*>(buffer)->DnsServerList; dns; dns = dns->Next)
    m.here.dns += (m.here.dns.empty() ? "" : ", ") + std::string(dns->IpAddress.String);
  check(!m.adapter.empty(), "this machine shows no network adapter with an IPv4 address");
  return m;
}

class Session {
 public:
  const fs::path folder;

  // Starts veltrano.exe with these arguments, with no netsh calls recorded yet: given a velt2.ini,
  // on it in a fresh copy of the exe's folder, named `name` in the temporary folder (with a blank,
  // as "Program Files" has); otherwise where the exe stands, on what is there. `quoted`: its path
  // quoted on the command line, as a shortcut has it; otherwise bare, as CreateProcess allows.
  Session(const fs::path& exe, std::optional<std::string> ini, const std::wstring& args = {},
          bool quoted = true, const std::wstring& name = L"veltrano e2e")
      : folder(ini ? fs::temp_directory_path() / name : exe.parent_path()) {
    fs::remove(kNetshRecord);
    if (ini) {
      fs::remove_all(folder);
      fs::copy(exe.parent_path(), folder);
      std::ofstream(folder / "velt2.ini", std::ios::binary) << *ini;
    }
    const std::wstring path = (folder / exe.filename()).wstring();
    std::wstring line = (quoted ? L"\"" + path + L"\" " : path + L" ") + args;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    check(CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         folder.c_str(), &startup, &process_),
          "cannot run " + narrow(line));
    CloseHandle(process_.hThread);
  }
  ~Session() {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hProcess);
  }

  std::string read(const std::string& name) const { return bytesOf(folder / name); }
  bool running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }
  // The exit code once the program has ended (~0 when unreadable); `windowless`: showing no
  // window on the way.
  DWORD waitForExit(bool windowless = false) const {
    for (const auto end = GetTickCount64() + 15000; running(); Sleep(20)) {
      check(GetTickCount64() < end, "veltrano.exe runs on");
      check(!windowless || !find(nullptr), "veltrano.exe showed a window");
    }
    DWORD code = 0;
    return GetExitCodeProcess(process_.hProcess, &code) ? code : ~0ul;
  }

  // A shown top-level window of the program, of this class (null: any) and caption (empty: any).
  // The program makes its windows on its first thread.
  HWND find(const wchar_t* kind, const std::wstring& caption = {}) const {
    const wchar_t* title = caption.empty() ? nullptr : caption.c_str();
    HWND w = nullptr;
    while ((w = FindWindowExW(nullptr, w, kind, title)) &&
           (GetWindowThreadProcessId(w, nullptr) != process_.dwThreadId || !IsWindowVisible(w))) {
    }
    return w;
  }
  HWND waitFor(const wchar_t* kind, const std::string& caption = {}) const {
    const HWND found = poll([&] { return find(kind, widen(caption)); });
    check(found, "no " + narrow(kind ? kind : L"") + " window [" + caption + "] appeared");
    return found;
  }
  HWND window() const { return waitFor(L"VeltranoMain"); }
  std::string text(int id) { return textOf(GetDlgItem(window(), id)); }
  // A part of the status bar: its text lives in the program's memory, read there as a
  // UI-automation tool reads a common control's.
  std::string status(int part) {
    const HANDLE process = process_.hProcess;
    void* remote = VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE);
    wchar_t text[2048] = {};
    SendMessageW(GetDlgItem(window(), ids::barStato), SB_GETTEXTW, static_cast<WPARAM>(part),
                 reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process, remote, text, sizeof text - sizeof text[0], nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return narrow(text);
  }

  // What a user does: type into a field, pick an entry of a list, press a button.
  void type(int field, const std::string& text) {
    SendMessageW(control(field), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(widen(text).c_str()));
  }
  void pick(int list, int index) {
    SendMessageW(control(list), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(window(), WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(control(list)));
  }
  // Presses a button whose handler must open no box.
  void click(int button) { ask(button, {}, 0); }
  // Presses `button` (0: none) and takes the box it opens, waiting for it, which must show `text`
  // (empty: no box may open); types into its field (its first control a user can tab to) when
  // given and answers with `answer`, which the box must offer. Gives what that field held before.
  // With `fromList`, the text is picked from the field's drop-down list instead: the first entry
  // that starts so, which must then be the whole text.
  std::string ask(int button, const std::string& text, int answer,
                  const std::optional<std::string>& typed = std::nullopt, bool fromList = false) {
    push(button);
    const HWND box = text.empty() ? find(L"#32770") : waitFor(L"#32770");
    same("the box after button " + std::to_string(button), text, box ? boxText(box) : "");
    if (!box)
      return "";
    const HWND field = GetNextDlgTabItem(box, nullptr, FALSE);
    const std::string held = textOf(field);
    if (typed) {  // WM_SETTEXT ignores the wParam CB_SELECTSTRING needs
      SendMessageW(field, fromList ? CB_SELECTSTRING : WM_SETTEXT, WPARAM(-1),
                   reinterpret_cast<LPARAM>(widen(*typed).c_str()));
      same("the box's field", *typed, textOf(field));
    }
    PostMessageW(control(answer, box), BM_CLICK, 0, 0);
    check(poll([&] { return !IsWindow(box); }), "the box [" + text + "] did not close");
    push(0);
    return held;
  }

 private:
  static std::string boxText(HWND box) { return textOf(GetDlgItem(box, 0xFFFF)); }
  // A control of the window, or of a box, that a user can reach: there, shown and enabled.
  HWND control(int id, HWND parent = nullptr) {
    const HWND w = GetDlgItem(parent ? parent : window(), id);
    check(IsWindowVisible(w) && IsWindowEnabled(w), "control " + std::to_string(id) + " unusable");
    return w;
  }
  // Presses the button, if any, and returns once its handler has returned or has opened a box:
  // sent messages are handled in order, also inside a box's modal loop, so the WM_NULL comes after
  // the click. A handler that never returns holds the flow until CTest's time limit ends it; a
  // window that is gone (the program has ended, or has not shown it yet) takes no message.
  void push(int button) {
    SendNotifyMessageW(button != 0 ? control(button) : nullptr, BM_CLICK, 0, 0);
    SendMessageW(find(L"VeltranoMain"), WM_NULL, 0, 0);
  }

  PROCESS_INFORMATION process_{};
};

}  // namespace e2e
