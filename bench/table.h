// A plain-text table with right-aligned columns, as the benchmarks print their figures.
#pragma once

#include <string>
#include <vector>

namespace veltrano::bench {

class Table {
 public:
  explicit Table(std::vector<std::string> headers);
  void addRow(std::vector<std::string> cells);
  void print() const;

 private:
  std::vector<std::vector<std::string>> rows_;
};

// A number with a fixed count of decimals.
std::string fixed(double value, int decimals);

}  // namespace veltrano::bench
