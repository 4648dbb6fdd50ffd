// A modal input box: a prompt, one edit field, OK (the default, Enter) and Cancel (Esc).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace veltrano::win32 {

struct InputBoxTexts {
  std::wstring prompt;
  std::wstring title;
  std::wstring initialText;
};

// An entry of the field's drop-down list: the text it puts in the field and a detail shown
// after it in the list only.
struct InputBoxChoice {
  std::wstring text;
  std::wstring detail;
};

// The typed text on OK; the empty text on Cancel, Esc or the close box.
std::wstring runInputBox(HINSTANCE instance, HWND owner, const InputBoxTexts& texts);

// The same with the field as an editable drop-down list of the choices (Alt+Down or F4
// opens it); any other text can still be typed.
std::wstring runInputBoxWithList(HINSTANCE instance, HWND owner, const InputBoxTexts& texts,
                                 const std::vector<InputBoxChoice>& choices);

}  // namespace veltrano::win32
