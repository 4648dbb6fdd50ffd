// One tooltip control for the whole window; each control is a tool identified by its HWND.
#pragma once

#include <windows.h>

#include <string>

namespace veltrano::win32 {

class ToolTips {
 public:
  explicit ToolTips(HWND owner);
  ToolTips(const ToolTips&) = delete;
  ToolTips& operator=(const ToolTips&) = delete;
  ~ToolTips();

  void add(HWND tool);
  void setText(HWND tool, const std::string& text);
  // Shows the tip of the control under the mouse; the message loop hands every message here.
  void relay(const MSG& message) const;

 private:
  HWND owner_;
  HWND tip_;
};

}  // namespace veltrano::win32
