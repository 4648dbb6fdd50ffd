// A new file that only the current user, SYSTEM and the Administrators may open or change.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace veltrano::win32 {

struct LocalMemoryFreer {
  void operator()(void* memory) const { LocalFree(memory); }
};
// Memory the system allocated with LocalAlloc for us.
using LocalMemory = std::unique_ptr<void, LocalMemoryFreer>;

// The security descriptor a protected file is made with: a protected DACL (nothing inherited
// from the folder) granting full access to the user with this SID, SYSTEM and the
// Administrators alone. Null when it cannot be built.
LocalMemory protectedFileDescriptor(const std::wstring& userSid);

// Creates the file anew (it must not exist) for writing with that descriptor for this process's
// user, so no inherited or older permission reaches it. Returns INVALID_HANDLE_VALUE with the
// last error set on failure.
HANDLE createProtectedFile(const std::wstring& path);

// The string form ("S-1-5-21-...") of the user this process runs as; empty if unknown.
std::wstring currentUserSid();

}  // namespace veltrano::win32
