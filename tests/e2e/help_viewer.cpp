#include "help_viewer.h"

#include <windows.h>

#include "expect.h"
#include "text.h"

namespace e2e {

namespace {

constexpr UINT kDisplayTableOfContents = 0x0001;  // HH_DISPLAY_TOC
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

}  // namespace

std::string helpViewerCaptionFor(const std::filesystem::path& helpFile) {
  std::error_code error;
  if (!std::filesystem::exists(helpFile, error)) {
    fail("help file " + helpFile.string() + " is missing");
  }
  static const HMODULE library = LoadLibraryW(L"hhctrl.ocx");
  const auto htmlHelp = library != nullptr
                            ? reinterpret_cast<HtmlHelpFunction>(
                                  reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpW")))
                            : nullptr;
  if (htmlHelp == nullptr) {
    fail("the driver cannot load HtmlHelpW from hhctrl.ocx");
  }
  const HWND viewer = htmlHelp(nullptr, helpFile.wstring().c_str(), kDisplayTableOfContents, 0);
  if (viewer == nullptr) {
    fail("the HTML Help viewer cannot open " + helpFile.string());
  }
  // The viewer is a window of this thread: read it directly.
  wchar_t caption[512] = {};
  GetWindowTextW(viewer, caption, 512);
  DestroyWindow(viewer);
  return narrow(caption);
}

}  // namespace e2e
