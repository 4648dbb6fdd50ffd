// Properties shared by the unit tests (over tables and random inputs) and the fuzzers (over
// whatever libFuzzer finds). Each returns what is wrong, or the empty text when all holds.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "apply/batch_file.h"

namespace veltrano::support {

// buildBatch refuses exactly the texts that cannot be carried; otherwise it gives CR LF lines
// that cmd reads as the comment and the netsh commands (address, first DNS server, one for each
// further one) with the texts exactly as given, and nothing else.
std::string batchProblem(const BatchInput& input);

// Any bytes as velt2.ini: a file that reads is written, read again and written again to the
// same header, count and bytes.
std::string profileRoundTripProblem(std::string_view bytes);

// For the fuzzers: a broken property ends the run as a crash, so libFuzzer keeps the input.
inline void abortOn(const std::string& problem) {
  if (!problem.empty()) {
    std::fprintf(stderr, "property broken: %s\n", problem.c_str());
    std::abort();
  }
}

}  // namespace veltrano::support
