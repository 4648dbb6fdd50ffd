// Conversion between the program's UTF-8 text and a single-byte code page at the edges:
// the profile file is in the system's ANSI code page, the batch file in the console's OEM one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace veltrano {

class TextCodec {
 public:
  virtual ~TextCodec() = default;
  // Every byte sequence decodes to some text.
  virtual std::string toUtf8(std::string_view bytes) const = 0;
  // nullopt when a character has no exact counterpart in the code page (never a lookalike).
  virtual std::optional<std::string> fromUtf8(std::string_view utf8) const = 0;
};

// True when the bytes are well-formed UTF-8 (no stray or missing continuation bytes, no
// overlong forms, surrogates or values beyond U+10FFFF).
bool isWellFormedUtf8(std::string_view bytes);

// Windows-1252 and CP 850, the ANSI and OEM code pages of a western Windows, built in so
// that the portable build and its tests behave as an Italian Windows does.
const TextCodec& windows1252();
const TextCodec& codePage850();

}  // namespace veltrano
