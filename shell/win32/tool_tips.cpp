#include "shell/win32/tool_tips.h"

#include <commctrl.h>

#include "shell/win32/utf16.h"

namespace veltrano::win32 {

namespace {

TOOLINFOW toolInfo(HWND owner, HWND tool, wchar_t* text) {
  TOOLINFOW info{};
  info.cbSize = sizeof info;
  // The message loop relays the mouse messages: subclassing every tool instead slows each
  // insert into the connection list, which matters with a thousand of them.
  info.uFlags = TTF_IDISHWND;
  info.hwnd = owner;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = text;
  return info;
}

}  // namespace

ToolTips::ToolTips(HWND owner)
    : owner_(owner),
      tip_(CreateWindowExW(
          WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
          reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)), nullptr)) {}

ToolTips::~ToolTips() {
  if (IsWindow(tip_)) {
    DestroyWindow(tip_);
  }
}

void ToolTips::add(HWND tool) {
  wchar_t empty[] = L"";
  TOOLINFOW info = toolInfo(owner_, tool, empty);
  SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTips::relay(const MSG& message) const {
  if (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) {
    SendMessageW(tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
  }
}

void ToolTips::setText(HWND tool, const std::string& text) {
  std::wstring wide = widen(text);
  TOOLINFOW info = toolInfo(owner_, tool, wide.data());
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace veltrano::win32
