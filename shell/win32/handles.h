// Owners for the Win32 handles this layer creates, so that each is released exactly once.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace veltrano::win32 {

struct KernelHandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
// For CreateFileW results, test against INVALID_HANDLE_VALUE before wrapping.
using KernelHandle = std::unique_ptr<void, KernelHandleCloser>;

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using BrushHandle = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;

struct RegistryKeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using RegistryKey = std::unique_ptr<std::remove_pointer_t<HKEY>, RegistryKeyCloser>;

}  // namespace veltrano::win32
