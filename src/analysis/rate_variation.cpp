// Telling which account rates an analysis varies, by source and random kind.
#include "analysis/rate_variation.h"

#include <cmath>

#include "analysis/assumed_allocation.h"
#include "analysis/historical_rates.h"
#include "model/money_format.h"

namespace tarvel::analysis {
namespace {

constexpr std::uint16_t kGaussianRange = 0;
constexpr std::uint16_t kUniform = 1;
constexpr std::uint16_t kGaussianDeviation = 2;
// A uniform draw moves in steps of 0.01 percentage points: a narrower range gives its minimum.
constexpr double kUniformStep = 0.01;
constexpr double kStepTolerance = 0.00005;

bool RangeVaries(std::uint16_t kind, float minimum, float maximum) {
  if (kind == kUniform) {
    return std::fabs(static_cast<double>(maximum) - minimum) + kStepTolerance >= kUniformStep;
  }
  return kind == kGaussianRange && minimum != maximum;
}

bool DeviationVaries(const model::Scenario& scenario, const model::Account& account) {
  if (account.slot >= model::kMaxAccounts) return false;
  const float deviation = scenario.settings.standard_deviation[account.slot];
  return std::isfinite(deviation) && deviation != 0;
}

// A positive percentage in a category the historical data has a column for.
bool HasHistoricalAllocation(const model::Scenario& scenario, const model::Account& account) {
  if (account.slot >= model::kMaxAccounts) return false;
  for (int c = 0; c < kAssetClasses; ++c) {
    if (AssetClassOf(scenario, c) && scenario.allocation.percent[c][account.slot] > 0) return true;
  }
  return false;
}

struct RandomRate {
  bool varies = false;
  float fixed_rate = 0;  // the rate every run gives it when it does not vary
};

// A range that does not vary gives its minimum; an account outside the groups, or drawing
// with its standard deviation, keeps its own rate.
RandomRate RandomRateOf(const model::Scenario& scenario, const AnalysisOptions& options,
                        const model::Account& account) {
  const std::uint16_t kind = scenario.groups.random_method;
  if (kind == kGaussianDeviation) return {DeviationVaries(scenario, account), account.yearly_rate};
  if (kind != kGaussianRange && kind != kUniform) return {false, account.yearly_rate};
  if (options.source == RateSource::RandomAccounts) {
    return {RangeVaries(kind, account.random_min_rate, account.random_max_rate),
            account.random_min_rate};
  }
  if (account.group >= model::kMaxGroups) return {false, account.yearly_rate};
  const float minimum = scenario.groups.random_min_rate[account.group];
  return {RangeVaries(kind, minimum, scenario.groups.random_max_rate[account.group]), minimum};
}

std::string NoVariationWarning(const model::Scenario& scenario, const AnalysisOptions& options) {
  if (IsHistorical(options.source)) {
    if (options.historical_inflation) {
      return "No account has an asset allocation, so only inflation varies; set one in the "
             "account dialog or assume a default allocation";
    }
    return "No account has an asset allocation and historical inflation is off, so nothing "
           "varies; set one in the account dialog or assume a default allocation";
  }
  if (scenario.groups.random_method == kGaussianDeviation) {
    return "No account has a standard deviation; set one in the account dialog or use Historical";
  }
  if (options.source == RateSource::RandomGroups) {
    return "No group of an account has a random range; set one in the Groups dialog or use "
           "Historical";
  }
  return "No account has a random range; set one in the account dialog or use Historical";
}

// "A", "A and B", "A, B and C".
std::string NameList(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += names[i];
  }
  return text;
}

}  // namespace

RateVariation DescribeRateVariation(const model::Scenario& scenario,
                                    const AnalysisOptions& options) {
  RateVariation variation;
  const bool historical = IsHistorical(options.source);
  variation.inflation_varies = historical && options.historical_inflation;
  const int count = std::clamp<int>(scenario.accounts.count, 0, model::kMaxAccounts);
  for (int i = 0; i < count; ++i) {
    const model::Account& account = scenario.accounts.records[i];
    const std::string name = account.name.str();
    bool varies = false;
    float fixed_rate = account.yearly_rate;
    if (historical) {
      varies = HasHistoricalAllocation(scenario, account);
      const std::optional<AssetMix> mix = AssumedAllocation(scenario, account);
      if (mix) ++variation.unallocated;
      if (mix && options.assumed_allocation) {
        varies = true;
        variation.assumed.push_back(name + " (" + AssetMixText(*mix) + ")");
      }
    } else {
      const RandomRate rate = RandomRateOf(scenario, options, account);
      varies = rate.varies;
      fixed_rate = rate.fixed_rate;
    }
    if (varies) {
      variation.varying.push_back(name);
    } else {
      variation.fixed.push_back(name + " at " + model::RateText(fixed_rate));
    }
  }
  if (variation.varying.empty()) variation.warning = NoVariationWarning(scenario, options);
  return variation;
}

std::string RateVariationText(const RateVariation& variation) {
  std::string text;
  if (!variation.varying.empty()) {
    text += "Rates that vary: " + NameList(variation.varying) + ".";
    if (!variation.assumed.empty()) {
      text += " Assumed allocation: " + NameList(variation.assumed) + ".";
    }
    text += "\n";
  }
  if (!variation.fixed.empty()) text += "Fixed rates: " + NameList(variation.fixed) + ".\n";
  text += variation.inflation_varies ? "Inflation follows history." : "Inflation is the plan's.";
  return text;
}

}  // namespace tarvel::analysis
