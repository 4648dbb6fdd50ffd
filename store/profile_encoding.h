// How velt2.ini's bytes are read and written. Notepad saves UTF-8, with or without a BOM; older
// files are in the system's ANSI code page. A file goes back in the form it came in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shell/text_codec.h"

namespace veltrano {

enum class ProfileEncoding { Ansi, Utf8, Utf8WithBom };

// UTF-8 with a BOM; UTF-8 when the bytes are well-formed UTF-8 holding at least one multi-byte
// character; the ANSI code page otherwise.
ProfileEncoding detectEncoding(std::string_view bytes);

// The file's text as UTF-8, the BOM belonging to no line.
std::string decodeProfile(std::string_view bytes, ProfileEncoding encoding, const TextCodec& ansi);

// The bytes to write, or nullopt when the ANSI code page cannot hold a character. ANSI bytes
// that would read back as UTF-8 are written as UTF-8 with a BOM.
std::optional<std::string> encodeProfile(std::string_view text, ProfileEncoding encoding,
                                         const TextCodec& ansi);

}  // namespace veltrano
