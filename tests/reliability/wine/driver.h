// The little UI automation the Wine samples need: start veltrano.exe in its folder, find its
// main window and its message boxes, press buttons, wait for the end.
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace reliability_wine {

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& utf16);

class Program {
 public:
  explicit Program(const std::filesystem::path& exe);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool started() const { return process_ != nullptr; }
  // The shown main window, waited for; null when it does not appear in time.
  HWND waitForMainWindow(std::chrono::milliseconds timeout) const;
  // A message box of the program ("#32770"), waited for; null when none appears in time.
  HWND waitForMessageBox(std::chrono::milliseconds timeout) const;
  bool waitForExit(std::chrono::milliseconds timeout) const;

 private:
  HWND findWindow(const wchar_t* className) const;

  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// A button press as a user makes it; posted, because its handler may open a modal box.
void press(HWND window, int buttonId);
// The text of a message box (its static control 0xFFFF).
std::string messageBoxText(HWND box);
void answerOk(HWND box);

}  // namespace reliability_wine
