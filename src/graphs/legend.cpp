// Legend rows are blanked on the window background before the swatch and the name are drawn,
// so a legend in front of the series stays readable.
#include "graphs/legend.h"

#include <algorithm>
#include <vector>

#include "graphs/boxes.h"

namespace tarvel::graphs {
namespace {

struct Row {
  std::string text;
  int position = 0;  // series position, for the colour
};

std::vector<Row> LegendRows(std::span<const std::string> names,
                            const std::optional<PurchasingPowerRow>& purchasing_power,
                            const model::Currency& currency) {
  std::vector<Row> rows;
  for (std::size_t i = 0; i < names.size(); ++i) {
    rows.push_back({names[i], static_cast<int>(i)});
    if (i == 0 && purchasing_power) {
      rows.push_back({PurchasingPowerLegendText(purchasing_power->start_age, currency),
                      static_cast<int>(names.size())});
    }
  }
  return rows;
}

}  // namespace

std::string PurchasingPowerLegendText(float start_age, const model::Currency& currency) {
  return model::Format(" Age %-5.2f %s", start_age, currency.word.c_str());
}

int LegendWidth(const platform::Canvas& canvas, const platform::Font& font,
                std::span<const std::string> names) {
  const int c = canvas.Measure(font).average_char_width;
  int widest = 0;
  for (const std::string& name : names) widest = std::max(widest, canvas.TextWidth(font, name));
  return widest + c + c / 2;
}

namespace {

std::vector<std::string> RowTexts(const std::vector<Row>& rows) {
  std::vector<std::string> texts;
  for (const Row& row : rows) texts.push_back(row.text);
  return texts;
}

// Names start 2 C into the row, so the widest would end on the frame: the rows are half a
// character wider, to the left, keeping the frame's right edge where it was.
int RowsLeft(const platform::Canvas& canvas, const ChartContext& context,
             const std::vector<std::string>& texts) {
  const int c = canvas.Measure(context.font).average_char_width;
  return context.area.right - LegendWidth(canvas, context.font, texts) - 14 - c / 2;
}

constexpr int kFrameGap = 2;  // pixels between the rows and the bevelled frame

}  // namespace

int LegendLeft(const platform::Canvas& canvas, const ChartContext& context,
               std::span<const std::string> names,
               std::optional<PurchasingPowerRow> purchasing_power) {
  const std::vector<Row> rows = LegendRows(names, purchasing_power, context.currency);
  return RowsLeft(canvas, context, RowTexts(rows)) - kFrameGap;
}

platform::Rect DrawLegend(platform::Canvas& canvas, const ChartContext& context,
                          const ChartGeometry& geometry, std::span<const std::string> names,
                          std::optional<PurchasingPowerRow> purchasing_power) {
  if (context.view.IsThumbnail() || names.empty()) return {};
  const std::vector<Row> rows = LegendRows(names, purchasing_power, context.currency);
  const std::vector<std::string> texts = RowTexts(rows);

  const int l = geometry.line_height;
  const int c = geometry.char_width;
  const int width = LegendWidth(canvas, context.font, texts);
  const int left = RowsLeft(canvas, context, texts);
  const int row_right = left + width + c;
  int top = context.area.top + l;
  if (context.view.style == ChartStyle::Bar3D && context.view.printing) {
    top = static_cast<int>(geometry.y0 - geometry.height - geometry.depth);
  }

  const platform::Pen outline = platform::Pen::Solid(platform::kBlack, 1);
  const int swatch_width = c + c / 2 - 1;
  int y = top;
  for (const Row& row : rows) {
    canvas.DrawRectangle({left, y, row_right, y + l}, platform::Pen::None(),
                         platform::Brush::Solid(context.scheme.background));
    canvas.DrawRectangle({left, y, left + swatch_width, y + l}, outline,
                         platform::Brush::Solid(context.palette.Series(row.position)));
    canvas.DrawText({left + 2 * c, y}, row.text, context.font, context.scheme.Text());
    y += l;
  }
  const platform::Rect box{left - kFrameGap, top - kFrameGap, row_right + kFrameGap, y + kFrameGap};
  DrawBevelBox(canvas, context.palette, box.left, box.top, box.Width(), box.Height(), true,
               context.scheme);
  return box;
}

}  // namespace tarvel::graphs
