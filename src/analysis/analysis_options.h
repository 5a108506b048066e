// What a Monte Carlo analysis is asked to do: where each run's yearly rates come from, how many
// runs, the seed and the historical settings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel::analysis {

enum class RateSource {
  RandomAccounts,  // each account draws its own rate every year
  RandomGroups,    // each group draws one rate a year for its accounts
  Historical,      // one run per historical start year, walking forward year by year
  Bootstrap,       // blocks of consecutive historical years drawn at random
};

inline constexpr int kDefaultRuns = 1000;
inline constexpr int kMostRuns = 100000;
inline constexpr int kDefaultBlockYears = 5;

struct AnalysisOptions {
  RateSource source = RateSource::RandomAccounts;
  int runs = kDefaultRuns;  // 1..100,000; historical cycles run once per start year instead
  std::uint64_t seed = 1;
  int block_years = kDefaultBlockYears;  // bootstrap block length, 1 or more
  int threads = 0;                       // 0: every core
  bool wrap = false;  // historical cycles: also the start years that run past the data
  bool historical_inflation = true;  // historical sources: the year's inflation replaces the plan's
  // Historical sources: savings accounts without an allocation earn the assumed one
  // (assumed_allocation.h); the scenario itself is not changed.
  bool assumed_allocation = false;
};

// "accounts", "groups", "historical" or "bootstrap".
std::string_view RateSourceName(RateSource source);
std::optional<RateSource> RateSourceNamed(std::string_view name);
bool IsHistorical(RateSource source);

// Whether two options ask for the same analysis: the settings a source does not use (the
// seed of historical cycles, the block length of the random sources...) are not compared.
bool SameAnalysis(const AnalysisOptions& a, const AnalysisOptions& b);

// The problem with the options, for the user; empty when they can be run.
std::string OptionsProblem(const AnalysisOptions& options);

}  // namespace tarvel::analysis
