// Where the executable lives: velt2.ini, lastconnection.bat and the help files sit beside it.
#pragma once

#include <string>

namespace veltrano::win32 {

// The folder part of a module path: without a trailing backslash, except for a drive's
// root ("C:\"), which keeps it.
std::wstring folderOfModulePath(const std::wstring& modulePath);

// The full path of this process's executable, from GetModuleFileNameW; empty when unknown.
std::wstring modulePath();

// The folder of this process's executable.
std::wstring programFolder();

}  // namespace veltrano::win32
