// A run's rates from a sequence of historical years: each account earns the allocation-weighted
// mix of the year's asset-class returns, and the year's inflation can replace the plan's.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/historical_returns.h"
#include "engine/yearly_rate_source.h"
#include "model/records.h"

namespace tarvel::analysis {

// Rows of the data (0 = its first year) for years 0..years-1 of a run starting at row start and
// walking forward one year at a time, back to row 0 after the last.
std::vector<int> CycleSequence(int start, int years, int data_years);

// Rows for a run of this many years built from blocks of block_years consecutive rows, each
// block starting at a row drawn with the run's seed; the last block is cut to fit.
std::vector<int> BootstrapSequence(std::uint64_t run_seed, int years, int data_years,
                                   int block_years);

// The data's asset class behind an allocation category, when the category is one of the five
// the planner names by default ("Large Cap", "Small Cap", "Cash", "Long Term Bond",
// "Inter. Term Bond", in that order) and still carries its default name.
std::optional<AssetClass> AssetClassOf(const model::Scenario& scenario, int category);

class HistoricalRateSource : public engine::YearlyRateSource {
 public:
  // With assume_allocation, a savings account without an allocation earns the assumed one.
  HistoricalRateSource(const HistoricalReturns& returns, std::vector<int> rows,
                       bool historical_inflation, bool assume_allocation = false)
      : returns_(&returns),
        rows_(std::move(rows)),
        inflation_(historical_inflation),
        assume_allocation_(assume_allocation) {}

  // The allocation-weighted return of the year; the share of the account in categories the
  // data has no column for (and any share below 100 %) earns own_rate. Percentages adding up
  // to more than 100 are scaled down to 100. An account with no allocation keeps own_rate
  // unless an allocation is assumed for it.
  float AccountRate(const model::Scenario& scenario, const model::Account& account, int year,
                    float own_rate) const override;
  std::optional<float> InflationRate(int year) const override;

  // The calendar year used in year 0 of the run.
  int FirstCalendarYear() const;

 private:
  const HistoricalYear& Year(int year) const;

  const HistoricalReturns* returns_;
  std::vector<int> rows_;
  bool inflation_;
  bool assume_allocation_;
};

}  // namespace tarvel::analysis
