// Any bytes as velt2.ini: reading never crashes, and a file that reads is written, read again
// and written again to the same table and the same bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "shell/text_codec.h"
#include "store/profile_file.h"

namespace {

using veltrano::fuzz::require;

bool sameRows(const veltrano::ProfileTable& read, const veltrano::ProfileTable& again) {
  if (read.count() != again.count()) {
    return false;
  }
  for (int r = 1; r <= read.count(); ++r) {
    for (std::size_t c = 0; c < veltrano::kColonne; ++c) {
      // Connection values are written trimmed; header lines as they were read.
      if (veltrano::trimBlanks(read.valore(r, c)) != again.valore(r, c)) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto& codePage = veltrano::windows1252();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  veltrano::Profilo first;
  if (!veltrano::leggiProfilo(codePage.toUtf8(bytes), first)) {
    return 0;
  }
  const auto written = veltrano::scriviProfilo(first);
  require(written.has_value(), "a profile that was read can be written");
  const auto writtenBytes = codePage.fromUtf8(*written);
  require(writtenBytes.has_value(), "what was read from the code page goes back into it");

  veltrano::Profilo second;
  require(veltrano::leggiProfilo(codePage.toUtf8(*writtenBytes), second),
          "a written profile reads back");
  require(second.interfaccia == first.interfaccia && second.riservato == first.riservato &&
              second.lingua == first.lingua && second.conteggioLetto == first.conteggioLetto,
          "the header lines read back as they were read");
  require(sameRows(first.connessioni, second.connessioni),
          "the table reads back, each value trimmed");

  const auto rewritten = veltrano::scriviProfilo(second);
  require(rewritten == written, "writing what was read back gives the same bytes");
  return 0;
}
