// What the reliability tests share about the window of the tests.
#pragma once

#include <string>

#include "fake/window_harness.h"

namespace veltrano::reliability {

// The catalogue text of a message key in a language.
std::string catalogueText(const std::string& chiave, const std::string& lingua);

}  // namespace veltrano::reliability
