#include "shell/win32/caption_label.h"

#include "shell/win32/window_text.h"

namespace veltrano::win32 {

void CaptionLabel::setCaption(const std::string& text) {
  setWindowText(hwnd(), text);
}

}  // namespace veltrano::win32
