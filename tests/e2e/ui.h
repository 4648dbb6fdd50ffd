// The main window as a user and a UI-automation tool reach it: every control through its ID.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "dialogs.h"

namespace e2e {

class VeltranoProcess;

// A button press in progress. Its handler may open a modal box and so run for as long as the
// box is open; the press is finished when the handler has returned.
class Click {
 public:
  Click(const VeltranoProcess& process, std::string button,
        std::shared_ptr<std::atomic<bool>> handled)
      : process_(process), button_(std::move(button)), handled_(std::move(handled)) {}
  // Waits for the handler to return; a box that opens meanwhile, or a program that ends,
  // fails the case.
  void finish() const;
  // Waits for the handler to return or for a message box to open; gives the box if one did.
  std::optional<MessageBoxView> finishUnlessMessageBox() const;

 private:
  const VeltranoProcess& process_;
  std::string button_;
  std::shared_ptr<std::atomic<bool>> handled_;
};

class Ui {
 public:
  Ui(const VeltranoProcess& process, HWND window);
  ~Ui();
  Ui(const Ui&) = delete;
  Ui& operator=(const Ui&) = delete;

  HWND window() const { return window_; }
  std::string caption() const;

  std::string text(int id) const;
  bool enabled(int id) const;
  bool visible(int id) const;
  std::vector<std::string> entries(int list) const;
  int selection(int list) const;  // -1 when nothing is selected

  // What a user can do: type into an enabled field, pick an entry of a shown list, press an
  // enabled button.
  void type(int field, const std::string& text) const;
  void pick(int list, int index) const;
  Click click(int button);
  void press(int button);  // a press whose handler opens no box

  MessageBoxView waitForMessageBox() const;
  InputBoxView waitForInputBox() const;

 private:
  HWND control(int id) const;
  void requireUsable(int id, const std::string& action) const;

  const VeltranoProcess& process_;
  HWND window_;
  std::vector<std::thread> presses_;
};

}  // namespace e2e
