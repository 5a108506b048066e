// The frame of a chart: the title (on printed pages and thumbnails) and the footer lines of
// full charts on screen; it also measures the legend.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "graphs/chart_context.h"
#include "platform/canvas.h"
#include "platform/clock.h"

namespace tarvel::graphs {

enum class FooterAlign { Centred, Left };

struct FrameText {
  std::string title;
  std::span<const std::string> series_names;
  FooterAlign footer_align = FooterAlign::Centred;  // footer modes 0 and 2 centre, 1 left
  std::array<std::string, 3> footer_lines{};        // report title lines, or DefaultFooterLines
};

struct FrameLayout {
  int legend_width = 0;  // the widest series name + C + C/2
  int legend_left = 0;   // right - legend width - C - 15
};

// "File: name", "Date: %s %d, %d" (month name, day, year) and "Time: %d:%02d:%02d %s "
// (12-hour clock with "AM" or "PM").
std::array<std::string, 3> DefaultFooterLines(std::string_view file_name, platform::Date date,
                                              platform::TimeOfDay time);

// The title of a summary-page thumbnail: "Net Worth", "Incoming" or "Outgoing".
std::string_view ThumbnailTitle(int thumbnail);

FrameLayout DrawChartFrame(platform::Canvas& canvas, const ChartContext& context,
                           const FrameText& text);

}  // namespace tarvel::graphs
