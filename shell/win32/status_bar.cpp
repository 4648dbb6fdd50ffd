#include "shell/win32/status_bar.h"

#include <commctrl.h>

#include "shell/win32/utf16.h"

namespace veltrano::win32 {

StatusBarControl::StatusBarControl(HWND parent, HINSTANCE instance, int id)
    : hwnd_(CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_TOOLTIPS, 0, 0,
                            0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            instance, nullptr)) {}

void StatusBarControl::setText(int part, const std::string& text) {
  const std::wstring wide = widen(text);
  SendMessageW(hwnd_, SB_SETTEXTW, static_cast<WPARAM>(part),
               reinterpret_cast<LPARAM>(wide.c_str()));
  // A truncated part shows its whole text as a tooltip.
  SendMessageW(hwnd_, SB_SETTIPTEXTW, static_cast<WPARAM>(part),
               reinterpret_cast<LPARAM>(wide.c_str()));
  UpdateWindow(hwnd_);
}

int StatusBarControl::place(HFONT font) {
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(hwnd_, WM_SIZE, 0, 0);  // it sizes itself along its parent's bottom edge
  RECT bar{};
  GetClientRect(hwnd_, &bar);
  // The adapter's part takes three fifths; the last apply the rest.
  const int parts[] = {bar.right * 3 / 5, -1};
  SendMessageW(hwnd_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
  RECT outer{};
  GetWindowRect(hwnd_, &outer);
  return outer.bottom - outer.top;
}

}  // namespace veltrano::win32
