// Fan chart drawing: the scale covers the outer band, each band is one filled polygon from its
// upper edge forward and its lower edge back, the axes and grid go over the bands so the
// filled areas never hide them, and the median is drawn last on top.
#include "graphs/fan_chart.h"

#include <algorithm>

#include "graphs/axes.h"
#include "graphs/chart_data.h"
#include "graphs/legend.h"
#include "graphs/value_scale.h"

namespace tarvel::graphs {
namespace {

constexpr int kOuter = 0;
constexpr int kMedian = 3;
// Share of the series colour in each band's fill (the rest is white): lighter outside.
constexpr std::array<int, 3> kColourShare = {25, 45, 70};

std::uint8_t Blend(std::uint8_t value, int share) {
  return static_cast<std::uint8_t>((value * share + 255 * (100 - share)) / 100);
}

int PeriodCount(const FanSeries& series) {
  std::size_t count = series.ages.size();
  for (const auto& level : series.levels) count = std::min(count, level.size());
  return static_cast<int>(count);
}

// The band colours as the first four series colours, so the legend shows them.
ChartContext WithBandColours(const ChartContext& context) {
  ChartContext banded = context;
  for (int band = 0; band < 4; ++band) {
    banded.palette.colours[band + 1] = FanBandColour(context.palette, band);
  }
  return banded;
}

std::vector<PeriodRecord> AgeRecords(const FanSeries& series, int periods) {
  std::vector<PeriodRecord> records(static_cast<std::size_t>(periods));
  for (int p = 0; p < periods; ++p) records[p][0] = series.ages[p];
  return records;
}

ValueScale FanScale(const FanSeries& series, int periods) {
  float minimum = 0;
  float maximum = 0;
  for (int p = 0; p < periods; ++p) {
    minimum = std::min(minimum, series.levels.front()[p]);
    maximum = std::max(maximum, series.levels.back()[p]);
  }
  return ChooseValueScale(minimum, maximum);
}

void DrawBand(platform::Canvas& canvas, const ChartGeometry& geometry, const FanSeries& series,
              int band, int periods, platform::Colour colour) {
  const auto& lower = series.levels[band];
  const auto& upper = series.levels[series.levels.size() - 1 - band];
  std::vector<platform::Point> outline;
  for (int p = 0; p < periods; ++p)
    outline.push_back({geometry.PeriodX(p), geometry.ValueY(upper[p])});
  for (int p = periods - 1; p >= 0; --p) {
    outline.push_back({geometry.PeriodX(p), geometry.ValueY(lower[p])});
  }
  canvas.DrawPolygon(outline, platform::Pen::Solid(colour), platform::Brush::Solid(colour));
}

void DrawMedian(platform::Canvas& canvas, const ChartContext& context,
                const ChartGeometry& geometry, const FanSeries& series, int periods) {
  std::vector<platform::Point> line;
  for (int p = 0; p < periods; ++p) {
    line.push_back({geometry.PeriodX(p), geometry.ValueY(series.levels[kMedian][p])});
  }
  canvas.DrawPolyline(line, platform::Pen::Solid(FanBandColour(context.palette, kMedian),
                                                 context.view.printing ? 8 : 2));
}

}  // namespace

std::string FanChartTitle(bool todays_money) {
  return todays_money ? "NET WORTH IN TODAY'S MONEY" : "NET WORTH, NOMINAL";
}

platform::Colour FanBandColour(const Palette& palette, int band) {
  // The median stands out in the second series colour over the bands of the first.
  if (band >= kMedian) return palette.Series(1);
  const platform::Colour base = palette.Series(0);
  const int share = kColourShare[std::max(band, kOuter)];
  return platform::Rgb(Blend(platform::RedOf(base), share), Blend(platform::GreenOf(base), share),
                       Blend(platform::BlueOf(base), share));
}

ChartGeometry DrawFanChart(platform::Canvas& canvas, const ChartContext& context,
                           const FanSeries& series, const FanChartRequest& request) {
  const ChartContext banded = WithBandColours(context);
  DrawChartFrame(
      canvas, banded,
      FrameText{request.title, kFanLegendNames, request.footer_align, request.footer_lines});
  const int periods = PeriodCount(series);
  ChartContext plot = banded;
  const int legend_left = LegendLeft(canvas, banded, kFanLegendNames);
  if (legend_left > banded.area.left + banded.area.Width() / 2) plot.area.right = legend_left;
  const ValueScale scale = FanScale(series, periods);
  // With bands to draw, the grid waits until they are filled.
  const ChartGeometry geometry = DrawAxesAndGrid(canvas, plot, scale, periods, periods > 0);
  const std::vector<PeriodRecord> ages = AgeRecords(series, periods);
  ChartData data;
  data.periods = ages;
  DrawValueAndAgeLabels(canvas, plot, geometry, data);
  DrawLegend(canvas, banded, geometry, kFanLegendNames);
  if (periods == 0) return geometry;
  canvas.SetClip(geometry.PlotRect());
  for (int band = kOuter; band < kMedian; ++band) {
    DrawBand(canvas, geometry, series, band, periods, FanBandColour(context.palette, band));
  }
  canvas.ClearClip();
  DrawAxesAndGrid(canvas, plot, scale, periods);
  canvas.SetClip(geometry.PlotRect());
  DrawMedian(canvas, context, geometry, series, periods);
  canvas.ClearClip();
  return geometry;
}

}  // namespace tarvel::graphs
