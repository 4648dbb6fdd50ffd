// Wall-clock timing of one call, and the median of many: the median shrugs off the odd
// sample that a page fault or another process stretched.
#pragma once

#include <chrono>
#include <vector>

namespace veltrano::bench {

template <class Work>
double microsecondsOf(Work&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  const auto end = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::micro>(end - start).count();
}

double median(std::vector<double> samples);

}  // namespace veltrano::bench
