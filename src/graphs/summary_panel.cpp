// Rows of the summary panel and their placement in its quadrant.
#include "graphs/summary_panel.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "model/money_format.h"

namespace tarvel::graphs {
namespace {

// An item holding what the others leave of the total.
constexpr std::optional<PeriodColumn> kRestOfTotal = std::nullopt;
constexpr int kNoSwatch = -1;

struct Item {
  const char* label;
  std::optional<PeriodColumn> column;  // a period-result column, or kRestOfTotal
  int series_position;                 // position in the full graph of its kind, for the colour
};

struct Section {
  const char* heading;
  PeriodColumn total_column;
  std::vector<Item> items;
};

const std::vector<Section>& Sections() {
  static const std::vector<Section> kSections = {
      {"Net Worth",
       PeriodColumn::NetWorth,
       {{"Investment Accounts", PeriodColumn::Investment, 1},
        {"Tax-Free Accounts", PeriodColumn::TaxFree, 2},
        {"Retirement Accounts", PeriodColumn::Retirement, 3},
        {"Assets", PeriodColumn::Assets, 4},
        {"Equity", PeriodColumn::Equity, 5},
        // Debts and the value of property held through them, so the items add up.
        {"Liabilities", kRestOfTotal, kNoSwatch}}},
      {"Incoming",
       PeriodColumn::Incoming,
       {{"Deposits", PeriodColumn::Deposits, 1},
        {"Taxable Income", PeriodColumn::TaxableIncome, 2},
        {"Non-Taxable Income", PeriodColumn::NontaxableIncome, 3},
        {"Loans", PeriodColumn::Loans, 4},
        {"Income From Assets", PeriodColumn::IncomeFromAssets, 5},
        {"Income From Equity", PeriodColumn::IncomeFromEquity, 6},
        {"Total Incoming", PeriodColumn::Incoming, 0}}},
      {"Outgoing",
       PeriodColumn::Outgoing,
       {{"Withdrawals", PeriodColumn::Withdrawals, 1},
        {"Interest Paid", PeriodColumn::InterestPaid, 2},
        {"Other", PeriodColumn::OtherOutgoing, 3},
        {"Taxes", PeriodColumn::Taxes, 4},
        {"Penalties", PeriodColumn::Penalties, 5},
        {"Total Outgoing", PeriodColumn::Outgoing, 0}}},
  };
  return kSections;
}

double RoundHalfUp(double amount) { return std::floor(amount + 0.5); }

// Rounded half up to whole dollars, grouped by the whole-number money variant.
std::string WholeMoney(double amount, const model::Currency& currency) {
  return model::FormatMoneyWhole(model::Format("%.0f", RoundHalfUp(amount)), currency);
}

std::string Percentage(double value, double total) {
  const double percent = value > 0 && total > 0 ? value / total * 100.0 : 0.0;
  return model::Format("%6.2f%%", percent);
}

}  // namespace

std::string SummaryLineLabel(const ChartSource& source, int period) {
  if (source.purchasing_power_shown) {
    return model::Format("Age %-4.1f Purch. Power", source.start_age);
  }
  return model::Format("Age %d Net Worth", static_cast<int>(source.Age(period)));
}

std::vector<SummaryRow> SummaryRows(const ChartSource& source, int period, bool percentages,
                                    const model::Currency& currency) {
  const ChartData data = source.Data();
  auto value_of = [&](PeriodColumn column) {
    return static_cast<double>(SeriesValue(data, ColumnSeries(column), period));
  };
  std::vector<SummaryRow> rows;
  const double line_value = source.purchasing_power_shown
                                ? SeriesValue(data, {SeriesSource::PurchasingPower, 0}, period)
                                : value_of(PeriodColumn::NetWorth);
  rows.push_back({SummaryRow::Type::Line, SummaryLineLabel(source, period),
                  WholeMoney(line_value, currency), 0, line_value < 0});
  for (const Section& section : Sections()) {
    rows.push_back({SummaryRow::Type::Heading, section.heading, "", 0, false});
    const double total = value_of(section.total_column);
    // The rest is taken from the amounts as shown, so the shown items add up exactly.
    double rest = percentages ? total : RoundHalfUp(total);
    for (const Item& item : section.items) {
      if (!item.column) continue;
      const double value = value_of(*item.column);
      rest -= percentages ? value : RoundHalfUp(value);
    }
    for (const Item& item : section.items) {
      const double value = item.column ? value_of(*item.column) : rest;
      rows.push_back({SummaryRow::Type::Item, item.label,
                      percentages ? Percentage(value, total) : WholeMoney(value, currency),
                      item.series_position, !percentages && value < 0});
    }
  }
  return rows;
}

namespace {

constexpr int kSmallestFontHeight = 7;  // pixels

// Where each row goes: the line and the headings keep half a line apart; the second column
// starts with the "Outgoing" heading when one column is too short.
struct PanelLayout {
  int line_height = 1;
  int columns = 1;
  std::size_t split = 0;
  int bottom = 0;  // below the last row
};

PanelLayout LayOut(const std::vector<SummaryRow>& rows, const platform::Rect& area,
                   int line_height) {
  PanelLayout layout;
  const int l = line_height;
  layout.line_height = l;
  // The net worth line and a gap before each heading.
  const int needed = static_cast<int>(rows.size()) + 3;
  layout.columns = needed * l > area.Height() - l ? 2 : 1;
  layout.split = rows.size();
  if (layout.columns == 2) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (rows[i].type == SummaryRow::Type::Heading && rows[i].label == "Outgoing")
        layout.split = i;
    }
  }
  int y = area.top + l;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i == layout.split) {
      y = area.top + 3 * l;
    } else if (rows[i].type == SummaryRow::Type::Heading) {
      y += l / 2;
    }
    if (rows[i].type == SummaryRow::Type::Line) y += l / 2;
    y += l;
    layout.bottom = std::max(layout.bottom, y);
  }
  return layout;
}

// The chart font, made smaller while the rows do not fit the panel's area.
platform::Font FittingFont(const platform::Canvas& canvas, const ChartContext& context,
                           const std::vector<SummaryRow>& rows) {
  platform::Font font = context.font;
  while (std::abs(font.height) > kSmallestFontHeight) {
    const int l = std::max(1, canvas.Measure(font).LineHeight());
    if (LayOut(rows, context.area, l).bottom <= context.area.bottom) break;
    font.height += font.height < 0 ? 1 : -1;
  }
  return font;
}

}  // namespace

void DrawSummaryPanel(platform::Canvas& canvas, const ChartContext& context,
                      const std::vector<SummaryRow>& rows) {
  const platform::Font font = FittingFont(canvas, context, rows);
  const platform::TextMetrics metrics = canvas.Measure(font);
  const int c = metrics.average_char_width;
  const platform::Rect& area = context.area;
  const PanelLayout layout = LayOut(rows, area, std::max(1, metrics.LineHeight()));
  const int l = layout.line_height;
  const int column_width = (area.Width() - 2 * c) / layout.columns;
  const platform::Pen outline = platform::Pen::Solid(platform::kBlack, 1);
  int left = area.left + c;
  int y = area.top + l;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const SummaryRow& row = rows[i];
    if (i == layout.split) {
      left += column_width;
      y = area.top + 3 * l;
    } else if (row.type == SummaryRow::Type::Heading) {
      y += l / 2;
    }
    const int right = left + column_width - 2 * c;
    platform::TextStyle value_style;
    value_style.horizontal = platform::HorizontalAlign::Right;
    value_style.colour = row.negative ? context.palette.RedFlag() : platform::kBlack;
    switch (row.type) {
      case SummaryRow::Type::Line:
        canvas.DrawText({left, y}, row.label, font, {});
        canvas.DrawText({right, y}, row.value, font, value_style);
        y += l / 2;
        break;
      case SummaryRow::Type::Heading: {
        platform::Font bold = font;
        bold.weight = platform::kBoldWeight;
        canvas.DrawText({left, y}, row.label, bold, {});
        canvas.DrawLine({left, y + l}, {right, y + l},
                        platform::Pen::Solid(context.palette.Grid()));
        break;
      }
      case SummaryRow::Type::Item:
        if (row.series_position != kNoSwatch) {
          canvas.DrawRectangle({left, y + 3, left + c + c / 2, y + l - 2}, outline,
                               platform::Brush::Solid(context.palette.Series(row.series_position)));
        }
        canvas.DrawText({left + 2 * c, y}, row.label, font, {});
        canvas.DrawText({right, y}, row.value, font, value_style);
        break;
    }
    y += l;
  }
}

}  // namespace tarvel::graphs
