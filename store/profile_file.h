// velt2.ini: four header lines (adapter name, a kept line, language, count), then nine
// lines per connection. These functions work on UTF-8 text; the caller converts from and
// to the file's code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/profile_encoding.h"
#include "store/profile_table.h"

namespace veltrano {

struct Profilo {
  std::string interfaccia;
  std::string riservato;
  std::string lingua = "IT";
  // Line 4 as read; written back unchanged until an insert or a delete changes the count.
  std::optional<std::string> conteggioLetto;
  ProfileTable connessioni;
  ProfileEncoding codifica = ProfileEncoding::Ansi;  // how the file was read, and is written back
};

// The count of line 4: decimal digits with optional blanks around them, 0 to 1000.
std::optional<int> parseConteggio(std::string_view line);

// Reads the file's text into the profile, field by field in file order, so that what was
// read before a fault (the language, say) stays. False when the text is not a whole profile.
bool leggiProfilo(std::string_view text, Profilo& profilo);

// The whole file as text with CR LF line ends, or nullopt when a value holds a line break,
// which would shift every later line.
std::optional<std::string> scriviProfilo(const Profilo& profilo);

// The same from and to the file's bytes, in the encoding the bytes came in (see
// profile_encoding.h): the profile keeps it for the next write.
bool leggiProfiloDaByte(std::string_view bytes, const TextCodec& ansi, Profilo& profilo);
std::optional<std::string> scriviProfiloInByte(const Profilo& profilo, const TextCodec& ansi);

}  // namespace veltrano
