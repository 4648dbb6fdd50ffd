// A property of a fuzz target that must hold for every input; a broken one ends the run as a
// crash, so that libFuzzer keeps the input that broke it.
#pragma once

#include <string>

namespace veltrano::fuzz {

void require(const std::string& problem);

}  // namespace veltrano::fuzz
