#include "shell/win32/back_colour.h"

namespace veltrano::win32 {

bool BackColour::set(Colore colour) {
  const COLORREF wanted = toColorRef(colour);
  if (brush_ && wanted == colour_) {
    return false;
  }
  colour_ = wanted;
  brush_.reset(CreateSolidBrush(wanted));
  return true;
}

}  // namespace veltrano::win32
