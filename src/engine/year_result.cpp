// The yearly results of a run: the start-of-year period values and balance rows, the
// summary row, the purchasing power and the year's flow values (WriteYearResult).
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "engine/run_internal.h"
#include "engine/run_scenario.h"
#include "model/fixed_format.h"
#include "model/money_format.h"
#include "model/record_counts.h"
#include "model/whole_age.h"

namespace tarvel::engine {
namespace internal {
namespace {

bool InGraphRange(const Run& run) {
  const AgeRange& range = run.options.graph_range;
  return !range.set || (run.current_age >= range.first && run.current_age <= range.last);
}

template <typename Row>
Row& RowAt(std::vector<Row>& rows, int index) {
  if (static_cast<int>(rows.size()) <= index) rows.resize(index + 1, Row{});
  return rows[index];
}

void WriteExportLine(Run& run) {
  std::FILE* file = run.files.export_file.get();
  if (file == nullptr) return;
  const char separator = run.options.export_separator;
  WriteFixed(file, run.current_age, model::kTwoPlaces, separator);
  double sum = 0;
  for (int i = 0; i < run.state.account_count; ++i) {
    const float balance = run.state.accounts[i].balance;
    WriteFixed(file, balance, model::kTwoPlaces, separator);
    sum += balance;
  }
  WriteFixed(file, run.categories.equity, model::kTwoPlaces, separator);
  WriteFixed(file, sum + run.categories.equity, model::kTwoPlaces, '\n');
}

void ZeroIfSmall(float& value) {
  if (value > -1.0f && value < 1.0f) value = 0.0f;
}

}  // namespace

float ShownAge(const model::Scenario& scenario, const Run& run) {
  if (scenario.initial.use_birthday != 0 && run.current_age == run.shown_start_age) {
    return run.start_age;
  }
  return run.current_age;
}

void EmitSeparator(Run& run, int width) {
  static constexpr char kDashes[] =
      "----------------------------------------------------------------------------------------"
      "----------------------------------------------------------------------------------------"
      "--------------------";
  static_assert(sizeof kDashes - 1 >= kSummarySeparatorWidth);
  const int shown = std::clamp(width, 0, static_cast<int>(sizeof kDashes) - 1);
  run.sink.Emit(std::string_view(kDashes, static_cast<std::size_t>(shown)), -1);
}

void WriteYearStart(const model::Scenario& scenario, Run& run, bool final_record) {
  WriteExportLine(run);
  std::FILE* plot = InGraphRange(run) ? run.files.plot.get() : nullptr;
  BalanceRow& row = RowAt(run.balance_rows, run.year_index);
  double assets = 0;
  for (int i = 0; i < run.state.account_count; ++i) {
    const auto& account = run.state.accounts[i];
    if (plot != nullptr) WriteFixed(plot, account.balance, model::kTwoPlaces, '\n');
    row[i] = account.balance;
    if (account.type == model::AccountType::Asset) assets += account.balance;
  }
  // The period line shows the four-byte values of the period record.
  const CategoryTotals& c = run.categories;
  const float asset_total = static_cast<float>(assets);
  const float net_worth =
      static_cast<float>(static_cast<double>(c.investment) + c.tax_free + c.retirement + c.equity +
                         c.asset + run.asset_adjustment - run.liabilities);
  const float plot_equity = final_record ? c.equity + run.equity_adjustment : c.equity;
  const float plot_net = final_record ? net_worth + run.equity_adjustment : net_worth;
  if (plot != nullptr) {
    WriteFixed(plot, ShownAge(scenario, run), model::FixedFormat{0, 1, false}, ' ');
    for (const float value :
         {c.investment, c.tax_free, c.retirement, asset_total, plot_equity, plot_net}) {
      WriteFixed(plot, value, model::kTwoPlaces, ' ');
    }
  }
  PeriodResult& period = RowAt(run.periods, run.year_index);
  period[IndexOf(PeriodColumn::Age)] = run.current_age;
  period[IndexOf(PeriodColumn::Investment)] = c.investment;
  period[IndexOf(PeriodColumn::TaxFree)] = c.tax_free;
  period[IndexOf(PeriodColumn::Retirement)] = c.retirement;
  period[IndexOf(PeriodColumn::Assets)] = asset_total;
  period[IndexOf(PeriodColumn::Equity)] = c.equity;
  period[IndexOf(PeriodColumn::NetWorth)] = net_worth;
}

void WriteSummaryRow(const model::Scenario& scenario, Run& run) {
  CategoryTotals& c = run.categories;
  for (float* value : {&c.investment, &c.tax_free, &c.retirement, &c.equity, &c.asset,
                       &run.asset_adjustment, &run.equity_adjustment, &run.liabilities}) {
    ZeroIfSmall(*value);
  }
  const float asset = c.asset + run.asset_adjustment;
  const float equity = c.equity + run.equity_adjustment;
  run.net_worth = static_cast<float>(static_cast<double>(c.investment) + c.tax_free + c.retirement +
                                     asset + equity - run.liabilities);
  const int age = model::WholeAge(run.current_age);
  if (age >= 0 && age < kAgeSlots) {
    CategorySeries& series = run.category_series;
    series.investment[age] = c.investment;
    series.tax_free[age] = c.tax_free;
    series.retirement[age] = c.retirement;
    series.asset[age] = asset;
    series.equity[age] = equity;
    series.liabilities[age] = run.liabilities;
  }
  if (!run.sink.writes_text()) return;
  const model::Currency& currency = run.options.currency;
  std::string line;
  line.reserve(128);
  model::AppendFixed(line, ShownAge(scenario, run), model::kAgeLeft);
  for (const double amount :
       {static_cast<double>(c.investment), static_cast<double>(c.tax_free),
        static_cast<double>(c.retirement), static_cast<double>(asset), static_cast<double>(equity),
        static_cast<double>(run.liabilities), static_cast<double>(run.net_worth)}) {
    line.push_back('\t');
    model::AppendRightAligned(line, model::Money(amount, currency), 15);
  }
  run.sink.Emit(line, -1);
}

void WritePurchasingPower(const model::Scenario& scenario, Run& run) {
  // No line or plot file shows the value now: every year is deflated after the last one.
  const int top = std::min(model::WholeAge(run.current_age) - 1, kAgeSlots - 1);
  if (!run.sink.writes_text() && !run.files.plot && run.year_index >= 0 &&
      run.year_index < static_cast<int>(run.deflate_from.size())) {
    RowAt(run.purchasing_power, run.year_index) = run.net_worth;
    run.deflate_from[run.year_index] = static_cast<std::int16_t>(top);
    run.deflation_deferred = true;
    return;
  }
  float power = run.net_worth;
  const int first = std::max(model::WholeAge(run.shown_start_age), 0);
  for (int k = top; k >= first; --k) {
    power = static_cast<float>(power - static_cast<double>(power) * run.inflation_by_age[k] * 0.01);
  }
  if (run.year_index >= 0) RowAt(run.purchasing_power, run.year_index) = power;
  if (scenario.initial.purchasing_power != 0 && run.sink.writes_text()) {
    std::string line = "\t\t\t\t\t\t\t\tNet Worth in Age ";
    model::AppendFixed(line, run.start_age, model::FixedFormat{5, 2, false});
    line.append(" Purchasing Power ");
    model::AppendRightAligned(line, model::Money(power, run.options.currency), 15);
    run.sink.Emit(line, -1);
  }
}

void DeflateDeferredPurchasingPower(Run& run) {
  if (!run.deflation_deferred) return;
  run.deflation_deferred = false;
  const int first = std::max(model::WholeAge(run.shown_start_age), 0);
  const int count = std::min(static_cast<int>(run.purchasing_power.size()),
                             static_cast<int>(run.deflate_from.size()));
  int highest = -1;
  for (int y = 0; y < count; ++y) highest = std::max<int>(highest, run.deflate_from[y]);
  // Each year's value goes through the same steps as when written at once; the years are
  // independent of each other, so their steps overlap. A later year index starts at a higher
  // age, so the years a step applies to are always the last ones.
  int from = count;
  for (int k = highest; k >= first; --k) {
    while (from > 0 && run.deflate_from[from - 1] >= k) --from;
    const double rate = run.inflation_by_age[k];
    float* power = run.purchasing_power.data();
    for (int y = from; y < count; ++y) {
      power[y] = static_cast<float>(power[y] - static_cast<double>(power[y]) * rate * 0.01);
    }
  }
}

}  // namespace internal

namespace {

float Flow(const std::array<float, kFlowColumnCount>& flows, PeriodColumn column) {
  return flows[IndexOf(column) - IndexOf(kFirstFlowColumn)];
}

}  // namespace

void WriteYearResult(const model::Scenario& scenario, Run& run) {
  (void)scenario;
  YearTotals& y = run.year;
  const float saved_total_taxes = y.total_taxes;
  y.total_taxes = static_cast<float>(static_cast<double>(y.withdrawal_taxes) +
                                     y.savings_interest_tax + y.property_taxes + y.dividend_taxes);
  // The flow columns as the four-byte values the period record and the plot line share, in
  // column order.
  const float depreciation = std::fabs(y.depreciation);
  const float other_outgoing = depreciation + y.closing_costs;
  const std::array<float, kFlowColumnCount> flows = {
      y.total_incoming,
      y.deposits,
      y.taxable_income,
      y.nontaxable_income,
      static_cast<float>(static_cast<double>(y.withdrawals) + y.total_taxes + y.interest_paid +
                         y.penalties + depreciation + y.closing_costs),
      y.withdrawals,
      y.total_taxes,
      y.interest_paid,
      y.penalties,
      y.loans,
      y.sale_of_property + y.equity_appreciation,
      y.sale_of_assets + y.asset_appreciation,
      other_outgoing};
  const AgeRange& range = run.options.graph_range;
  const bool shown = run.current_age >= run.shown_start_age && run.year_index >= 0;
  const bool in_range =
      shown && (!range.set || (run.current_age >= range.first && run.current_age <= range.last));
  if (in_range && run.files.plot) {
    std::FILE* plot = run.files.plot.get();
    for (int i = 0; i < kFlowColumnCount; ++i) {
      WriteFixed(plot, flows[i], model::kTwoPlaces, i + 1 < kFlowColumnCount ? ' ' : '\n');
    }
  }
  // The zoom limits the plot file only: every page reads the whole run's period results.
  if (shown) {
    PeriodResult& period = internal::RowAt(run.periods, run.year_index);
    for (int i = 0; i < kFlowColumnCount; ++i) period[IndexOf(kFirstFlowColumn) + i] = flows[i];
  }
  if (shown && run.files.big) {
    const float age = run.current_age;
    run.files.EventRecord(age, "Interest/Dividends Earned", 2,
                          static_cast<double>(Flow(flows, PeriodColumn::TaxableIncome)) +
                              Flow(flows, PeriodColumn::NontaxableIncome));
    run.files.EventRecord(age, "Equity", 2, Flow(flows, PeriodColumn::IncomeFromEquity));
    run.files.EventRecord(age, "Appreciation", 2, Flow(flows, PeriodColumn::IncomeFromAssets));
    run.files.EventRecord(age, "Depreciation", 6, depreciation);
    run.files.EventRecord(age, "Closing", 6, y.closing_costs);
    run.files.EventRecord(age, "Taxes", 6, y.total_taxes);
    run.files.EventRecord(age, "Interest Paid", 6, y.interest_paid);
    run.files.EventRecord(age, "Penalties", 6, y.penalties);
  }
  y.total_taxes = saved_total_taxes;
}

}  // namespace tarvel::engine
