// A drop-down list without typing: an owner-drawn CBS_DROPDOWNLIST combo box, drawn by us
// so that its background colour shows in the closed box as well as in the list.
#pragma once

#include "shell/toolkit.h"
#include "shell/win32/back_colour.h"
#include "shell/win32/native_control.h"
#include "shell/win32/tool_tips.h"

namespace veltrano::win32 {

class ComboList final : public NativeControl, public DropDownList {
 public:
  ComboList(HWND hwnd, ToolTips& tips);

  // The list part of the combo box, which sends WM_CTLCOLORLISTBOX on its own.
  HWND listHwnd() const;

  void addItem(const std::string& text) override;
  void addItems(const std::vector<std::string_view>& texts) override;
  void insertItem(int index, const std::string& text) override;
  void removeItem(int index) override;
  int count() const override;
  int listIndex() const override;
  // Runs the selection handler when the index changes, as a user's pick does; Win32 sends
  // nothing for CB_SETCURSEL. An index outside -1 .. count-1 changes nothing.
  void setListIndex(int index) override;
  std::string text() const override;
  void setVisible(bool visible) override;
  void setBackColour(Colore colour) override;
  void setToolTip(const std::string& text) override;
  void setClickHandler(Handler onSelection) override { onSelection_ = std::move(onSelection); }
  void setFocusHandlers(Handler gotFocus, Handler lostFocus) override;

  void onCommand(UINT code) override;
  HBRUSH onControlColour(HDC dc) override;
  void onDrawItem(const DRAWITEMSTRUCT& item) override;
  void place(const PixelRect& rect, int lineHeight) override;

 private:
  std::wstring itemText(int index) const;
  void fitClosedHeight(int height);

  ToolTips& tips_;
  BackColour back_;
  Handler onSelection_;
  Handler gotFocus_;
  Handler lostFocus_;
};

}  // namespace veltrano::win32
