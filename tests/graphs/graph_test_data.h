// Period records and contexts for graph tests.
#pragma once

#include <vector>

#include "graphs/chart_context.h"
#include "graphs/chart_data.h"

namespace tarvel::graphs::testing {

// Periods with ages first_age, first_age + 1, ... and all other columns 0.
inline std::vector<PeriodRecord> AgedPeriods(int count, float first_age = 60) {
  std::vector<PeriodRecord> periods(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    periods[static_cast<std::size_t>(i)][engine::IndexOf(PeriodColumn::Age)] = first_age + i;
  return periods;
}

inline ChartContext ScreenContext(platform::Rect area, int periods) {
  ChartContext context;
  context.area = area;
  context.view.period_count = static_cast<float>(periods);
  return context;
}

}  // namespace tarvel::graphs::testing
