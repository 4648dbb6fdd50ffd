#include "store/profile_encoding.h"

#include <algorithm>

namespace veltrano {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool onlyAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

ProfileEncoding detectEncoding(std::string_view bytes) {
  if (bytes.substr(0, kBom.size()) == kBom) {
    return ProfileEncoding::Utf8WithBom;
  }
  if (!onlyAscii(bytes) && isWellFormedUtf8(bytes)) {
    return ProfileEncoding::Utf8;
  }
  return ProfileEncoding::Ansi;
}

std::string decodeProfile(std::string_view bytes, ProfileEncoding encoding, const TextCodec& ansi) {
  switch (encoding) {
    case ProfileEncoding::Utf8WithBom:
      bytes.remove_prefix(kBom.size());
      [[fallthrough]];
    case ProfileEncoding::Utf8:
      return std::string(bytes);
    case ProfileEncoding::Ansi:
      break;
  }
  return ansi.toUtf8(bytes);
}

std::optional<std::string> encodeProfile(std::string_view text, ProfileEncoding encoding,
                                         const TextCodec& ansi) {
  switch (encoding) {
    case ProfileEncoding::Utf8WithBom:
      return std::string(kBom) + std::string(text);
    case ProfileEncoding::Utf8:
      return std::string(text);
    case ProfileEncoding::Ansi:
      break;
  }
  auto bytes = ansi.fromUtf8(text);
  if (bytes && detectEncoding(*bytes) != ProfileEncoding::Ansi) {
    // Such bytes (a typed "Ã¨", say) would read back as other characters: the text goes out
    // as UTF-8 with a BOM instead, which reads back as typed.
    return encodeProfile(text, ProfileEncoding::Utf8WithBom, ansi);
  }
  return bytes;
}

}  // namespace veltrano
