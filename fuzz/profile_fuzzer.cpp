// Any bytes as velt2.ini: reading never crashes, and what reads goes round the file unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "support/properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  veltrano::support::abortOn(veltrano::support::profileRoundTripProblem(bytes));
  return 0;
}
