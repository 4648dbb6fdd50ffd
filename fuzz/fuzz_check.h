// A property of a fuzz target that must hold for every input; a broken one ends the run as a
// crash, so that libFuzzer keeps the input that broke it.
#pragma once

namespace veltrano::fuzz {

void require(bool holds, const char* property);

}  // namespace veltrano::fuzz
