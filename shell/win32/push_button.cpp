#include "shell/win32/push_button.h"

#include "shell/win32/window_text.h"

namespace veltrano::win32 {

PushButton::PushButton(HWND hwnd, ToolTips& tips) : NativeControl(hwnd), tips_(tips) {
  tips_.add(hwnd);
}

void PushButton::setCaption(const std::string& text) {
  setWindowText(hwnd(), text);
}

void PushButton::setEnabled(bool enabled) {
  if (!enabled) {
    giveUpFocus();
  }
  EnableWindow(hwnd(), enabled);
}

void PushButton::setToolTip(const std::string& text) {
  tips_.setText(hwnd(), text);
}

void PushButton::onCommand(UINT code) {
  if (code == BN_CLICKED && onClick_) {
    onClick_();
  }
}

}  // namespace veltrano::win32
