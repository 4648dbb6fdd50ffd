#include "shell/win32/protected_file.h"

#include <sddl.h>

#include <vector>

#include "shell/win32/handles.h"

namespace veltrano::win32 {

namespace {

struct LocalMemoryFreer {
  void operator()(void* memory) const { LocalFree(memory); }
};
using LocalMemory = std::unique_ptr<void, LocalMemoryFreer>;

}  // namespace

std::wstring currentUserSid() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
    return {};
  }
  const KernelHandle owned(token);
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::vector<BYTE> buffer(size);
  if (size == 0 || !GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
    return {};
  }
  wchar_t* text = nullptr;
  const auto* user = reinterpret_cast<const TOKEN_USER*>(buffer.data());
  if (!ConvertSidToStringSidW(user->User.Sid, &text)) {
    return {};
  }
  const LocalMemory ownedText(text);
  return text;
}

HANDLE createProtectedFile(const std::wstring& path) {
  const std::wstring user = currentUserSid();
  if (user.empty()) {
    SetLastError(ERROR_NO_SUCH_USER);
    return INVALID_HANDLE_VALUE;
  }
  // P: inherit nothing from the folder; FA: full access for the user, SYSTEM, Administrators.
  const std::wstring dacl = L"D:P(A;;FA;;;" + user + L")(A;;FA;;;SY)(A;;FA;;;BA)";
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(dacl.c_str(), SDDL_REVISION_1,
                                                            &descriptor, nullptr)) {
    return INVALID_HANDLE_VALUE;
  }
  const LocalMemory ownedDescriptor(descriptor);
  SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
  return CreateFileW(path.c_str(), GENERIC_WRITE, 0, &attributes, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

}  // namespace veltrano::win32
