// Names of the rate sources and the check of an analysis' options.
#include "analysis/analysis_options.h"

#include <array>
#include <utility>

namespace tarvel::analysis {
namespace {

constexpr std::array<std::pair<RateSource, std::string_view>, 4> kNames = {{
    {RateSource::RandomAccounts, "accounts"},
    {RateSource::RandomGroups, "groups"},
    {RateSource::Historical, "historical"},
    {RateSource::Bootstrap, "bootstrap"},
}};

}  // namespace

std::string_view RateSourceName(RateSource source) {
  for (const auto& [value, name] : kNames) {
    if (value == source) return name;
  }
  return "accounts";
}

std::optional<RateSource> RateSourceNamed(std::string_view name) {
  for (const auto& [value, known] : kNames) {
    if (known == name) return value;
  }
  return std::nullopt;
}

bool IsHistorical(RateSource source) {
  return source == RateSource::Historical || source == RateSource::Bootstrap;
}

bool SameAnalysis(const AnalysisOptions& a, const AnalysisOptions& b) {
  if (a.source != b.source) return false;
  const bool cycles = a.source == RateSource::Historical;
  if (!cycles && (a.runs != b.runs || a.seed != b.seed)) return false;
  if (cycles && a.wrap != b.wrap) return false;
  if (a.source == RateSource::Bootstrap && a.block_years != b.block_years) return false;
  return !IsHistorical(a.source) || (a.historical_inflation == b.historical_inflation &&
                                     a.assumed_allocation == b.assumed_allocation);
}

std::string OptionsProblem(const AnalysisOptions& options) {
  if (options.runs < 1 || options.runs > kMostRuns) {
    return "The number of runs must be from 1 to 100,000.";
  }
  if (options.block_years < 1) return "The block length must be at least 1 year.";
  if (options.threads < 0) return "The number of threads cannot be negative.";
  return {};
}

}  // namespace tarvel::analysis
