#include "bench/table.h"

#include <algorithm>
#include <cstdio>
#include <iomanip>
#include <sstream>

namespace veltrano::bench {

Table::Table(std::vector<std::string> headers) {
  rows_.push_back(std::move(headers));
}

void Table::addRow(std::vector<std::string> cells) {
  rows_.push_back(std::move(cells));
}

void Table::print() const {
  std::vector<std::size_t> widths;
  for (const auto& row : rows_) {
    widths.resize(std::max(widths.size(), row.size()));
    for (std::size_t c = 0; c < row.size(); ++c) {
      widths[c] = std::max(widths[c], row[c].size());
    }
  }
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    std::ostringstream line;
    for (std::size_t c = 0; c < rows_[r].size(); ++c) {
      line << (c == 0 ? "" : "  ") << std::setw(static_cast<int>(widths[c])) << rows_[r][c];
    }
    std::puts(line.str().c_str());
    if (r == 0) {
      std::size_t total = 0;
      for (const auto width : widths) {
        total += width + 2;
      }
      std::puts(std::string(total - 2, '-').c_str());
    }
  }
}

std::string fixed(double value, int decimals) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(decimals) << value;
  return text.str();
}

}  // namespace veltrano::bench
