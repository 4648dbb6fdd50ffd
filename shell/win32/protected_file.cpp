#include "shell/win32/protected_file.h"

#include <sddl.h>

#include <vector>

#include "shell/win32/handles.h"

namespace veltrano::win32 {

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

LocalMemory protectedFileDescriptor(const std::wstring& userSid) {
  // P: inherit nothing from the folder; FA: full access for the user, SYSTEM, Administrators.
  const std::wstring dacl = L"D:P(A;;FA;;;" + userSid + L")(A;;FA;;;SY)(A;;FA;;;BA)";
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (userSid.empty() || !ConvertStringSecurityDescriptorToSecurityDescriptorW(
                             dacl.c_str(), SDDL_REVISION_1, &descriptor, nullptr)) {
    return nullptr;
  }
  return LocalMemory(descriptor);
}

HANDLE createProtectedFile(const std::wstring& path) {
  const LocalMemory descriptor = protectedFileDescriptor(currentUserSid());
  if (!descriptor) {
    SetLastError(ERROR_INVALID_SECURITY_DESCR);
    return INVALID_HANDLE_VALUE;
  }
  SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor.get(), FALSE};
  return CreateFileW(path.c_str(), GENERIC_WRITE, 0, &attributes, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

}  // namespace veltrano::win32
