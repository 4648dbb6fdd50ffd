// The common status bar at the bottom of the main window: two parts, the adapter now and the
// last apply. Screen readers read its parts as they change.
#pragma once

#include <windows.h>

#include "shell/toolkit.h"

namespace veltrano::win32 {

class StatusBarControl final : public StatusBar {
 public:
  StatusBarControl(HWND parent, HINSTANCE instance, int id);

  HWND hwnd() const { return hwnd_; }
  // Paints the text at once: the window may wait next at the administrator prompt.
  void setText(int part, const std::string& text) override;
  // Takes the font, lies along the bottom of its parent's client area and splits it into its
  // parts; gives its height.
  int place(HFONT font);

 private:
  HWND hwnd_;
};

}  // namespace veltrano::win32
