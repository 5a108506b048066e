// Breakdown pie slices from running sums, their layout beside the name list, hit-testing by
// angle, and drawing.
#include "graphs/breakdown_pie.h"

#include <algorithm>
#include <cmath>

#include "graphs/boxes.h"
#include "model/money_format.h"

namespace tarvel::graphs {
namespace {

// A group's total with every balance cut to whole dollars first.
double WholeDollarGroupTotal(const ChartSource& source, int group, int period) {
  const ChartData data = source.Data();
  double total = 0;
  for (std::size_t account = 0; account < source.account_groups.size(); ++account) {
    if (source.account_groups[account] != group) continue;
    const SeriesRef balance{SeriesSource::AccountBalance, static_cast<int>(account)};
    total += std::trunc(SeriesValue(data, balance, period));
  }
  return total;
}

bool ShowsPercentages(GraphKind kind) { return kind != GraphKind::InOut; }

int ListWidth(const platform::Canvas& canvas, const platform::Font& font,
              const std::vector<std::string>& lines) {
  const int c = canvas.Measure(font).average_char_width;
  int widest = 0;
  for (const std::string& line : lines) widest = std::max(widest, canvas.TextWidth(font, line));
  return widest + 3 * c;
}

}  // namespace

double PieBreakdown::StartAngle(const PieSlice& slice) const {
  return total > 0 ? kFullTurn * (slice.start_sum / total) : 0;
}

double PieBreakdown::EndAngle(const PieSlice& slice) const {
  return total > 0 ? kFullTurn * (slice.end_sum / total) : 0;
}

PieBreakdown MakeBreakdown(GraphKind kind, const ChartSource& source, AccountRange accounts,
                           int period) {
  PieBreakdown breakdown;
  breakdown.kind = kind;
  breakdown.period = period;
  breakdown.age = source.Age(period);
  const ChartData data = source.Data();
  const std::vector<PieComponent> components = BreakdownComponents(kind, source, accounts);
  for (std::size_t k = 0; k < components.size(); ++k) {
    const PieComponent& component = components[k];
    const double value = component.whole_dollars
                             ? WholeDollarGroupTotal(source, component.series.index, period)
                             : SeriesValue(data, component.series, period);
    if (!(value > 0)) continue;
    PieSlice slice;
    slice.name = component.name;
    slice.value = value;
    slice.start_sum = breakdown.total;
    breakdown.total += value;
    slice.end_sum = breakdown.total;
    // Colours follow the slices, so a skipped component leaves no gap in the colours.
    slice.colour_entry = SliceColourEntry(kind, static_cast<int>(breakdown.slices.size()));
    breakdown.slices.push_back(slice);
  }
  return breakdown;
}

std::vector<std::string> PieListLines(const PieBreakdown& breakdown,
                                      const model::Currency& currency) {
  std::vector<std::string> lines;
  for (const PieSlice& slice : breakdown.slices) {
    std::string line = slice.name;
    if (ShowsPercentages(breakdown.kind)) {
      line += model::Format("  % 6.2f%%", slice.value / breakdown.total * 100.0);
    }
    lines.push_back(line);
  }
  if (ShowsPercentages(breakdown.kind)) {
    lines.push_back("Total = " +
                    model::FormatMoneyLabel(model::Format("%.2f", breakdown.total), currency));
  }
  return lines;
}

PieLayout LayOutPie(const platform::Canvas& canvas, const ChartContext& context,
                    const PieBreakdown& breakdown) {
  const platform::TextMetrics metrics = canvas.Measure(context.font);
  const int l = metrics.LineHeight();
  const int c = metrics.average_char_width;
  platform::Rect area = context.area;
  // A full page on screen keeps its footer lines and the age text clear of the pie.
  if (!context.view.IsThumbnail() && !context.view.printing) area.bottom -= 4 * l;
  const std::vector<std::string> lines = PieListLines(breakdown, context.currency);
  const int list_width = ListWidth(canvas, context.font, lines);

  PieLayout layout;
  layout.line_height = l;
  const int list_left = area.left + c;
  const int list_top = area.top + (context.view.printing ? 2 * l : l / 2);
  layout.list = {list_left, list_top, list_left + list_width,
                 list_top + static_cast<int>(lines.size()) * l + 4};
  layout.centre = {area.left + area.Width() / 2 + list_width / 2,
                   area.top + area.Height() / 2 - (context.view.IsThumbnail() ? l : 0)};
  const int by_width = (area.Width() - list_width * 3 / 4) / 2;
  const int by_height = area.Height() / 2;
  layout.radius = std::max(0, std::min(by_width, by_height) - 3 * l);
  return layout;
}

std::optional<int> SliceAt(const PieLayout& layout, const PieBreakdown& breakdown,
                           platform::Point point) {
  const double dx = point.x - layout.centre.x;
  const double dy = point.y - layout.centre.y;
  const double distance = std::hypot(dx, dy);
  if (distance > layout.radius || distance == 0 || breakdown.total <= 0) return std::nullopt;
  double angle = std::acos(std::clamp(dx / distance, -1.0, 1.0));
  if (dy < 0) angle = kFullTurn - angle;  // above the centre
  const double sum = angle / kFullTurn * breakdown.total;
  for (std::size_t k = 0; k < breakdown.slices.size(); ++k) {
    if (sum <= breakdown.slices[k].end_sum) return static_cast<int>(k);
  }
  return breakdown.slices.empty()
             ? std::nullopt
             : std::optional<int>(static_cast<int>(breakdown.slices.size()) - 1);
}

bool OverPie(const PieLayout& layout, platform::Point point) {
  const platform::Rect& list = layout.list;
  if (point.x >= list.left && point.x <= list.right && point.y >= list.top &&
      point.y <= list.bottom) {
    return true;
  }
  const double distance = std::hypot(point.x - layout.centre.x, point.y - layout.centre.y);
  return layout.radius > 0 && distance <= layout.radius;
}

PieLayout DrawBreakdownPie(platform::Canvas& canvas, const ChartContext& context,
                           const PieBreakdown& breakdown) {
  const PieLayout layout = LayOutPie(canvas, context, breakdown);
  const int l = layout.line_height;
  const int c = canvas.Measure(context.font).average_char_width;
  const platform::Pen outline = platform::Pen::Solid(platform::kBlack, 1);

  // The list with a swatch per slice, framed.
  const std::vector<std::string> lines = PieListLines(breakdown, context.currency);
  int y = layout.list.top + 2;
  for (std::size_t i = 0; i < lines.size(); ++i, y += l) {
    if (i < breakdown.slices.size()) {
      const platform::Colour colour = context.palette.Entry(breakdown.slices[i].colour_entry);
      canvas.DrawRectangle({layout.list.left + 3, y + 2, layout.list.left + c + c / 2, y + l - 2},
                           outline, platform::Brush::Solid(colour));
    }
    canvas.DrawText({layout.list.left + 2 * c + 2, y}, lines[i], context.font,
                    context.scheme.Text());
  }
  DrawBevelBox(canvas, context.palette, layout.list.left, layout.list.top, layout.list.Width(),
               layout.list.Height(), true, context.scheme);

  if (layout.radius > 0) {
    const int shadow = context.view.IsThumbnail() ? 2 : 4;
    const platform::Point centre = layout.centre;
    const int r = layout.radius;
    canvas.DrawEllipse({centre.x - r + shadow, centre.y - r + shadow, centre.x + r + shadow,
                        centre.y + r + shadow},
                       platform::Pen::None(), platform::Brush::Solid(kPieShadow));
    const platform::Rect bounds{centre.x - r, centre.y - r, centre.x + r, centre.y + r};
    for (const PieSlice& slice : breakdown.slices) {
      canvas.DrawPie(bounds, breakdown.StartAngle(slice), breakdown.EndAngle(slice), outline,
                     platform::Brush::Solid(context.palette.Entry(slice.colour_entry)));
    }
  }
  canvas.DrawText({layout.centre.x, layout.centre.y + layout.radius + l / 2},
                  model::Format("Age %d", static_cast<int>(breakdown.age)), context.font,
                  context.scheme.Text(platform::HorizontalAlign::Centre));
  return layout;
}

}  // namespace tarvel::graphs
