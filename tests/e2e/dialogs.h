// The program's modal boxes as a user sees them: message boxes (a "#32770" window whose text
// is the static control 0xFFFF) and the input box (a "#32770" with the edit field 1201).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

class VeltranoProcess;

class MessageBoxView {
 public:
  explicit MessageBoxView(HWND box) : box_(box) {}
  std::string title() const;
  std::string text() const;
  bool hasButton(int id) const;
  // Presses a button (IDOK, IDYES, IDNO, IDCANCEL) and waits until the box is gone.
  void answer(int id) const;

 private:
  HWND box_;
};

class InputBoxView {
 public:
  explicit InputBoxView(HWND box) : box_(box) {}
  std::string title() const;
  // The texts of the box's static controls: the prompt is one of them.
  std::vector<std::string> labels() const;
  std::string text() const;
  void type(const std::string& text) const;
  // Presses IDOK or IDCANCEL and waits until the box is gone.
  void answer(int id) const;

 private:
  HWND box_;
};

std::optional<MessageBoxView> findMessageBox(const VeltranoProcess& process);
std::optional<InputBoxView> findInputBox(const VeltranoProcess& process);
// Wait for a box of the program; fail when none appears in time or the program ends.
MessageBoxView waitForMessageBox(const VeltranoProcess& process);
InputBoxView waitForInputBox(const VeltranoProcess& process);

// A shown box of either kind, described for a failure message; empty when none is shown.
std::string describeOpenBox(const VeltranoProcess& process);

// The HTML Help viewer window that the program opened, or null.
HWND findHelpWindow(const VeltranoProcess& process);

}  // namespace e2e
