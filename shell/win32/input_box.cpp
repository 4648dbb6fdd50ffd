#include "shell/win32/input_box.h"

#include "shell/win32/control_ids.h"
#include "shell/win32/dialog_template.h"

namespace veltrano::win32 {

namespace {

// The prompt carries the ID message boxes give their text, so tools read both alike.
constexpr WORD kPromptId = 0xFFFF;

struct InputBoxState {
  const InputBoxTexts* texts;
  std::wstring typed;
};

DialogTemplate inputBoxTemplate() {
  DialogTemplate dialog(DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                        {0, 0, 264, 92}, L"MS Shell Dlg", 8);
  dialog.addItem(DialogItemClass::Static, kPromptId, SS_LEFT | SS_NOPREFIX, {7, 7, 194, 56});
  dialog.addItem(DialogItemClass::Edit, static_cast<WORD>(ids::inputBoxEdit),
                 WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, {7, 70, 250, 14});
  dialog.addItem(DialogItemClass::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, {207, 7, 50, 14});
  dialog.addItem(DialogItemClass::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, {207, 25, 50, 14});
  return dialog;
}

// The button texts of the system's message boxes, in the system's language; the plain
// English ones where user32 does not offer them.
std::wstring systemButtonText(UINT buttonIndex, const wchar_t* fallback) {
  using GetString = LPCWSTR(WINAPI*)(UINT);
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  const FARPROC entry = user32 == nullptr ? nullptr : GetProcAddress(user32, "MB_GetString");
  const auto getString = reinterpret_cast<GetString>(reinterpret_cast<void (*)()>(entry));
  const LPCWSTR text = getString == nullptr ? nullptr : getString(buttonIndex);
  return text == nullptr || *text == L'\0' ? fallback : text;
}

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void openInputBox(HWND dialog, InputBoxState& state) {
  SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
  SetWindowTextW(dialog, state.texts->title.c_str());
  SetDlgItemTextW(dialog, kPromptId, state.texts->prompt.c_str());
  SetDlgItemTextW(dialog, IDOK, systemButtonText(IDOK - 1, L"OK").c_str());
  SetDlgItemTextW(dialog, IDCANCEL, systemButtonText(IDCANCEL - 1, L"Cancel").c_str());
  const HWND edit = GetDlgItem(dialog, ids::inputBoxEdit);
  SetWindowTextW(edit, state.texts->initialText.c_str());
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SetFocus(edit);
}

INT_PTR CALLBACK inputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    openInputBox(dialog, *reinterpret_cast<InputBoxState*>(lParam));
    return FALSE;  // the focus is set already
  }
  if (message != WM_COMMAND) {
    return FALSE;
  }
  auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (LOWORD(wParam)) {
    case IDOK:
      state->typed = windowText(GetDlgItem(dialog, ids::inputBoxEdit));
      EndDialog(dialog, IDOK);
      return TRUE;
    case IDCANCEL:
      state->typed.clear();
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

std::wstring runInputBox(HINSTANCE instance, HWND owner, const InputBoxTexts& texts) {
  const DialogTemplate dialog = inputBoxTemplate();
  InputBoxState state{&texts, {}};
  DialogBoxIndirectParamW(instance, dialog.get(), owner, inputBoxProc,
                          reinterpret_cast<LPARAM>(&state));
  return state.typed;
}

}  // namespace veltrano::win32
