#include "fuzz_check.h"

#include <cstdio>
#include <cstdlib>

namespace veltrano::fuzz {

void require(const std::string& problem) {
  if (!problem.empty()) {
    std::fprintf(stderr, "property broken: %s\n", problem.c_str());
    std::abort();
  }
}

}  // namespace veltrano::fuzz
