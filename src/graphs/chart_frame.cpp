// Chart titles and footer lines. On screen the folder tab names a full graph, so its title
// is drawn only on printed pages.
#include "graphs/chart_frame.h"

#include "graphs/legend.h"
#include "model/money_format.h"

namespace tarvel::graphs {
namespace {

constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

constexpr int kFooterGap = 9;  // pixels between the last footer line and the bottom

int CentreX(const platform::Rect& area) { return area.left + area.Width() / 2; }

}  // namespace

std::array<std::string, 3> DefaultFooterLines(std::string_view file_name, platform::Date date,
                                              platform::TimeOfDay time) {
  const int month = date.month >= 1 && date.month <= 12 ? date.month : 1;
  const int hour = ((time.hour % 12) + 12) % 12;
  return {"File: " + std::string(file_name),
          "Date: " + model::Format("%s %d, %d", kMonthNames[month - 1], date.day, date.year),
          "Time: " + model::Format("%d:%02d:%02d %s ", hour == 0 ? 12 : hour, time.minute,
                                   time.second, time.hour % 24 < 12 ? "AM" : "PM")};
}

std::string_view ThumbnailTitle(int thumbnail) {
  switch (thumbnail) {
    case 1:
      return "Net Worth";
    case 2:
      return "Incoming";
    case 3:
      return "Outgoing";
    default:
      return "";
  }
}

FrameLayout DrawChartFrame(platform::Canvas& canvas, const ChartContext& context,
                           const FrameText& text) {
  const platform::Rect& area = context.area;
  const platform::TextMetrics metrics = canvas.Measure(context.font);
  const int l = metrics.LineHeight();
  const int c = metrics.average_char_width;
  FrameLayout layout;
  layout.legend_width = LegendWidth(canvas, context.font, text.series_names);
  layout.legend_left = area.right - layout.legend_width - c - 15;

  const ChartScheme& scheme = context.scheme;
  const platform::TextStyle centred = scheme.Text(platform::HorizontalAlign::Centre);
  const ChartView& view = context.view;
  if (view.IsThumbnail()) {
    if (view.printing) {
      canvas.DrawText({CentreX(area), area.bottom - l}, text.title, context.font, centred);
    } else {
      canvas.DrawText(
          {CentreX(area), area.bottom - kFooterGap}, ThumbnailTitle(view.thumbnail), context.font,
          scheme.Text(platform::HorizontalAlign::Centre, platform::VerticalAlign::Bottom));
    }
    return layout;
  }
  if (view.printing) {
    canvas.DrawText({CentreX(area), area.top}, text.title, context.font, centred);
    return layout;
  }
  for (int i = 0; i < 3; ++i) {
    const int y = area.bottom - kFooterGap - (3 - i) * l;
    if (text.footer_align == FooterAlign::Left) {
      canvas.DrawText({area.left + 8, y}, text.footer_lines[i], context.font, scheme.Text());
    } else {
      canvas.DrawText({CentreX(area), y}, text.footer_lines[i], context.font, centred);
    }
  }
  return layout;
}

}  // namespace tarvel::graphs
