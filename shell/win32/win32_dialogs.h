// The modal dialogs of the window logic: MessageBoxW and a small input box, with or without
// a drop-down list.
#pragma once

#include <windows.h>

#include "shell/toolkit.h"

namespace veltrano::win32 {

class Win32Dialogs final : public Dialogs {
 public:
  Win32Dialogs(HINSTANCE instance, HWND owner) : instance_(instance), owner_(owner) {}

  int messageBox(const std::string& text, int style, const std::string& title) override;
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& initialText) override;
  std::string inputBoxWithList(const std::string& prompt, const std::string& title,
                               const std::string& initialText,
                               const std::vector<ListChoice>& choices) override;
  ConfirmAnswer countdownBox(const std::string& text, int seconds, const std::string& keep,
                             const std::string& revert, const std::string& title) override;

 private:
  HINSTANCE instance_;
  HWND owner_;
};

}  // namespace veltrano::win32
