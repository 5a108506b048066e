// The Rule 72T calculator's series: the payments of one method year by year over the series
// (five years or to age 59 1/2, whichever is longer), and the note on the rate limit.
#pragma once

#include <string>
#include <vector>

#include "engine/life_tables.h"
#include "engine/rule72t.h"
#include "model/money_format.h"

namespace tarvel::siblings {

inline constexpr int kFewestSeriesYears = 5;
inline constexpr double kSeriesEndAge = 59.5;

// The beside-the-rate note: the rate may not exceed the greater of 5 % and 120 % of the
// federal mid-term rate.
std::string RateLimitNote(double rate);

struct Rule72TInputs {
  float age = 0;              // whole years
  float beneficiary_age = 0;  // the joint table's
  float balance = 0;
  float rate = 0;  // percent per year
  engine::LifeExpectancySource source = engine::LifeExpectancySource::SingleLife;
  engine::Rule72TMethod method = engine::Rule72TMethod::Amortization;
};

struct SeriesYear {
  int year = 0;  // 1-based
  int age = 0;
  double start_balance = 0;
  double payment = 0;
  double growth = 0;  // the year's earnings at the rate
  double end_balance = 0;
};

// Years of the series for a whole age.
int SeriesYears(int age);

// Annuitization and amortization pay the first year's amount every year; the minimum
// distribution is recomputed each year from that year's balance and age. Each year the
// balance grows at the rate and the payment is taken out; it never goes below 0.
std::vector<SeriesYear> Rule72TSeries(const engine::LifeTables& tables,
                                      const Rule72TInputs& inputs);

// The series as text rows: "Year", "Age", "Start Balance", "Payment", "Growth", "End Balance".
std::vector<std::vector<std::string>> SeriesTable(const std::vector<SeriesYear>& years,
                                                  const model::Currency& currency);

}  // namespace tarvel::siblings
