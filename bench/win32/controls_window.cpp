// What any window of Veltrano's make pays under Wine before doing its own work: the minimal
// window, plus the common controls version 6 through the same manifest, a tooltip window and
// 32 child controls of Veltrano's kinds (2 frames, 9 labels, 7 text fields, 3 drop-down lists,
// 11 buttons), each with a tool. Nothing is read, laid out or filled.
#include <windows.h>

#include <commctrl.h>

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

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

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
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"VeltranoBenchControls";
  if (!RegisterClassExW(&windowClass)) {
    return 1;
  }
  HWND window =
      CreateWindowExW(0, windowClass.lpszClassName, L"Controls", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, 680, 330, nullptr, nullptr, instance, nullptr);
  if (!window) {
    return 1;
  }
  addControls(window, instance);
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
