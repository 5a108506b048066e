// Percentile tables by sorting each period's values across the runs.
#include "analysis/percentiles.h"

#include <algorithm>
#include <cmath>

namespace tarvel::analysis {

float SortedPercentile(std::span<const float> sorted, double p) {
  if (sorted.empty()) return 0.0f;
  const double rank = std::clamp(p, 0.0, 100.0) / 100.0 * static_cast<double>(sorted.size() - 1);
  const auto below = static_cast<std::size_t>(std::floor(rank));
  const std::size_t above = std::min(below + 1, sorted.size() - 1);
  const double fraction = rank - static_cast<double>(below);
  if (sorted[below] == sorted[above]) return sorted[below];
  return static_cast<float>(sorted[below] +
                            fraction * (static_cast<double>(sorted[above]) - sorted[below]));
}

PercentileTable MakePercentileTable(std::span<const float> series, int periods, int runs) {
  PercentileTable table;
  for (auto& level : table.values) level.assign(static_cast<std::size_t>(periods), 0.0f);
  std::vector<float> column(static_cast<std::size_t>(runs));
  for (int period = 0; period < periods; ++period) {
    const auto first = series.begin() + static_cast<std::ptrdiff_t>(period) * runs;
    std::copy(first, first + runs, column.begin());
    std::sort(column.begin(), column.end());
    for (std::size_t level = 0; level < kPercentileLevels.size(); ++level) {
      table.values[level][period] = SortedPercentile(column, kPercentileLevels[level]);
    }
  }
  return table;
}

}  // namespace tarvel::analysis
