// The common status bar at the bottom of the main window: two parts, the adapter now and the
// last apply. Screen readers read its parts as they change.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "shell/toolkit.h"

namespace veltrano::win32 {

class StatusBarControl final : public StatusBar {
 public:
  StatusBarControl(HWND parent, HINSTANCE instance, int id);

  HWND hwnd() const { return hwnd_; }
  // Paints the text at once: the window may wait next at the administrator prompt.
  void setText(int part, const std::string& text) override;
  // Takes the font and lies along the bottom of its parent's client area; gives its height.
  int place(HFONT font);

 private:
  // Each part as wide as its text, the last apply's first: a part that cannot be whole shows
  // its whole text as a tooltip.
  void divide();
  int textWidth(const std::wstring& text) const;

  HWND hwnd_;
  HFONT font_ = nullptr;
  std::array<std::wstring, 2> texts_;
};

}  // namespace veltrano::win32
