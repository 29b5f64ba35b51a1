// Summaries of a few measurements: the median is steadier than the mean
// against the odd run the machine disturbed, and the middle half shows how
// much the runs agree.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace bench {

// The value a fraction q (0..1) of the way up the sorted measurements.
template <typename T>
T Quantile(std::vector<T> values, double q) {
  if (values.empty()) return T{};
  const auto index = static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5);
  const auto at = values.begin() + static_cast<std::ptrdiff_t>(index);
  std::nth_element(values.begin(), at, values.end());
  return *at;
}

template <typename T>
T Median(const std::vector<T>& values) {
  return Quantile(values, 0.5);
}

template <typename T>
T Worst(const std::vector<T>& values) {
  return values.empty() ? T{} : *std::max_element(values.begin(), values.end());
}

}  // namespace bench
