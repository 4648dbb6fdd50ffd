// The end-to-end driver's helpers: veltrano.exe in a program folder of its own, reached through
// the control IDs of shell/win32/control_ids.h as a UI-automation tool would. A helper that finds
// something wrong throws, so a flow stops at its first fault with a clear message.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

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
using veltrano::win32::narrow;
using veltrano::win32::widen;

inline void check(bool good, const std::string& what) {
  if (!good) {
    throw std::runtime_error(what);
  }
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

inline LRESULT sendTo(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  check(SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 15000, &result) != 0,
        "veltrano.exe did not answer message " + std::to_string(message) + " in time");
  return static_cast<LRESULT>(result);
}

inline std::string textOf(HWND window) {
  wchar_t text[4096] = {};
  sendTo(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
  return narrow(text);
}

// What the program shows for a catalogue key, in "IT" or "IN".
inline std::string msg(const std::string& key, const std::string& language) {
  static veltrano::Catalogo catalogue;
  catalogue.caricaMessaggi();  // a second call changes nothing
  return catalogue.getMessaggio(key, language);
}

// The bytes of a text in a code page; empty when a character has none (a fault of the flow).
using CodePage = veltrano::win32::CodePageCodec;

// velt2.ini's bytes, the count line as a user wrote it or as the program rewrites it, in the
// ANSI code page or as Notepad saves UTF-8.
inline std::string profile(const std::string& adapter, const std::string& language,
                           const std::vector<Row>& rows, bool countRewritten = false,
                           bool utf8 = false) {
  const auto count = countRewritten ? std::nullopt : std::optional(std::to_string(rows.size()));
  veltrano::Profilo file{adapter, "", language, count, {}};
  for (const Row& row : rows) {
    file.connessioni.inserisciConnessione(row);
  }
  const std::string text = veltrano::scriviProfilo(file).value_or("");
  return utf8 ? "\xEF\xBB\xBF" + text : CodePage(1252).fromUtf8(text).value_or("");
}

constexpr const char* kInternetSettings =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

inline std::string internetSetting(const char* name) {
  char bytes[1024];
  DWORD size = sizeof bytes;
  return RegGetValueA(HKEY_CURRENT_USER, kInternetSettings, name, RRF_RT_ANY | RRF_NOEXPAND,
                      nullptr, bytes, &size) == ERROR_SUCCESS
             ? std::string(bytes, size)
             : std::string();
}

// Where the driver, run as netsh.exe, writes each call: a line of arguments joined by "|".
inline fs::path netshRecord() {
  wchar_t system[MAX_PATH] = {};
  return fs::path(std::wstring(system, GetSystemDirectoryW(system, MAX_PATH))) / "netsh-calls.txt";
}

inline std::string netshCalls(std::size_t wanted) {
  std::string calls;
  const bool called = poll([&] {
    std::ifstream record(netshRecord(), std::ios::binary);
    calls.assign(std::istreambuf_iterator<char>(record), {});
    return static_cast<std::size_t>(std::count(calls.begin(), calls.end(), '\n')) >= wanted;
  });
  check(called, "netsh was called fewer than " + std::to_string(wanted) + " times: [" + calls +
                    "]; is the driver in the prefix's system32 as netsh.exe?");
  return calls;
}

// The first adapter of this machine a user can pick that has an IPv4 address (under Wine, a
// Linux interface), as the system shows it now.
inline veltrano::NetworkAdapter machineAdapter() {
  const auto adapters = veltrano::win32::Win32NetworkAdapters().list().value_or(
      std::vector<veltrano::NetworkAdapter>{});
  for (const auto* adapter : veltrano::pickableAdapters(adapters)) {
    if (!adapter->addresses.empty()) {
      return *adapter;
    }
  }
  throw std::runtime_error("this machine shows no network adapter with an IPv4 address");
}

class Session {
 public:
  const fs::path folder;

  // Starts a copy of the exe's folder, on this velt2.ini when one is given, with these
  // arguments; or, for an unpacked release, the exe where it stands.
  Session(const fs::path& exe, const std::optional<std::string>& ini, bool inPlace = false,
          const std::wstring& arguments = {})
      : folder(inPlace ? exe.parent_path() : fs::temp_directory_path() / "veltrano-e2e"),
        exe_(exe),
        arguments_(arguments) {
    if (!inPlace) {
      fs::remove_all(folder);
      fs::copy(exe.parent_path(), folder);
    }
    if (ini) {
      std::ofstream(folder / "velt2.ini", std::ios::binary) << *ini;
    }
    start();
  }
  ~Session() {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hProcess);
  }

  std::string read(const std::string& name) const {
    std::ifstream file(folder / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
  }
  void start() {
    const fs::path program = folder / exe_.filename();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    CloseHandle(process_.hProcess);
    window_ = nullptr;
    std::wstring line = L"\"" + program.wstring() + L"\" " + arguments_;
    check(CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         folder.c_str(), &startup, &process_) != 0,
          "cannot start " + narrow(program.wstring()));
    CloseHandle(process_.hThread);
  }
  void quit() {
    push(ids::cmdEsci);
    waitForExit();
  }
  // The exit code, once the program has ended; `windowless`: showing no window on the way.
  DWORD waitForExit(bool windowless = false) const {
    for (const ULONGLONG end = GetTickCount64() + 15000;
         WaitForSingleObject(process_.hProcess, 20) == WAIT_TIMEOUT;) {
      check(GetTickCount64() < end, "veltrano.exe runs on");
      check(!windowless || !find(nullptr, {}, false), "veltrano.exe showed a window");
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

  // A shown top-level window of the program, of this class (null: any) and caption (empty: any).
  HWND find(const wchar_t* kind, const std::wstring& caption = {}, bool mustRun = true) const {
    DWORD code = 0;
    check(!mustRun || (GetExitCodeProcess(process_.hProcess, &code) && code == STILL_ACTIVE),
          "veltrano.exe has ended, exit code " + std::to_string(code));
    const wchar_t* title = caption.empty() ? nullptr : caption.c_str();
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, kind, title)) != nullptr;) {
      DWORD owner = 0;
      GetWindowThreadProcessId(w, &owner);
      if (owner == process_.dwProcessId && IsWindowVisible(w)) {
        return w;
      }
    }
    return nullptr;
  }
  HWND waitFor(const wchar_t* kind, const std::string& caption = {}) const {
    const HWND found = poll([&] { return find(kind, widen(caption)); });
    check(found != nullptr,
          "no " + narrow(kind ? kind : L"") + " window [" + caption + "] appeared");
    return found;
  }
  HWND window() { return window_ = window_ ? window_ : waitFor(L"VeltranoMain"); }
  std::string text(int id) { return textOf(GetDlgItem(window(), id)); }
  LRESULT count(int list) { return sendTo(GetDlgItem(window(), list), CB_GETCOUNT); }

  // What a user does: type into a field, pick an entry of a list, press a button.
  void type(int field, const std::string& text) {
    sendTo(control(field), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(widen(text).c_str()));
  }
  void pick(int list, int index) {
    sendTo(control(list), CB_SETCURSEL, static_cast<WPARAM>(index));
    const WPARAM picked = MAKEWPARAM(static_cast<WORD>(list), CBN_SELCHANGE);
    sendTo(window(), WM_COMMAND, picked, reinterpret_cast<LPARAM>(control(list)));
  }
  // Presses a button whose handler must open no box.
  void click(int button) {
    push(button);
    const HWND box = find(L"#32770");
    check(box == nullptr,
          "button " + std::to_string(button) + " opened a box: " + (box ? boxText(box) : ""));
  }
  // Presses `button` (0: none), waits for the box it opens, which must show `text`, types into
  // its field when given and answers with `answer`. Gives what the field held before (empty for
  // a message box).
  // With `fromList`, the text is picked from the field's drop-down list instead.
  std::string ask(int button, const std::string& text, int answer,
                  const std::optional<std::string>& typed = std::nullopt, bool fromList = false) {
    push(button);
    const HWND box = waitFor(L"#32770");
    same("the box", text, boxText(box));
    const HWND edit = GetDlgItem(box, ids::inputBoxEdit);
    const HWND field = edit ? edit : FindWindowExW(box, nullptr, L"ComboBox", nullptr);
    const std::string held = field ? textOf(field) : "";
    if (typed) {
      check(field != nullptr, "the box [" + text + "] has no input field");
      const std::wstring typedWide = widen(*typed);
      const auto wide = reinterpret_cast<LPARAM>(typedWide.c_str());
      const LRESULT entry = fromList ? sendTo(field, CB_FINDSTRINGEXACT, WPARAM(-1), wide) : 0;
      check(entry >= 0, "the box's list has no entry " + *typed);
      sendTo(field, fromList ? CB_SETCURSEL : WM_SETTEXT, static_cast<WPARAM>(entry),
             fromList ? 0 : wide);
    }
    check(GetDlgItem(box, answer) != nullptr,
          "the box [" + text + "] has no button " + std::to_string(answer));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(answer), BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
    check(poll([&] { return !IsWindow(box); }), "the box [" + text + "] did not close");
    push(0);
    return held;
  }

 private:
  static std::string boxText(HWND box) { return textOf(GetDlgItem(box, 0xFFFF)); }
  HWND control(int id) {
    const HWND found = GetDlgItem(window(), id);
    check(IsWindowVisible(found) && IsWindowEnabled(found),
          "control " + std::to_string(id) + " is missing, hidden or disabled");
    return found;
  }
  // Returns once the handler has returned or has opened a box: sent messages are handled in
  // order, also inside a box's modal loop, so the WM_NULL comes after the click. A handler that
  // never returns shows in the next step.
  void push(int button) {
    if (button != 0) {
      SendNotifyMessageW(control(button), BM_CLICK, 0, 0);
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 15000, &ignored);
  }

  fs::path exe_;
  std::wstring arguments_;
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

}  // namespace e2e
