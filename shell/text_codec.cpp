#include "shell/text_codec.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace veltrano {

namespace {

// Code points of the bytes 0x80 to 0xFF; the bytes below 0x80 are ASCII in both code pages.
using UpperHalf = std::array<char16_t, 128>;

// The five bytes Windows-1252 leaves undefined decode to the C1 code point of the same
// value, as Windows itself does, so that every byte decodes and encodes back.
constexpr UpperHalf kWindows1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // 0xA0
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,  // 0xA8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,  // 0xB8
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,  // 0xC0
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,  // 0xC8
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,  // 0xD0
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,  // 0xD8
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,  // 0xE0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,  // 0xE8
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,  // 0xF0
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,  // 0xF8
};

constexpr UpperHalf kCodePage850 = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 0x80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 0x88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 0x90
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,  // 0x98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // 0xA0
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // 0xA8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,  // 0xB0
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,  // 0xB8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,  // 0xC0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,  // 0xC8
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,  // 0xD0
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,  // 0xD8
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,  // 0xE0
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,  // 0xE8
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,  // 0xF0
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,  // 0xF8
};

void appendUtf8(std::string& out, char32_t codePoint) {
  const auto put = [&out](std::uint32_t byte) { out.push_back(static_cast<char>(byte)); };
  const auto cp = static_cast<std::uint32_t>(codePoint);
  if (cp < 0x80) {
    put(cp);
  } else if (cp < 0x800) {
    put(0xC0 | (cp >> 6));
    put(0x80 | (cp & 0x3F));
  } else {
    // Every code point of both tables lies in the Basic Multilingual Plane.
    put(0xE0 | (cp >> 12));
    put(0x80 | ((cp >> 6) & 0x3F));
    put(0x80 | (cp & 0x3F));
  }
}

struct LeadByte {
  std::size_t length;     // bytes in the whole sequence
  std::uint32_t bits;     // the payload bits the lead byte carries
  std::uint32_t minimum;  // smallest code point of that length; below it the form is overlong
};

std::optional<LeadByte> classifyLead(std::uint8_t lead) {
  if (lead < 0x80) {
    return LeadByte{1, lead, 0};
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    return LeadByte{2, lead & 0x1Fu, 0x80};
  }
  if (lead >= 0xE0 && lead <= 0xEF) {
    return LeadByte{3, lead & 0x0Fu, 0x800};
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    return LeadByte{4, lead & 0x07u, 0x10000};
  }
  return std::nullopt;
}

// Reads one code point at `pos` and moves past it; nullopt on anything that is not
// well-formed UTF-8 (stray or missing continuation bytes, overlong forms, surrogates,
// values beyond U+10FFFF).
std::optional<char32_t> readUtf8(std::string_view text, std::size_t& pos) {
  const auto byteAt = [&text](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const auto lead = classifyLead(byteAt(pos));
  if (!lead || text.size() - pos < lead->length) {
    return std::nullopt;
  }
  std::uint32_t cp = lead->bits;
  for (std::size_t i = 1; i < lead->length; ++i) {
    const std::uint8_t next = byteAt(pos + i);
    if ((next & 0xC0) != 0x80) {
      return std::nullopt;
    }
    cp = (cp << 6) | (next & 0x3Fu);
  }
  if (cp < lead->minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    return std::nullopt;
  }
  pos += lead->length;
  return static_cast<char32_t>(cp);
}

// ASCII is the same in the code page and in UTF-8, and nearly all of a profile is ASCII:
// runs of it are copied whole instead of byte by byte. The run is measured eight bytes at a
// time: a word holds only ASCII when none of its bytes has the top bit set.
std::size_t asciiPrefix(std::string_view text) {
  constexpr std::uint64_t kTopBits = 0x8080808080808080u;
  std::size_t length = 0;
  for (std::uint64_t word = 0; length + sizeof word <= text.size(); length += sizeof word) {
    std::memcpy(&word, text.data() + length, sizeof word);
    if ((word & kTopBits) != 0) {
      break;
    }
  }
  while (length < text.size() && static_cast<std::uint8_t>(text[length]) < 0x80) {
    ++length;
  }
  return length;
}

class SingleByteCodec final : public TextCodec {
 public:
  explicit constexpr SingleByteCodec(const UpperHalf& upper) : upper_(upper) {}

  std::string toUtf8(std::string_view bytes) const override {
    std::string out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
      const std::size_t ascii = asciiPrefix(bytes.substr(pos));
      out.append(bytes.substr(pos, ascii));
      pos += ascii;
      if (pos < bytes.size()) {
        appendUtf8(out, upper_[static_cast<std::uint8_t>(bytes[pos]) - 0x80u]);
        ++pos;
      }
    }
    return out;
  }

  std::optional<std::string> fromUtf8(std::string_view utf8) const override {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
      const std::size_t ascii = asciiPrefix(utf8.substr(pos));
      out.append(utf8.substr(pos, ascii));
      pos += ascii;
      if (pos == utf8.size()) {
        break;
      }
      const auto cp = readUtf8(utf8, pos);
      if (!cp) {
        return std::nullopt;
      }
      const auto byte = encode(*cp);
      if (!byte) {
        return std::nullopt;
      }
      out.push_back(static_cast<char>(*byte));
    }
    return out;
  }

 private:
  // Only the exact character: a lookalike would silently change what the user typed.
  // Called for the characters past ASCII only.
  std::optional<std::uint8_t> encode(char32_t cp) const {
    for (std::size_t i = 0; i < upper_.size(); ++i) {
      if (char32_t{upper_[i]} == cp) {
        return static_cast<std::uint8_t>(0x80 + i);
      }
    }
    return std::nullopt;
  }

  const UpperHalf& upper_;
};

}  // namespace

bool isWellFormedUtf8(std::string_view bytes) {
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    pos += asciiPrefix(bytes.substr(pos));
    if (pos < bytes.size() && !readUtf8(bytes, pos)) {
      return false;
    }
  }
  return true;
}

const TextCodec& windows1252() {
  static const SingleByteCodec codec{kWindows1252};
  return codec;
}

const TextCodec& codePage850() {
  static const SingleByteCodec codec{kCodePage850};
  return codec;
}

}  // namespace veltrano
