#include "shell/win32/status_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "shell/win32/utf16.h"

namespace veltrano::win32 {

StatusBarControl::StatusBarControl(HWND parent, HINSTANCE instance, int id)
    : hwnd_(CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_TOOLTIPS, 0, 0,
                            0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            instance, nullptr)) {}

void StatusBarControl::setText(int part, const std::string& text) {
  const auto index = static_cast<std::size_t>(part);
  if (index >= texts_.size()) {
    return;
  }
  texts_[index] = widen(text);
  divide();
  const auto* wide = texts_[index].c_str();
  SendMessageW(hwnd_, SB_SETTEXTW, index, reinterpret_cast<LPARAM>(wide));
  SendMessageW(hwnd_, SB_SETTIPTEXTW, index, reinterpret_cast<LPARAM>(wide));
  UpdateWindow(hwnd_);
}

int StatusBarControl::place(HFONT font) {
  font_ = font;
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(hwnd_, WM_SIZE, 0, 0);  // it sizes itself along its parent's bottom edge
  divide();
  RECT outer{};
  GetWindowRect(hwnd_, &outer);
  return outer.bottom - outer.top;
}

int StatusBarControl::textWidth(const std::wstring& text) const {
  if (text.empty()) {
    return 0;
  }
  const HDC dc = GetDC(hwnd_);
  const HGDIOBJ old = SelectObject(dc, font_);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  return size.cx + size.cy;  // and the part's borders and margins, which scale with the font
}

void StatusBarControl::divide() {
  RECT bar{};
  GetClientRect(hwnd_, &bar);
  const int total = bar.right;
  // The last apply keeps what it needs, up to half the bar; the adapter takes the rest.
  const int last = std::min(textWidth(texts_[1]), total / 2);
  const int parts[] = {std::max(total - std::max(last, total / 5), total / 2), -1};
  SendMessageW(hwnd_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

}  // namespace veltrano::win32
