// Properties the unit tests check over tables and random inputs. Each returns what is wrong,
// or the empty text when all holds.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "apply/batch_file.h"

namespace veltrano::support {

// buildBatch refuses exactly the texts that cannot be carried; otherwise it gives CR LF lines
// that cmd reads as the comment and the netsh commands (address, first DNS server, one for each
// further one) with the texts exactly as given, and nothing else.
std::string batchProblem(const BatchInput& input);

}  // namespace veltrano::support
