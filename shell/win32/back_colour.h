// A control's background colour and the brush that paints it.
#pragma once

#include <windows.h>

#include "shell/toolkit.h"
#include "shell/win32/handles.h"

namespace veltrano::win32 {

// The toolkit's packed colour (red + 256 * green + 65536 * blue) is a COLORREF already.
constexpr COLORREF toColorRef(Colore colour) {
  return static_cast<COLORREF>(colour) & 0xFFFFFFu;
}

class BackColour {
 public:
  BackColour() : BackColour(kWhite) {}
  explicit BackColour(Colore colour) { set(colour); }

  // False when the colour was already this one.
  bool set(Colore colour);
  COLORREF colour() const { return colour_; }
  HBRUSH brush() const { return brush_.get(); }

 private:
  COLORREF colour_ = 0;
  BrushHandle brush_;
};

}  // namespace veltrano::win32
