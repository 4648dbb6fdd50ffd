// A command button: a push button whose BN_CLICKED runs the click handler.
#pragma once

#include "shell/toolkit.h"
#include "shell/win32/native_control.h"
#include "shell/win32/tool_tips.h"

namespace veltrano::win32 {

class PushButton final : public NativeControl, public CommandButton {
 public:
  PushButton(HWND hwnd, ToolTips& tips);

  void setCaption(const std::string& text) override;
  void setEnabled(bool enabled) override;
  void setToolTip(const std::string& text) override;
  void setClickHandler(Handler onClick) override { onClick_ = std::move(onClick); }

  void onCommand(UINT code) override;

 private:
  ToolTips& tips_;
  Handler onClick_;
};

}  // namespace veltrano::win32
