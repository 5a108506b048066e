// Percentile tables by selecting each level's two nearest ranks among a period's values.
#include "analysis/percentiles.h"

#include <algorithm>
#include <cmath>

namespace tarvel::analysis {
namespace {

struct Ranks {
  std::size_t below = 0;
  std::size_t above = 0;
  double fraction = 0;
};

Ranks RanksOf(double p, std::size_t count) {
  const double rank = std::clamp(p, 0.0, 100.0) / 100.0 * static_cast<double>(count - 1);
  Ranks ranks;
  ranks.below = static_cast<std::size_t>(std::floor(rank));
  ranks.above = std::min(ranks.below + 1, count - 1);
  ranks.fraction = rank - static_cast<double>(ranks.below);
  return ranks;
}

float Interpolate(float below, float above, double fraction) {
  if (below == above) return below;
  return static_cast<float>(below + fraction * (static_cast<double>(above) - below));
}

}  // namespace

float SortedPercentile(std::span<const float> sorted, double p) {
  if (sorted.empty()) return 0.0f;
  const Ranks ranks = RanksOf(p, sorted.size());
  return Interpolate(sorted[ranks.below], sorted[ranks.above], ranks.fraction);
}

PercentileTable EmptyPercentileTable(int periods) {
  PercentileTable table;
  for (auto& level : table.values) level.assign(static_cast<std::size_t>(periods), 0.0f);
  return table;
}

// The levels rise, so each level's rank is selected among the values above the last one: the
// values left of a selected rank are never looked at again.
void FillPercentilePeriod(std::span<const float> series, int periods, int period,
                          std::vector<float>& column, PercentileTable& table) {
  const std::size_t runs = series.size() / static_cast<std::size_t>(periods);
  if (runs == 0) return;
  column.resize(runs);
  for (std::size_t run = 0; run < runs; ++run) column[run] = series[run * periods + period];
  auto from = column.begin();
  for (std::size_t level = 0; level < kPercentileLevels.size(); ++level) {
    const Ranks ranks = RanksOf(kPercentileLevels[level], runs);
    const auto below = column.begin() + static_cast<std::ptrdiff_t>(ranks.below);
    std::nth_element(from, below, column.end());
    const float above =
        ranks.above == ranks.below ? *below : *std::min_element(below + 1, column.end());
    table.values[level][period] = Interpolate(*below, above, ranks.fraction);
    from = below;
  }
}

}  // namespace tarvel::analysis
