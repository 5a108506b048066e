// Historical year sequences and the yearly account rates and inflation they give a run.
#include "analysis/historical_rates.h"

#include <algorithm>
#include <array>
#include <random>
#include <string_view>

#include "analysis/assumed_allocation.h"

namespace tarvel::analysis {
namespace {

constexpr std::array<std::string_view, kAssetClasses> kDefaultCategoryNames = {
    "Large Cap", "Small Cap", "Cash", "Long Term Bond", "Inter. Term Bond"};

// The year's return of a mix of the data's asset classes adding up to 100 %.
float MixedReturn(const AssetMix& mix, const HistoricalYear& row) {
  double mixed = 0;
  for (int c = 0; c < kAssetClasses; ++c) mixed += mix[c] * static_cast<double>(row.returns[c]);
  return static_cast<float>(mixed / 100.0);
}

}  // namespace

std::vector<int> CycleSequence(int start, int years, int data_years) {
  std::vector<int> rows;
  if (data_years <= 0) return rows;
  rows.reserve(static_cast<std::size_t>(std::max(years, 0)));
  for (int k = 0; k < years; ++k) rows.push_back((start + k) % data_years);
  return rows;
}

std::vector<int> BootstrapSequence(std::uint64_t run_seed, int years, int data_years,
                                   int block_years) {
  std::vector<int> rows;
  if (data_years <= 0) return rows;
  const int block = std::clamp(block_years, 1, data_years);
  std::mt19937_64 generator(run_seed);
  const auto starts = static_cast<std::uint64_t>(data_years - block + 1);
  while (static_cast<int>(rows.size()) < years) {
    const int start = static_cast<int>(generator() % starts);
    for (int k = 0; k < block && static_cast<int>(rows.size()) < years; ++k) {
      rows.push_back(start + k);
    }
  }
  return rows;
}

std::optional<AssetClass> AssetClassOf(const model::Scenario& scenario, int category) {
  if (category < 0 || category >= kAssetClasses) return std::nullopt;
  if (scenario.categories.names[category].view() != kDefaultCategoryNames[category]) {
    return std::nullopt;
  }
  return static_cast<AssetClass>(category);
}

float HistoricalRateSource::AccountRate(const model::Scenario& scenario,
                                        const model::Account& account, int year,
                                        float own_rate) const {
  if (account.slot >= model::kMaxAccounts || rows_.empty()) return own_rate;
  double total = 0;
  for (int c = 0; c < model::kAllocationCategories; ++c) {
    total += std::max(0.0f, scenario.allocation.percent[c][account.slot]);
  }
  const HistoricalYear& row = Year(year);
  if (!(total > 0)) {
    const auto mix = assume_allocation_ ? AssumedAllocation(scenario, account) : std::nullopt;
    return mix ? MixedReturn(*mix, row) : own_rate;
  }
  const double whole = std::max(total, 100.0);
  double mixed = 0;
  double mapped = 0;
  for (int c = 0; c < kAssetClasses; ++c) {
    const std::optional<AssetClass> asset_class = AssetClassOf(scenario, c);
    const float percent = scenario.allocation.percent[c][account.slot];
    if (!asset_class || !(percent > 0)) continue;
    mixed += percent * static_cast<double>(row.returns[static_cast<int>(*asset_class)]);
    mapped += percent;
  }
  return static_cast<float>((mixed + (whole - mapped) * own_rate) / whole);
}

std::optional<float> HistoricalRateSource::InflationRate(int year) const {
  if (!inflation_ || rows_.empty()) return std::nullopt;
  return Year(year).inflation;
}

int HistoricalRateSource::FirstCalendarYear() const {
  return rows_.empty() ? 0 : returns_->years[rows_.front()].year;
}

const HistoricalYear& HistoricalRateSource::Year(int year) const {
  const int k = std::clamp(year, 0, static_cast<int>(rows_.size()) - 1);
  return returns_->years[rows_[k]];
}

}  // namespace tarvel::analysis
