// What any window of Veltrano's make pays under Wine before doing its own work: the minimal
// window, plus the common controls version 6 through the same manifest, a tooltip window and
// 32 child controls of Veltrano's kinds (2 frames, 9 labels, 7 text fields, 3 drop-down lists,
// 11 buttons), each with a tool. Nothing is read, laid out or filled.
#include <windows.h>

#include <commctrl.h>

#include "bench_window.h"

namespace {

struct Kind {
  const wchar_t* windowClass;
  DWORD style;
  DWORD exStyle;
  int count;
};

constexpr Kind kKinds[] = {
    {L"BUTTON", BS_GROUPBOX, 0, 2},
    {L"STATIC", SS_RIGHT, 0, 9},
    {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 7},
    {L"COMBOBOX", CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP, 0, 3},
    {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, 11},
};

void addControls(HWND window, HINSTANCE instance) {
  HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window,
                              nullptr, instance, nullptr);
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  int id = 1001;
  int top = 8;
  for (const Kind& kind : kKinds) {
    for (int i = 0; i < kind.count; ++i, ++id, top += 8) {
      HWND control = CreateWindowExW(
          kind.exStyle, kind.windowClass, L"Text", WS_CHILD | WS_VISIBLE | kind.style, 8, top % 300,
          160, 24, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
      SendMessageW(control, WM_SETFONT, font, FALSE);
      TTTOOLINFOW tool{};
      tool.cbSize = sizeof tool;
      tool.uFlags = TTF_IDISHWND;
      tool.hwnd = window;
      tool.uId = reinterpret_cast<UINT_PTR>(control);
      tool.lpszText = const_cast<wchar_t*>(L"Tip");
      SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  return veltrano::bench::runBenchWindow(instance, show, L"Controls", addControls);
}
