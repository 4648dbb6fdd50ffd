#include "shell/win32/design_font.h"

namespace veltrano::win32 {

namespace {

// 8.25 pt in hundredths of a point.
constexpr int kPointSizeHundredths = 825;

FontHandle createFont(const wchar_t* face, UINT dpi) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(kPointSizeHundredths, static_cast<int>(dpi), 72 * 100);
  font.lfWeight = FW_BOLD;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
  return FontHandle(CreateFontIndirectW(&font));
}

int lineHeightOf(HFONT font) {
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return metrics.tmHeight;
}

}  // namespace

DesignFont::DesignFont(UINT dpi) : font_(createFont(L"MS Sans Serif", dpi)) {
  lineHeight_ = lineHeightOf(font_.get());
}

}  // namespace veltrano::win32
