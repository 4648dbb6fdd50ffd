#include "bench/timing.h"

#include <algorithm>

namespace veltrano::bench {

double median(std::vector<double> samples) {
  if (samples.empty()) {
    return 0.0;
  }
  const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
  std::nth_element(samples.begin(), middle, samples.end());
  return *middle;
}

}  // namespace veltrano::bench
