// Walks the mortgage's amortisation a year at a time from its start age, growing the
// property's value by the appreciation rate each year.
#include "results/report_mortgage_schedule.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>

#include "engine/amortization.h"
#include "model/event_views.h"
#include "model/money_format.h"
#include "model/whole_age.h"

namespace tarvel::results {
namespace {

constexpr int kMonths = 12;
constexpr int kScheduleFirstCount = 6;
constexpr int kNoExtraMonth = std::numeric_limits<int>::max();

using Terms = model::MortgageTerms<const model::FinancialEvent>;

bool ValidTerms(const model::FinancialEvent& mortgage, const Terms& terms) {
  const float start = mortgage.start_age;
  const float payoff = mortgage.end_age;
  const float sale = terms.sell_age();
  return start >= 1 && start < 120 && !(payoff > 0 && payoff < start) &&
         !(sale > 0 && sale < start) && terms.principal() > 0 && terms.yearly_rate_percent() >= 0 &&
         terms.yearly_rate_percent() < 100 && terms.term_years() >= 1 && terms.term_years() <= 100;
}

// Extra principal and the first month it is paid in, by the accelerated payment option.
std::pair<double, int> ExtraPrincipal(const Terms& terms, int months_elapsed) {
  switch (terms.accelerated_option()) {
    case Terms::kExtraFromFirstPayment:
      return {terms.accelerated_amount(), 0};
    case Terms::kExtraFromScenarioStart:
      return {terms.accelerated_amount(), months_elapsed};
    default:
      return {0.0, kNoExtraMonth};
  }
}

bool Reached(int age, float limit) { return limit > 0 && static_cast<float>(age) >= limit; }

}  // namespace

std::array<double, 9> MortgageScheduleRow::Amounts() const {
  return {principal, interest,        total_principal, total_interest, total_payment,
          equity,    inflated_equity, property_value,  liability};
}

std::vector<MortgageScheduleRow> MortgageScheduleRows(const model::FinancialEvent& mortgage,
                                                      float scenario_start_age) {
  const Terms terms(mortgage);
  if (!ValidTerms(mortgage, terms)) return {};
  const double price = mortgage.amount;
  const double down = terms.down_payment();
  const int start = model::WholeAge(mortgage.start_age);
  const int months_elapsed = std::max(0, (model::WholeAge(scenario_start_age) - start) * kMonths);
  const auto [extra, first_extra_month] = ExtraPrincipal(terms, months_elapsed);
  const double monthly_rate = terms.yearly_rate_percent() * 0.01 * (1.0 / kMonths);
  const int term_months = terms.term_years() * kMonths;
  const float payoff = mortgage.end_age;
  const float sale = terms.sell_age();

  std::vector<MortgageScheduleRow> rows;
  MortgageScheduleRow row;
  row.age = start;
  row.equity = row.inflated_equity = down;
  row.property_value = price;
  row.liability = std::max(0.0, price - down);
  rows.push_back(row);
  double value = price;
  int month = 0;
  for (int age = start; age < mortgage.start_age + terms.term_years(); ++age) {
    value += value * terms.appreciation_rate_percent() * 0.01;
    if (Reached(age, payoff) || Reached(age, sale)) break;
    const engine::AmortizedYear year =
        engine::AmortizeYear(terms.principal(), monthly_rate, term_months, month,
                             month + kMonths - 1, extra, first_extra_month);
    month += kMonths;
    row.age = age + 1;
    row.principal = year.principal;
    row.interest = year.interest;
    row.total_principal += year.principal;
    row.total_interest += year.interest;
    row.total_payment = row.total_principal + row.total_interest;
    row.equity = down + row.total_principal;
    row.inflated_equity = row.equity + value - price;
    row.property_value = value;
    row.liability = std::max(0.0, price - down - row.total_principal);
    rows.push_back(row);
    if (Reached(age + 1, sale) || Reached(age + 1, payoff)) break;
  }
  return rows;
}

bool WriteMortgageScheduleFile(const std::vector<MortgageScheduleRow>& rows,
                               const std::filesystem::path& path) {
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "w"));
  if (!file) return false;
  for (const char* title : kMortgageScheduleTitles) std::fprintf(file.get(), "%s\t", title);
  std::fprintf(file.get(), "\n");
  for (const MortgageScheduleRow& row : rows) {
    std::fprintf(file.get(), "%3d\t", row.age);
    const std::array<double, 9> amounts = row.Amounts();
    for (std::size_t i = 0; i < amounts.size(); ++i) {
      std::fprintf(file.get(), i < 2 ? "%14.2f\t" : "%16.2f\t", amounts[i]);
    }
    std::fprintf(file.get(), "\n");
  }
  return std::ferror(file.get()) == 0;
}

ReportTable MortgageScheduleTable(const std::vector<MortgageScheduleRow>& rows) {
  ReportTable table;
  table.first_line_count = kScheduleFirstCount;
  table.titles.assign(kMortgageScheduleTitles.begin() + 1, kMortgageScheduleTitles.end());
  for (const MortgageScheduleRow& row : rows) {
    ReportRow line{AgeLabel(static_cast<float>(row.age)), {}};
    for (const double amount : row.Amounts()) line.cells.push_back(AmountCell(amount));
    table.rows.push_back(std::move(line));
  }
  return table;
}

}  // namespace tarvel::results
