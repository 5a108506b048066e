// Rates handed to a run year by year from outside the scenario, such as a historical sequence
// of market returns: the rate each account earns and the year's inflation.
#pragma once

#include <optional>

#include "model/records.h"

namespace tarvel::engine {

// Year numbers count the shown years of the run from 0 (years before the shown start age
// count as year 0). Implementations are only read by the run.
class YearlyRateSource {
 public:
  virtual ~YearlyRateSource() = default;

  // The rate (percent per year) the account earns in the year; own_rate keeps its own.
  virtual float AccountRate(const model::Scenario& scenario, const model::Account& account,
                            int year, float own_rate) const = 0;
  // The inflation rate (percent) of the year, or nothing to keep the run's own.
  virtual std::optional<float> InflationRate(int year) const = 0;
};

}  // namespace tarvel::engine
