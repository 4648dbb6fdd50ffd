// A modal input box: a prompt, one edit field, OK (the default, Enter) and Cancel (Esc).
#pragma once

#include <windows.h>

#include <string>

namespace veltrano::win32 {

struct InputBoxTexts {
  std::wstring prompt;
  std::wstring title;
  std::wstring initialText;
};

// The typed text on OK; the empty text on Cancel, Esc or the close box.
std::wstring runInputBox(HINSTANCE instance, HWND owner, const InputBoxTexts& texts);

}  // namespace veltrano::win32
