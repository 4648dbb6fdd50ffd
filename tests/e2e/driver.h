// The end-to-end driver's helpers: veltrano.exe in a program folder of its own, reached through
// the control IDs of shell/win32/control_ids.h as a UI-automation tool would. A helper that finds
// something wrong throws, so a flow stops at its first fault with a clear message.
#pragma once

#include <share.h>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "apply/apply_checks.h"
#include "lang/messaggi.h"
#include "shell/win32/code_page_codec.h"
#include "shell/win32/control_ids.h"
#include "shell/win32/utf16.h"
#include "shell/win32/win32_network_adapters.h"
#include "store/profile_file.h"

namespace e2e {

namespace fs = std::filesystem;
namespace ids = veltrano::ids;
using Row = veltrano::ValoriConnessione;
// The bytes of a text in a code page; empty when a character has none (a fault of the flow).
using CodePage = veltrano::win32::CodePageCodec;
using veltrano::win32::narrow, veltrano::win32::widen;

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
    if (auto found = find(); found || GetTickCount64() >= end) {
      return found;
    }
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

// Where the driver, run as netsh.exe, writes each call: a line of arguments joined by "|". The
// temporary folder is the user's, elevated or not.
inline const fs::path kNetshRecord = fs::temp_directory_path() / "netsh-calls.txt";

// This machine as the program sees it: the name of the first adapter a user can pick that has an
// IPv4 address (under Wine, a Linux interface); the names of all, as a refusal lists them; and a
// static connection with the values that adapter has now. Applying that one changes nothing, so
// even under Wine, whose netsh changes nothing, it is found as asked.
inline std::tuple<std::string, std::string, Row> machine() {
  const auto all = veltrano::win32::Win32NetworkAdapters().list().value();
  const auto pickable = veltrano::pickableAdapters(all);
  std::string names;
  for (const auto* a : pickable) names += (names.empty() ? "\"" : ", \"") + a->name + "\"";
  const auto it = std::ranges::find_if(pickable, [](auto* a) { return !a->addresses.empty(); });
  check(it != pickable.end(), "this machine shows no network adapter with an IPv4 address");
  const auto& [address, prefix, state] = (*it)->addresses[0];
  const auto byte = [b = ~0ull << (32 - prefix)](int s) { return std::to_string(b >> s & 255); };
  const auto one = [](const std::vector<std::string>& v) { return v.empty() ? "" : v[0]; };
  const std::string mask = byte(24) + "." + byte(16) + "." + byte(8) + "." + byte(0);
  const Row here{"Qui", "NO",       address,   mask, one((*it)->gateways), one((*it)->dnsServers),
                 "NO",  "NO PROXY", "NO PROXY"};
  return {(*it)->name, names, here};
}

class Session {
 public:
  const fs::path folder;

  // Starts veltrano.exe with these arguments, with no netsh calls recorded yet: given a velt2.ini,
  // on it in a fresh copy of the exe's folder; otherwise where the exe stands, on what is there
  // (an unpacked release, the program folder with no velt2.ini, or a folder to start again in).
  Session(const fs::path& exe, std::optional<std::string> ini, const std::wstring& args = {})
      : folder(ini ? fs::temp_directory_path() / "veltrano-e2e" : exe.parent_path()) {
    fs::remove(kNetshRecord);
    if (ini) {
      fs::remove_all(folder);
      fs::copy(exe.parent_path(), folder);
      std::ofstream(folder / "velt2.ini", std::ios::binary) << *ini;
    }
    std::wstring line = L"\"" + (folder / exe.filename()).wstring() + L"\" " + args;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    check(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                         &startup, &process_),
          "cannot run " + narrow(line));
    CloseHandle(process_.hThread);
  }
  ~Session() {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hProcess);
  }

  std::string read(const std::string& name) const { return bytesOf(folder / name); }
  // The exit code once the program has ended (~0 when unreadable); `windowless`: showing no
  // window on the way.
  DWORD waitForExit(bool windowless = false) const {
    // WaitForSingleObject gives 0 once the process has ended.
    for (const auto end = GetTickCount64() + 15000; WaitForSingleObject(process_.hProcess, 20);) {
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
  LRESULT count(int list) { return SendMessageW(GetDlgItem(window(), list), CB_GETCOUNT, 0, 0); }

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
  // Presses `button` (0: none) and takes the box it opens, which must show `text` (empty: no box
  // may open); types into its field (its first control a user can tab to) when given and answers
  // with `answer`, which the box must offer. Gives what that field held before.
  // With `fromList`, the text is picked from the field's drop-down list instead: the first entry
  // that starts so, which must then be the whole text.
  std::string ask(int button, const std::string& text, int answer,
                  const std::optional<std::string>& typed = std::nullopt, bool fromList = false) {
    push(button);
    const HWND box = text.empty() ? find(L"#32770") : waitFor(L"#32770");
    same("the box after button " + std::to_string(button), text, box ? boxText(box) : "");
    if (!box) {
      return "";
    }
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
