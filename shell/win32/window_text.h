// A window's text as UTF-8.
#pragma once

#include <windows.h>

#include <string>

namespace veltrano::win32 {

std::string windowText(HWND window);
void setWindowText(HWND window, const std::string& text);

}  // namespace veltrano::win32
