#include "shell/win32/window_text.h"

#include "shell/win32/utf16.h"

namespace veltrano::win32 {

std::string windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length));
  return narrow(text);
}

void setWindowText(HWND window, const std::string& text) {
  SetWindowTextW(window, widen(text).c_str());
}

}  // namespace veltrano::win32
