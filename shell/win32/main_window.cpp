#include "shell/win32/main_window.h"

#include <commctrl.h>

#include "shell/win32/caption_label.h"
#include "shell/win32/control_ids.h"
#include "shell/win32/drop_down_list.h"
#include "shell/win32/edit_field.h"
#include "shell/win32/layout.h"
#include "shell/win32/push_button.h"
#include "shell/win32/resource_ids.h"
#include "shell/win32/window_text.h"

namespace veltrano::win32 {

namespace {

constexpr wchar_t kClassName[] = L"VeltranoMain";
constexpr wchar_t kDesignCaption[] = L"Veltrano";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kWindowExStyle = 0;
// Activation is handed to the logic once the activating messages are done with.
constexpr UINT kActivatedMessage = WM_APP + 1;

struct NativeClass {
  const wchar_t* name;
  DWORD style;
  DWORD exStyle;
};

NativeClass nativeClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Frame:
      // Painted after the controls beneath it, so a frame in front of them never hides them.
      return {WC_BUTTONW, BS_GROUPBOX, WS_EX_TRANSPARENT};
    case ControlKind::Label:
      return {WC_STATICW, SS_LEFT, 0};
    case ControlKind::TextField:
      return {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::DropDownList:
      return {WC_COMBOBOXW,
              CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::CommandButton:
      return {WC_BUTTONW, BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0};
  }
  return {WC_STATICW, 0, 0};
}

HICON loadIcon(HINSTANCE instance, int sizeMetric) {
  const int size = GetSystemMetrics(sizeMetric);
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(VELTRANO_ICON), IMAGE_ICON, size,
                                       size, LR_DEFAULTCOLOR));
}

void registerWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = loadIcon(instance, SM_CXICON);
  windowClass.hIconSm = loadIcon(instance, SM_CXSMICON);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_3DFACE + 1));
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
}

HWND createChild(HWND parent, HINSTANCE instance, const ControlLayout& entry) {
  const NativeClass native = nativeClassOf(entry.kind);
  const DWORD style = native.style | WS_CHILD | (entry.visible ? WS_VISIBLE : 0);
  const HWND child =
      CreateWindowExW(native.exStyle, native.name, entry.designText, style, 0, 0, 0, 0, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)), instance, nullptr);
  // Creation order is both tab order and stacking order.
  SetWindowPos(child, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return child;
}

std::unique_ptr<NativeControl> wrap(HWND child, ControlKind kind, ToolTips& tips) {
  switch (kind) {
    case ControlKind::TextField:
      return std::make_unique<EditField>(child, tips);
    case ControlKind::DropDownList:
      return std::make_unique<ComboList>(child, tips);
    case ControlKind::CommandButton:
      return std::make_unique<PushButton>(child, tips);
    case ControlKind::Frame:
    case ControlKind::Label:
      break;
  }
  return std::make_unique<CaptionLabel>(child);
}

}  // namespace

AppWindow::AppWindow(HINSTANCE instance) {
  registerWindowClass(instance, &BaseWindow::windowProc);
  CreateWindowExW(kWindowExStyle, kClassName, kDesignCaption, kWindowStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
  if (hwnd() == nullptr) {
    return;
  }
  dpi_ = GetDpiForWindow(hwnd());
  font_ = std::make_unique<DesignFont>(dpi_);
  tips_ = std::make_unique<ToolTips>(hwnd());
  createControls(instance);
  statusBar_ = std::make_unique<StatusBarControl>(hwnd(), instance, ids::barStato);
  layOut(dpi_, nullptr);
}

AppWindow::~AppWindow() {
  if (hwnd() != nullptr) {
    unloaded_ = true;  // the handlers' owner may be gone already
    DestroyWindow(hwnd());
  }
}

void AppWindow::setWindowEvents(Handler onActivate, Handler onUnload) {
  onActivate_ = std::move(onActivate);
  onUnload_ = std::move(onUnload);
}

void AppWindow::show(int showCommand) {
  ShowWindow(hwnd(), showCommand);
  UpdateWindow(hwnd());
}

void AppWindow::setCaption(const std::string& text) {
  setWindowText(hwnd(), text);
}

void AppWindow::close() {
  if (!closeRequested_) {
    closeRequested_ = true;
    PostMessageW(hwnd(), WM_CLOSE, 0, 0);
  }
}

CaptionControl& AppWindow::captionControl(int id) {
  return dynamic_cast<CaptionLabel&>(*byId_.at(id));
}

TextField& AppWindow::textField(int id) {
  return dynamic_cast<EditField&>(*byId_.at(id));
}

DropDownList& AppWindow::dropDownList(int id) {
  return dynamic_cast<ComboList&>(*byId_.at(id));
}

CommandButton& AppWindow::commandButton(int id) {
  return dynamic_cast<PushButton&>(*byId_.at(id));
}

void AppWindow::createControls(HINSTANCE instance) {
  for (const ControlLayout& entry : controlTable()) {
    const HWND child = createChild(hwnd(), instance, entry);
    auto control = wrap(child, entry.kind, *tips_);
    if (auto* combo = dynamic_cast<ComboList*>(control.get())) {
      byHwnd_[combo->listHwnd()] = combo;  // its WM_CTLCOLORLISTBOX names the list
    }
    addControl(std::move(control), entry.id);
  }
}

void AppWindow::addControl(std::unique_ptr<NativeControl> control, int id) {
  byHwnd_[control->hwnd()] = control.get();
  byId_[id] = control.get();
  controls_.push_back(std::move(control));
}

void AppWindow::layOut(UINT dpi, const RECT* suggestedWindow) {
  auto font = std::make_unique<DesignFont>(dpi);
  // The window grows by the bar's height at this DPI; nothing above it moves.
  sizeWindow(dpi, suggestedWindow, statusBar_->place(font->handle()));
  statusBar_->place(font->handle());
  const auto layouts = controlTable();
  for (std::size_t index = 0; index < layouts.size(); ++index) {
    NativeControl& control = *controls_[index];
    SendMessageW(control.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font->handle()), TRUE);
    control.place(toPixels(layouts[index], dpi), font->lineHeight());
  }
  // The old font goes only now that no control uses it.
  font_ = std::move(font);
  dpi_ = dpi;
}

void AppWindow::sizeWindow(UINT dpi, const RECT* suggestedWindow, int statusHeight) {
  const int clientWidth = twipsToPixels(kClientWidthTwips, dpi);
  const int clientHeight = twipsToPixels(kClientHeightTwips, dpi) + statusHeight;
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, kWindowExStyle, dpi);
  const UINT moveFlags = suggestedWindow == nullptr ? SWP_NOMOVE : 0;
  SetWindowPos(hwnd(), nullptr, suggestedWindow == nullptr ? 0 : suggestedWindow->left,
               suggestedWindow == nullptr ? 0 : suggestedWindow->top, frame.right - frame.left,
               frame.bottom - frame.top, moveFlags | SWP_NOZORDER | SWP_NOACTIVATE);
  // The frame actually drawn may differ from the computed one (a theme, a caption not yet
  // at the new scaling): correct by what the client area really got.
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int missingWidth = clientWidth - client.right;
  const int missingHeight = clientHeight - client.bottom;
  if (missingWidth != 0 || missingHeight != 0) {
    SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left + missingWidth,
                 frame.bottom - frame.top + missingHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

NativeControl* AppWindow::controlAt(HWND hwnd) const {
  const auto found = byHwnd_.find(hwnd);
  return found == byHwnd_.end() ? nullptr : found->second;
}

LRESULT AppWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return onCommand(wParam, lParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      return onControlColour(message, wParam, lParam);
    case WM_DRAWITEM:
      return onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_MEASUREITEM:
      return onMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_ACTIVATE:
      return onActivate(wParam, lParam);
    case kActivatedMessage:
      if (!unloaded_ && onActivate_) {
        onActivate_();
      }
      return 0;
    case WM_SETFOCUS:
      restoreFocus();
      return 0;
    case DM_GETDEFID:
      return onDefaultButtonQuery();
    case WM_DPICHANGED:
      layOut(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_CLOSE:
      return onClose();
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd(), message, wParam, lParam);
  }
}

LRESULT AppWindow::onCommand(WPARAM wParam, LPARAM lParam) {
  // After the unload the logic is done; a field losing the focus as the window goes away
  // must not call back into it.
  if (unloaded_ || lParam == 0) {
    return 0;
  }
  if (NativeControl* control = controlAt(reinterpret_cast<HWND>(lParam))) {
    control->onCommand(HIWORD(wParam));
  }
  return 0;
}

LRESULT AppWindow::onControlColour(UINT message, WPARAM wParam, LPARAM lParam) {
  if (NativeControl* control = controlAt(reinterpret_cast<HWND>(lParam))) {
    if (const HBRUSH brush = control->onControlColour(reinterpret_cast<HDC>(wParam))) {
      return reinterpret_cast<LRESULT>(brush);
    }
  }
  return DefWindowProcW(hwnd(), message, wParam, lParam);
}

LRESULT AppWindow::onDrawItem(const DRAWITEMSTRUCT& item) {
  if (NativeControl* control = controlAt(item.hwndItem)) {
    control->onDrawItem(item);
    return TRUE;
  }
  return FALSE;
}

LRESULT AppWindow::onMeasureItem(MEASUREITEMSTRUCT& item) const {
  // Sent while a list is being created, before it is placed; placing sets the real heights.
  item.itemHeight = static_cast<UINT>((font_ ? font_->lineHeight() : 13) + 2);
  return TRUE;
}

LRESULT AppWindow::onActivate(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(hwnd(), focus)) {
      lastFocus_ = focus;
    }
  } else {
    PostMessageW(hwnd(), kActivatedMessage, 0, 0);
  }
  return DefWindowProcW(hwnd(), WM_ACTIVATE, wParam, lParam);
}

// Enter presses the focused button, as in a dialog; elsewhere it does nothing.
LRESULT AppWindow::onDefaultButtonQuery() const {
  const HWND focus = GetFocus();
  if (dynamic_cast<PushButton*>(controlAt(focus)) != nullptr) {
    return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
  }
  return 0;
}

LRESULT AppWindow::onClose() {
  if (!unloaded_) {
    unloaded_ = true;
    if (onUnload_) {
      onUnload_();
    }
  }
  DestroyWindow(hwnd());
  return 0;
}

void AppWindow::restoreFocus() const {
  const bool lastUsable =
      lastFocus_ != nullptr && IsWindowEnabled(lastFocus_) && IsWindowVisible(lastFocus_);
  const HWND target = lastUsable ? lastFocus_ : GetNextDlgTabItem(hwnd(), nullptr, FALSE);
  if (target != nullptr) {
    SetFocus(target);
  }
}

}  // namespace veltrano::win32
