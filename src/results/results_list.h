// What the results folder shows after a run to the results list: the schedule lines, the
// event each of the first lines belongs to, and the summary row of each whole age.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "results/schedule_lines.h"

namespace tarvel::results {

inline constexpr int kMappedLines = 6000;
inline constexpr int kMappedAges = 121;

struct ResultsList {
  ScheduleLines lines;
  std::vector<std::int32_t> line_event;              // first 6000 lines: event index or tag
  std::array<std::int32_t, kMappedAges> age_line{};  // summary row of each whole age (0: none)

  void Clear();
};

}  // namespace tarvel::results
