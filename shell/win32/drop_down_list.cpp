#include "shell/win32/drop_down_list.h"

#include "shell/win32/utf16.h"

namespace veltrano::win32 {

namespace {

constexpr int kVisibleListItems = 8;
constexpr WPARAM kClosedBox = static_cast<WPARAM>(-1);  // CB_SETITEMHEIGHT: the selection field

LRESULT send(HWND combo, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageW(combo, message, wParam, lParam);
}

int windowHeight(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect.bottom - rect.top;
}

}  // namespace

ComboList::ComboList(HWND hwnd, ToolTips& tips) : NativeControl(hwnd), tips_(tips) {
  tips_.add(hwnd);
}

HWND ComboList::listHwnd() const {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(hwnd(), &info) ? info.hwndList : nullptr;
}

void ComboList::addItem(const std::string& text) {
  const std::wstring wide = widen(text);
  send(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

// A thousand connections fill the list at start-up: the list takes its memory at once, and
// a visible list is redrawn once at the end rather than after every entry.
void ComboList::addItems(const std::vector<std::string_view>& texts) {
  std::size_t characters = 0;
  for (const auto text : texts) {
    characters += text.size() + 1;
  }
  send(hwnd(), CB_INITSTORAGE, texts.size(), static_cast<LPARAM>(characters * sizeof(wchar_t)));
  // WM_SETREDRAW TRUE would show a hidden list, so only a visible one is frozen.
  const bool frozen = IsWindowVisible(hwnd()) != FALSE;
  if (frozen) {
    send(hwnd(), WM_SETREDRAW, FALSE);
  }
  for (const auto text : texts) {
    const std::wstring wide = widen(text);
    send(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  }
  if (frozen) {
    send(hwnd(), WM_SETREDRAW, TRUE);
    InvalidateRect(hwnd(), nullptr, TRUE);
  }
}

void ComboList::insertItem(int index, const std::string& text) {
  const std::wstring wide = widen(text);
  send(hwnd(), CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.c_str()));
}

void ComboList::removeItem(int index) {
  send(hwnd(), CB_DELETESTRING, static_cast<WPARAM>(index));
}

int ComboList::count() const {
  return static_cast<int>(send(hwnd(), CB_GETCOUNT));
}

int ComboList::listIndex() const {
  return static_cast<int>(send(hwnd(), CB_GETCURSEL));
}

void ComboList::setListIndex(int index) {
  if (index == listIndex() || index < -1 || index >= count()) {
    return;
  }
  send(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index));
  if (onSelection_) {
    onSelection_();
  }
}

std::string ComboList::text() const {
  const int selected = listIndex();
  return selected < 0 ? std::string{} : narrow(itemText(selected));
}

void ComboList::setVisible(bool visible) {
  if (!visible) {
    giveUpFocus();
  }
  ShowWindow(hwnd(), visible ? SW_SHOWNA : SW_HIDE);
}

void ComboList::setBackColour(Colore colour) {
  if (back_.set(colour)) {
    InvalidateRect(hwnd(), nullptr, TRUE);
    if (const HWND list = listHwnd()) {
      InvalidateRect(list, nullptr, TRUE);
    }
  }
}

void ComboList::setToolTip(const std::string& text) {
  tips_.setText(hwnd(), text);
}

void ComboList::setFocusHandlers(Handler gotFocus, Handler lostFocus) {
  gotFocus_ = std::move(gotFocus);
  lostFocus_ = std::move(lostFocus);
}

void ComboList::onCommand(UINT code) {
  if (code == CBN_SELCHANGE && onSelection_) {
    onSelection_();
  } else if (code == CBN_SETFOCUS && gotFocus_) {
    gotFocus_();
  } else if (code == CBN_KILLFOCUS && lostFocus_) {
    lostFocus_();
  }
}

HBRUSH ComboList::onControlColour(HDC dc) {
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, back_.colour());
  return back_.brush();
}

void ComboList::onDrawItem(const DRAWITEMSTRUCT& item) {
  const bool inClosedBox = (item.itemState & ODS_COMBOBOXEDIT) != 0;
  // In the closed box the focus shows as the background colour, not as a highlight.
  const bool highlighted = !inClosedBox && (item.itemState & ODS_SELECTED) != 0;
  const HDC dc = item.hDC;
  const COLORREF back = highlighted ? GetSysColor(COLOR_HIGHLIGHT) : back_.colour();
  const COLORREF fore = GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  const int savedDc = SaveDC(dc);
  SelectObject(dc, reinterpret_cast<HFONT>(send(hwnd(), WM_GETFONT)));
  SetBkColor(dc, back);
  SetTextColor(dc, fore);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &item.rcItem, nullptr, 0, nullptr);
  const bool hasItem = item.itemID != static_cast<UINT>(-1);
  if (hasItem) {
    const std::wstring text = itemText(static_cast<int>(item.itemID));
    RECT textRect = item.rcItem;
    textRect.left += 2;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
  }
  if (inClosedBox && (item.itemState & ODS_FOCUS) != 0) {
    DrawFocusRect(dc, &item.rcItem);
  }
  RestoreDC(dc, savedDc);
}

void ComboList::place(const PixelRect& rect, int lineHeight) {
  const int itemHeight = lineHeight + 2;
  send(hwnd(), CB_SETITEMHEIGHT, 0, itemHeight);
  // The height given to a combo box includes its dropped-down list.
  SetWindowPos(hwnd(), nullptr, rect.x, rect.y, rect.width,
               rect.height + kVisibleListItems * itemHeight + 2, SWP_NOZORDER | SWP_NOACTIVATE);
  fitClosedHeight(rect.height);
}

std::wstring ComboList::itemText(int index) const {
  const auto length = send(hwnd(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length <= 0) {
    return {};
  }
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied =
      send(hwnd(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

// The closed box's height follows its selection field; adjust that field until the whole
// box is as tall as designed, whatever border the theme draws around it. Steps go from the
// height last asked for, since Wine reports the field two pixels taller than asked.
void ComboList::fitClosedHeight(int height) {
  auto field = static_cast<int>(send(hwnd(), CB_GETITEMHEIGHT, kClosedBox));
  for (int attempt = 0; attempt < 3; ++attempt) {
    const int excess = windowHeight(hwnd()) - height;
    if (excess == 0 || field - excess <= 0) {
      return;
    }
    field -= excess;
    send(hwnd(), CB_SETITEMHEIGHT, kClosedBox, field);
  }
}

}  // namespace veltrano::win32
