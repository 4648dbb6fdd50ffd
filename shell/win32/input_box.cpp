#include "shell/win32/input_box.h"

#include "shell/win32/choice_item.h"
#include "shell/win32/control_ids.h"
#include "shell/win32/dialog_template.h"

namespace veltrano::win32 {

namespace {

// The prompt carries the ID message boxes give their text, so tools read both alike.
constexpr WORD kPromptId = 0xFFFF;

// The field's height in dialog units, with the dropped list's room for a combo box.
constexpr short kFieldHeight = 14;
constexpr short kDroppedListHeight = 96;

struct InputBoxState {
  const InputBoxTexts* texts;
  const std::vector<InputBoxChoice>* choices;  // null: a plain edit field
  std::wstring typed;

  int fieldId() const { return choices == nullptr ? ids::inputBoxEdit : ids::inputBoxList; }
};

void addField(DialogTemplate& dialog, bool withList) {
  if (!withList) {
    dialog.addItem(DialogItemClass::Edit, static_cast<WORD>(ids::inputBoxEdit),
                   WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, {7, 70, 250, kFieldHeight});
    return;
  }
  // Owner-drawn so that each entry shows its detail after the text the entry stands for.
  dialog.addItem(DialogItemClass::ComboBox, static_cast<WORD>(ids::inputBoxList),
                 CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL |
                     WS_TABSTOP,
                 {7, 70, 250, kFieldHeight + kDroppedListHeight});
}

DialogTemplate inputBoxTemplate(bool withList) {
  DialogTemplate dialog(DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                        {0, 0, 264, 92}, L"MS Shell Dlg", 8);
  dialog.addItem(DialogItemClass::Static, kPromptId, SS_LEFT | SS_NOPREFIX, {7, 7, 194, 56});
  addField(dialog, withList);
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

// The starting text, all of it selected, and the list's entries.
void fillField(HWND field, const InputBoxState& state) {
  if (state.choices == nullptr) {
    SetWindowTextW(field, state.texts->initialText.c_str());
    SendMessageW(field, EM_SETSEL, 0, -1);
    return;
  }
  for (const InputBoxChoice& choice : *state.choices) {
    SendMessageW(field, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.text.c_str()));
  }
  SetWindowTextW(field, state.texts->initialText.c_str());
  SendMessageW(field, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

void openInputBox(HWND dialog, InputBoxState& state) {
  SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
  SetWindowTextW(dialog, state.texts->title.c_str());
  SetDlgItemTextW(dialog, kPromptId, state.texts->prompt.c_str());
  SetDlgItemTextW(dialog, IDOK, systemButtonText(IDOK - 1, L"OK").c_str());
  SetDlgItemTextW(dialog, IDCANCEL, systemButtonText(IDCANCEL - 1, L"Cancel").c_str());
  const HWND field = GetDlgItem(dialog, state.fieldId());
  fillField(field, state);
  SetFocus(field);
}

void drawChoice(const InputBoxState* state, const DRAWITEMSTRUCT& item) {
  const bool known =
      state != nullptr && state->choices != nullptr && item.itemID < state->choices->size();
  drawChoiceItem(item, known ? (*state->choices)[item.itemID].detail : std::wstring{});
}

INT_PTR CALLBACK inputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    openInputBox(dialog, *reinterpret_cast<InputBoxState*>(lParam));
    return FALSE;  // the focus is set already
  }
  auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (message == WM_MEASUREITEM) {
    // Sent while the list is created, before WM_INITDIALOG.
    measureChoiceItem(dialog, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    return TRUE;
  }
  if (message == WM_DRAWITEM) {
    drawChoice(state, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  }
  if (message != WM_COMMAND || state == nullptr) {
    return FALSE;
  }
  switch (LOWORD(wParam)) {
    case IDOK:
      state->typed = windowText(GetDlgItem(dialog, state->fieldId()));
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

std::wstring runDialog(HINSTANCE instance, HWND owner, InputBoxState& state) {
  const DialogTemplate dialog = inputBoxTemplate(state.choices != nullptr);
  DialogBoxIndirectParamW(instance, dialog.get(), owner, inputBoxProc,
                          reinterpret_cast<LPARAM>(&state));
  return state.typed;
}

}  // namespace

std::wstring runInputBox(HINSTANCE instance, HWND owner, const InputBoxTexts& texts) {
  InputBoxState state{&texts, nullptr, {}};
  return runDialog(instance, owner, state);
}

std::wstring runInputBoxWithList(HINSTANCE instance, HWND owner, const InputBoxTexts& texts,
                                 const std::vector<InputBoxChoice>& choices) {
  InputBoxState state{&texts, &choices, {}};
  return runDialog(instance, owner, state);
}

}  // namespace veltrano::win32
