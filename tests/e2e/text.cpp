#include "text.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>

namespace e2e {

namespace {

std::string escaped(std::string_view bytes, bool escapeHighBytes) {
  std::string out = "\"";
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte == 0x7F || (escapeHighBytes && byte > 0x7F)) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned>(byte));
      out += hex;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace

std::string encode(std::string_view utf8, unsigned codePage) {
  const std::wstring wide = widen(utf8);
  if (wide.empty()) {
    return {};
  }
  const int size = static_cast<int>(wide.size());
  BOOL lossy = FALSE;
  const int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr,
                                         0, nullptr, &lossy);
  if (length <= 0 || lossy) {
    throw std::logic_error("test text " + shown(utf8) + " does not fit code page " +
                           std::to_string(codePage));
  }
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), length,
                      nullptr, nullptr);
  return bytes;
}

std::string shown(std::string_view utf8) {
  return escaped(utf8, false);
}

std::string shownBytes(std::string_view bytes) {
  return escaped(bytes, true);
}

std::vector<std::string> linesOf(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    lines.emplace_back(text.substr(start, next - start));
    start = next;
  }
  return lines;
}

}  // namespace e2e
