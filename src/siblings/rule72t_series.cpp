// Each year's payment comes from the engine's Rule72TDistribution, the function the
// planner's Rule 72T events and `tarvel rule72t` use.
#include "siblings/rule72t_series.h"

#include <algorithm>
#include <cmath>

namespace tarvel::siblings {
namespace {

constexpr double kLowestLimit = 5.0;

float Payment(const engine::LifeTables& tables, const Rule72TInputs& inputs, int age,
              double balance) {
  return engine::Rule72TDistribution(tables, static_cast<float>(age),
                                     inputs.beneficiary_age + static_cast<float>(age) - inputs.age,
                                     static_cast<float>(balance), inputs.rate,
                                     static_cast<std::uint16_t>(inputs.source),
                                     static_cast<std::uint16_t>(inputs.method));
}

}  // namespace

std::string RateLimitNote(double rate) {
  std::string note =
      "The rate may not exceed the greater of 5% and 120% of the federal mid-term rate.";
  if (rate > kLowestLimit) {
    note += model::Format(
        " %.2f%% is above 5%%: use it only when 120%% of the federal "
        "mid-term rate is at least that high.",
        rate);
  }
  return note;
}

int SeriesYears(int age) {
  const int to_end_age = static_cast<int>(std::ceil(kSeriesEndAge - age));
  return std::max(kFewestSeriesYears, to_end_age);
}

std::vector<SeriesYear> Rule72TSeries(const engine::LifeTables& tables,
                                      const Rule72TInputs& inputs) {
  const int first_age = static_cast<int>(inputs.age);
  const bool fixed = inputs.method != engine::Rule72TMethod::Minimum;
  const double fixed_payment = Payment(tables, inputs, first_age, inputs.balance);
  std::vector<SeriesYear> years;
  double balance = inputs.balance;
  for (int year = 1; year <= SeriesYears(first_age); ++year) {
    SeriesYear row;
    row.year = year;
    row.age = first_age + year - 1;
    row.start_balance = balance;
    row.growth = balance * inputs.rate * 0.01;
    const double due = fixed ? fixed_payment : Payment(tables, inputs, row.age, balance);
    row.payment = std::min(due, balance + row.growth);
    row.end_balance = std::max(0.0, balance + row.growth - row.payment);
    balance = row.end_balance;
    years.push_back(row);
  }
  return years;
}

std::vector<std::vector<std::string>> SeriesTable(const std::vector<SeriesYear>& years,
                                                  const model::Currency& currency) {
  std::vector<std::vector<std::string>> table;
  table.push_back({"Year", "Age", "Start Balance", "Payment", "Growth", "End Balance"});
  for (const SeriesYear& row : years) {
    table.push_back({std::to_string(row.year), std::to_string(row.age),
                     model::Money(row.start_balance, currency), model::Money(row.payment, currency),
                     model::Money(row.growth, currency), model::Money(row.end_balance, currency)});
  }
  return table;
}

}  // namespace tarvel::siblings
