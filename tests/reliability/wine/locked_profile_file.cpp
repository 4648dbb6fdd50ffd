// The real veltrano.exe under Wine with velt2.ini held open, without sharing, by another
// program (here: this one). Windows answers every attempt to replace the file with a sharing
// violation. The program must say "NOINIFILE", end, and leave the old file whole with no
// temporary file beside it.
//   veltrano_reliability_wine <case> <veltrano.exe> <work folder>
// Cases: locked_while_saving, locked_at_start.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "driver.h"
#include "shell/win32/control_ids.h"

namespace {

namespace fs = std::filesystem;
using namespace reliability_wine;
using namespace std::chrono_literals;

// One connection, Italian interface; plain ASCII, so the same bytes in any ANSI code page.
const std::string kProfile =
    "LAN\r\n\r\nIT\r\n1\r\nCasa\r\nDHCP\r\nDHCP\r\nDHCP\r\nDHCP\r\nNO PROXY\r\nNO PROXY\r\n"
    "NO\r\nSI\r\n";
const char* const kNoIniItalian =
    "Errore nell'apertura del file velt2.ini. Impossibile continuare.";
const char* const kNoIniEnglish = "Error opening velt2.ini. Exiting.";

int failures = 0;

void check(bool holds, const std::string& what) {
  std::printf("%s: %s\n", holds ? "ok  " : "FAIL", what.c_str());
  failures += holds ? 0 : 1;
}

// CTest hands over Linux paths; under Wine they are on drive Z:.
fs::path windowsPath(std::string path) {
  if (!path.empty() && path.front() == '/') {
    path = "Z:" + path;
  }
  std::replace(path.begin(), path.end(), '/', '\\');
  return fs::path(widen(path));
}

fs::path prepareFolder(const fs::path& exe, const fs::path& work, const std::string& name) {
  const fs::path folder = work / widen(name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy_file(exe, folder / L"veltrano.exe");
  std::ofstream(folder / L"velt2.ini", std::ios::binary) << kProfile;
  return folder;
}

HANDLE holdWithoutSharing(const fs::path& file) {
  return CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

void expectOldFileAlone(const fs::path& folder) {
  std::ifstream in(folder / L"velt2.ini", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  check(bytes == kProfile, "velt2.ini is the old file, byte for byte");
  std::set<std::wstring> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().wstring());
  }
  check(names == std::set<std::wstring>{L"veltrano.exe", L"velt2.ini"},
        "nothing beside velt2.ini (no temporary file, no batch file)");
}

void expectNoIniFileAndEnd(const Program& program, const std::string& message) {
  const HWND box = program.waitForMessageBox(10s);
  check(box != nullptr, "an error box appears");
  if (box == nullptr) {
    return;
  }
  const std::string text = messageBoxText(box);
  check(text == message, "the box says \"" + message + "\" (it says \"" + text + "\")");
  answerOk(box);
  check(program.waitForExit(10s), "the program ends once the box is closed");
}

// The language switch rewrites velt2.ini; the message is then in the new language.
void lockedWhileSaving(const fs::path& exe, const fs::path& work) {
  const fs::path folder = prepareFolder(exe, work, "locked_while_saving");
  const Program program(folder / L"veltrano.exe");
  const HWND window = program.waitForMainWindow(30s);
  check(window != nullptr, "the main window appears");
  if (window == nullptr) {
    return;
  }
  const HANDLE held = holdWithoutSharing(folder / L"velt2.ini");
  check(held != INVALID_HANDLE_VALUE, "velt2.ini is held open without sharing");
  press(window, veltrano::ids::cmdLingua);
  expectNoIniFileAndEnd(program, kNoIniEnglish);
  CloseHandle(held);
  expectOldFileAlone(folder);
}

void lockedAtStart(const fs::path& exe, const fs::path& work) {
  const fs::path folder = prepareFolder(exe, work, "locked_at_start");
  const HANDLE held = holdWithoutSharing(folder / L"velt2.ini");
  check(held != INVALID_HANDLE_VALUE, "velt2.ini is held open without sharing");
  {
    const Program program(folder / L"veltrano.exe");
    expectNoIniFileAndEnd(program, kNoIniItalian);
  }
  CloseHandle(held);
  expectOldFileAlone(folder);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s locked_while_saving|locked_at_start <veltrano.exe> <work>\n",
                 argv[0]);
    return 2;
  }
  const std::string name = argv[1];
  std::printf("case %s\n", name.c_str());
  std::fflush(stdout);
  const fs::path exe = windowsPath(argv[2]);
  const fs::path work = windowsPath(argv[3]);
  if (name == "locked_while_saving") {
    lockedWhileSaving(exe, work);
  } else if (name == "locked_at_start") {
    lockedAtStart(exe, work);
  } else {
    std::fprintf(stderr, "no case %s\n", name.c_str());
    return 2;
  }
  return failures == 0 ? 0 : 1;
}
