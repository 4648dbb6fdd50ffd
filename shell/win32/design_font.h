// The window's font, MS Sans Serif 8.25 pt bold, at a given DPI.
#pragma once

#include <windows.h>

#include "shell/win32/handles.h"

namespace veltrano::win32 {

class DesignFont {
 public:
  explicit DesignFont(UINT dpi);

  HFONT handle() const { return font_.get(); }
  // The height of one line of text, in pixels.
  int lineHeight() const { return lineHeight_; }

 private:
  FontHandle font_;
  int lineHeight_ = 0;
};

}  // namespace veltrano::win32
