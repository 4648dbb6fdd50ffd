#include "shell/win32/edit_field.h"

#include "shell/win32/window_text.h"

namespace veltrano::win32 {

EditField::EditField(HWND hwnd, ToolTips& tips) : NativeControl(hwnd), tips_(tips) {
  tips_.add(hwnd);
}

std::string EditField::text() const {
  return windowText(hwnd());
}

void EditField::setText(const std::string& text) {
  setWindowText(hwnd(), text);
}

void EditField::setEnabled(bool enabled) {
  if (!enabled) {
    giveUpFocus();
  }
  EnableWindow(hwnd(), enabled);
}

void EditField::setVisible(bool visible) {
  if (!visible) {
    giveUpFocus();
  }
  ShowWindow(hwnd(), visible ? SW_SHOWNA : SW_HIDE);
}

void EditField::setBackColour(Colore colour) {
  if (back_.set(colour)) {
    InvalidateRect(hwnd(), nullptr, TRUE);
  }
}

void EditField::setToolTip(const std::string& text) {
  tips_.setText(hwnd(), text);
}

void EditField::setFocus() {
  // The field's own visibility, not its parent's: the window may not be shown yet.
  const bool visible = (GetWindowLongPtrW(hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
  if (IsWindowEnabled(hwnd()) && visible) {
    SetFocus(hwnd());
  }
}

void EditField::setFocusHandlers(Handler gotFocus, Handler lostFocus) {
  gotFocus_ = std::move(gotFocus);
  lostFocus_ = std::move(lostFocus);
}

void EditField::onCommand(UINT code) {
  if (code == EN_SETFOCUS && gotFocus_) {
    gotFocus_();
  } else if (code == EN_KILLFOCUS && lostFocus_) {
    lostFocus_();
  }
}

HBRUSH EditField::onControlColour(HDC dc) {
  const bool enabled = IsWindowEnabled(hwnd()) != FALSE;
  SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  SetBkColor(dc, back_.colour());
  return back_.brush();
}

}  // namespace veltrano::win32
