// A text field: a single-line edit control with its own background colour.
#pragma once

#include "shell/toolkit.h"
#include "shell/win32/back_colour.h"
#include "shell/win32/native_control.h"
#include "shell/win32/tool_tips.h"

namespace veltrano::win32 {

class EditField final : public NativeControl, public TextField {
 public:
  EditField(HWND hwnd, ToolTips& tips);

  std::string text() const override;
  void setText(const std::string& text) override;
  void setEnabled(bool enabled) override;
  void setVisible(bool visible) override;
  void setBackColour(Colore colour) override;
  void setToolTip(const std::string& text) override;
  // Does nothing for a field that is disabled or hidden.
  void setFocus() override;
  void setFocusHandlers(Handler gotFocus, Handler lostFocus) override;

  void onCommand(UINT code) override;
  // Both WM_CTLCOLOREDIT and, for a disabled field, WM_CTLCOLORSTATIC.
  HBRUSH onControlColour(HDC dc) override;

 private:
  ToolTips& tips_;
  BackColour back_;
  Handler gotFocus_;
  Handler lostFocus_;
};

}  // namespace veltrano::win32
