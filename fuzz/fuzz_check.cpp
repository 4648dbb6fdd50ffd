#include "fuzz_check.h"

#include <cstdio>
#include <cstdlib>

namespace veltrano::fuzz {

void require(bool holds, const char* property) {
  if (!holds) {
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
  }
}

}  // namespace veltrano::fuzz
