// Frames (group boxes) and labels: only their caption changes.
#pragma once

#include "shell/toolkit.h"
#include "shell/win32/native_control.h"

namespace veltrano::win32 {

class CaptionLabel final : public NativeControl, public CaptionControl {
 public:
  using NativeControl::NativeControl;
  void setCaption(const std::string& text) override;
};

}  // namespace veltrano::win32
