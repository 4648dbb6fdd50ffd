#include "shell/win32/choice_item.h"

namespace veltrano::win32 {

namespace {

constexpr int kPadding = 3;  // pixels left of the text, right of the detail and between them

std::wstring entryText(HWND combo, UINT index) {
  const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
  if (length <= 0) {
    return {};
  }
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied =
      SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

int textWidth(HDC dc, const std::wstring& text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return static_cast<int>(size.cx);
}

}  // namespace

void measureChoiceItem(HWND dialog, MEASUREITEMSTRUCT& item) {
  const HDC dc = GetDC(dialog);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  const HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(dialog, dc);
  // Entries get a little air; the selection field keeps the edit control's usual height.
  const bool field = item.itemID == static_cast<UINT>(-1);
  item.itemHeight = static_cast<UINT>(metrics.tmHeight + (field ? 2 : 4));
}

void drawChoiceItem(const DRAWITEMSTRUCT& item, const std::wstring& detail) {
  const bool highlighted = (item.itemState & ODS_SELECTED) != 0;
  const HDC dc = item.hDC;
  const int savedDc = SaveDC(dc);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
  SetBkColor(dc, GetSysColor(highlighted ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &item.rcItem, nullptr, 0, nullptr);
  if (item.itemID != static_cast<UINT>(-1)) {
    const std::wstring text = entryText(item.hwndItem, item.itemID);
    RECT detailRect = item.rcItem;
    detailRect.right -= kPadding;
    detailRect.left = detailRect.right - textWidth(dc, detail);
    RECT textRect = item.rcItem;
    textRect.left += kPadding;
    textRect.right = detailRect.left - kPadding;
    constexpr UINT kLine = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    SetTextColor(dc, GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
              kLine | DT_LEFT | DT_END_ELLIPSIS);
    SetTextColor(dc, GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_GRAYTEXT));
    DrawTextW(dc, detail.c_str(), static_cast<int>(detail.size()), &detailRect, kLine | DT_RIGHT);
  }
  if ((item.itemState & ODS_FOCUS) != 0) {
    DrawFocusRect(dc, &item.rcItem);
  }
  RestoreDC(dc, savedDc);
}

}  // namespace veltrano::win32
