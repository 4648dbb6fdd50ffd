// The window's layout in twips, as designed, and the one helper that turns twips into
// pixels at a DPI: window creation and WM_DPICHANGED both go through it.
#pragma once

#include <windows.h>

#include <span>

namespace veltrano::win32 {

enum class ControlKind { Frame, Label, TextField, DropDownList, CommandButton };

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

struct PixelRect {
  int x;
  int y;
  int width;
  int height;
};

struct ControlLayout {
  int id;
  ControlKind kind;
  int frameId;  // 0: placed on the window itself
  const wchar_t* designText;
  TwipsRect rect;  // relative to the frame
  bool visible;
};

constexpr int kTwipsPerInch = 1440;
constexpr int kClientWidthTwips = 9885;
constexpr int kClientHeightTwips = 4995;

// Every control in creation order, which is stacking order and tab order: each frame before
// the controls it holds, each label just before its field, so that assistive technology
// names a field by its label. Only fields and buttons take the focus.
std::span<const ControlLayout> controlTable();

int twipsToPixels(int twips, UINT dpi);
// Position relative to the window's client area; each edge is scaled on its own so that
// neighbours stay flush whatever the rounding.
PixelRect toPixels(const ControlLayout& entry, UINT dpi);

}  // namespace veltrano::win32
