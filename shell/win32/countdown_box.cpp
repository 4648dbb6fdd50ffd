#include "shell/win32/countdown_box.h"

#include "lang/messaggi.h"
#include "shell/win32/dialog_template.h"
#include "shell/win32/utf16.h"

namespace veltrano::win32 {

namespace {

constexpr WORD kTextId = 0xFFFF;
constexpr UINT_PTR kSecondTimer = 1;

struct CountdownState {
  const CountdownTexts* texts;
  int left;
};

void showLeft(HWND dialog, const CountdownState& state) {
  const std::string text = componi(narrow(state.texts->text), {std::to_string(state.left)});
  SetDlgItemTextW(dialog, kTextId, widen(text).c_str());
}

INT_PTR CALLBACK countdownProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<CountdownState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      state = reinterpret_cast<CountdownState*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      SetWindowTextW(dialog, state->texts->title.c_str());
      SetDlgItemTextW(dialog, IDYES, state->texts->keep.c_str());
      SetDlgItemTextW(dialog, IDNO, state->texts->revert.c_str());
      showLeft(dialog, *state);
      SetTimer(dialog, kSecondTimer, 1000, nullptr);
      return TRUE;
    case WM_TIMER:
      if (--state->left <= 0) {
        EndDialog(dialog, static_cast<INT_PTR>(ConfirmAnswer::Timeout));
      } else {
        showLeft(dialog, *state);
      }
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDYES || LOWORD(wParam) == IDNO || LOWORD(wParam) == IDCANCEL) {
        KillTimer(dialog, kSecondTimer);
        EndDialog(dialog, static_cast<INT_PTR>(LOWORD(wParam) == IDYES ? ConfirmAnswer::Keep
                                                                       : ConfirmAnswer::Revert));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

ConfirmAnswer runCountdownBox(HINSTANCE instance, HWND owner, const CountdownTexts& texts,
                              int seconds) {
  DialogTemplate dialog(DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                        {0, 0, 220, 62}, L"MS Shell Dlg", 8);
  dialog.addItem(DialogItemClass::Static, kTextId, SS_LEFT | SS_NOPREFIX, {7, 7, 206, 24});
  // Revert now is the default: Enter pressed without reading must not keep a change.
  dialog.addItem(DialogItemClass::Button, IDYES, BS_PUSHBUTTON | WS_TABSTOP, {57, 39, 74, 16});
  dialog.addItem(DialogItemClass::Button, IDNO, BS_DEFPUSHBUTTON | WS_TABSTOP, {139, 39, 74, 16});
  CountdownState state{&texts, seconds};
  const INT_PTR answer = DialogBoxIndirectParamW(instance, dialog.get(), owner, countdownProc,
                                                 reinterpret_cast<LPARAM>(&state));
  // A box that could not open asks nobody: the batch puts the change back by itself.
  return answer < 0 ? ConfirmAnswer::Timeout : static_cast<ConfirmAnswer>(answer);
}

}  // namespace veltrano::win32
