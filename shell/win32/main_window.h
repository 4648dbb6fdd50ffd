// The main window "Veltrano" (class "VeltranoMain") with every control as a direct child,
// placed from the layout table at the window's DPI.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "shell/toolkit.h"
#include "shell/win32/base_window.h"
#include "shell/win32/design_font.h"
#include "shell/win32/native_control.h"
#include "shell/win32/status_bar.h"
#include "shell/win32/tool_tips.h"

namespace veltrano::win32 {

class AppWindow final : public BaseWindow, public MainWindow {
 public:
  // Creates the window, hidden, with all its controls; hwnd() is null when that failed.
  explicit AppWindow(HINSTANCE instance);
  ~AppWindow() override;

  // The window events of the logic: every activation, and the unload when it closes.
  void setWindowEvents(Handler onActivate, Handler onUnload);
  void show(int showCommand);
  const ToolTips& toolTips() const { return *tips_; }

  void setCaption(const std::string& text) override;
  // Posts WM_CLOSE: the caller returns first, then the window unloads and closes.
  void close() override;

  CaptionControl& captionControl(int id);
  TextField& textField(int id);
  DropDownList& dropDownList(int id);
  CommandButton& commandButton(int id);
  StatusBar& statusBar() { return *statusBar_; }

 private:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  void createControls(HINSTANCE instance);
  void addControl(std::unique_ptr<NativeControl> control, int id);
  // The one place that turns the layout into pixels, at creation and on WM_DPICHANGED.
  void layOut(UINT dpi, const RECT* suggestedWindow);
  // Sizes the window so that its client area is the designed one at this DPI, with the status
  // bar's height below it.
  void sizeWindow(UINT dpi, const RECT* suggestedWindow, int statusHeight);
  NativeControl* controlAt(HWND hwnd) const;

  LRESULT onCommand(WPARAM wParam, LPARAM lParam);
  LRESULT onControlColour(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onDrawItem(const DRAWITEMSTRUCT& item);
  LRESULT onMeasureItem(MEASUREITEMSTRUCT& item) const;
  LRESULT onActivate(WPARAM wParam, LPARAM lParam);
  LRESULT onDefaultButtonQuery() const;
  LRESULT onClose();
  void restoreFocus() const;

  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  std::unique_ptr<DesignFont> font_;
  std::unique_ptr<ToolTips> tips_;
  std::unique_ptr<StatusBarControl> statusBar_;
  // In the order of the layout table.
  std::vector<std::unique_ptr<NativeControl>> controls_;
  std::unordered_map<HWND, NativeControl*> byHwnd_;
  std::unordered_map<int, NativeControl*> byId_;
  HWND lastFocus_ = nullptr;
  bool closeRequested_ = false;
  bool unloaded_ = false;
  Handler onActivate_;
  Handler onUnload_;
};

}  // namespace veltrano::win32
