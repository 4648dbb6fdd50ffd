// A modal box that asks whether to keep a change and counts down the seconds before it is put
// back: its text (ID 0xFFFF, as a message box's) is redrawn every second, with Keep (IDYES) and
// Revert now (IDNO); Esc or the close box mean Revert now, and it closes by itself at zero.
#pragma once

#include <windows.h>

#include <string>

#include "shell/toolkit.h"

namespace veltrano::win32 {

struct CountdownTexts {
  std::wstring text;  // %1: the seconds left
  std::wstring keep;
  std::wstring revert;
  std::wstring title;
};

ConfirmAnswer runCountdownBox(HINSTANCE instance, HWND owner, const CountdownTexts& texts,
                              int seconds);

}  // namespace veltrano::win32
