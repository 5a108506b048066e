// Percentiles of a run series across the runs of an analysis, age by age.
#pragma once

#include <array>
#include <span>
#include <vector>

namespace tarvel::analysis {

// The levels of every percentile table: 5, 10, 25, 50, 75, 90 and 95.
inline constexpr std::array<int, 7> kPercentileLevels = {5, 10, 25, 50, 75, 90, 95};
inline constexpr int kMedianLevel = 3;  // position of 50 in kPercentileLevels

// The p-th percentile (0..100) of values sorted ascending, interpolated linearly between the
// two nearest ranks (rank p/100 x (n-1)); 0 for no values.
float SortedPercentile(std::span<const float> sorted, double p);

// One value per percentile level for each period: values[level][period].
struct PercentileTable {
  std::array<std::vector<float>, kPercentileLevels.size()> values;

  int periods() const { return static_cast<int>(values[0].size()); }
  float At(int level, int period) const { return values[level][period]; }
};

// A table of `periods` periods with every value 0, to be filled period by period.
PercentileTable EmptyPercentileTable(int periods);

// Fills one period of the table from a series held run-major (series[run x periods + period]),
// giving the same values as SortedPercentile over the sorted period. `column` is working room
// of the caller's, so that periods can be filled on several threads at once.
void FillPercentilePeriod(std::span<const float> series, int periods, int period,
                          std::vector<float>& column, PercentileTable& table);

}  // namespace tarvel::analysis
