#include "shell/win32/code_page_codec.h"

#include "shell/win32/utf16.h"

namespace veltrano::win32 {

namespace {

std::optional<std::wstring> strictWiden(std::string_view utf8) {
  const int inLength = static_cast<int>(utf8.size());
  const int outLength =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), inLength, nullptr, 0);
  if (outLength == 0) {
    return std::nullopt;
  }
  std::wstring out(static_cast<std::size_t>(outLength), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), inLength, out.data(), outLength);
  return out;
}

}  // namespace

std::string CodePageCodec::toUtf8(std::string_view bytes) const {
  if (bytes.empty()) {
    return {};
  }
  const int inLength = static_cast<int>(bytes.size());
  const int outLength = MultiByteToWideChar(codePage_, 0, bytes.data(), inLength, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(outLength), L'\0');
  MultiByteToWideChar(codePage_, 0, bytes.data(), inLength, wide.data(), outLength);
  return narrow(wide);
}

std::optional<std::string> CodePageCodec::fromUtf8(std::string_view utf8) const {
  if (utf8.empty()) {
    return std::string{};
  }
  const auto wide = strictWiden(utf8);
  if (!wide) {
    return std::nullopt;
  }
  if (codePage_ == CP_UTF8) {
    // A machine whose ANSI code page is UTF-8 can hold every character.
    return std::string(utf8);
  }
  const int inLength = static_cast<int>(wide->size());
  BOOL usedDefault = FALSE;
  const int outLength = WideCharToMultiByte(codePage_, WC_NO_BEST_FIT_CHARS, wide->data(), inLength,
                                            nullptr, 0, nullptr, &usedDefault);
  if (outLength == 0 || usedDefault) {
    return std::nullopt;
  }
  std::string out(static_cast<std::size_t>(outLength), '\0');
  WideCharToMultiByte(codePage_, WC_NO_BEST_FIT_CHARS, wide->data(), inLength, out.data(),
                      outLength, nullptr, &usedDefault);
  if (usedDefault) {
    return std::nullopt;
  }
  return out;
}

const CodePageCodec& ansiCodePage() {
  static const CodePageCodec codec(GetACP());
  return codec;
}

const CodePageCodec& oemCodePage() {
  static const CodePageCodec codec(GetOEMCP());
  return codec;
}

}  // namespace veltrano::win32
