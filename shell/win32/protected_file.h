// A new file that only the current user, SYSTEM and the Administrators may open or change.
#pragma once

#include <windows.h>

#include <string>

namespace veltrano::win32 {

// Creates the file anew (it must not exist) for writing, with a protected DACL granting full
// access to those three alone, so no inherited or older permission reaches it. Returns
// INVALID_HANDLE_VALUE with the last error set on failure.
HANDLE createProtectedFile(const std::wstring& path);

// The string form ("S-1-5-21-...") of the user this process runs as; empty if unknown.
std::wstring currentUserSid();

}  // namespace veltrano::win32
