// Counting red flags across runs and binning the age of liquid depletion.
#include "analysis/failure_causes.h"

#include <algorithm>
#include <array>

#include "analysis/percentiles.h"

namespace tarvel::analysis {
namespace {

using FlagOf = const engine::RedFlag& (*)(const engine::RedFlags&);

struct KnownFlag {
  const char* text;
  FlagOf flag_of;
  bool failure;  // as RunSucceeded counts it
};

constexpr std::array<KnownFlag, 6> kFlags = {{
    {"A penalty was paid.",
     [](const engine::RedFlags& f) -> const engine::RedFlag& { return f.penalty_paid; }, false},
    {"Liquid accounts were depleted.",
     [](const engine::RedFlags& f) -> const engine::RedFlag& { return f.liquid_depleted; }, true},
    {"A withdrawal account was depleted.",
     [](const engine::RedFlags& f) -> const engine::RedFlag& {
       return f.withdrawal_account_depleted;
     },
     false},
    {"RMD accounts were depleted.",
     [](const engine::RedFlags& f) -> const engine::RedFlag& { return f.rmd_depleted; }, false},
    {"Transfers were not completed.",
     [](const engine::RedFlags& f) -> const engine::RedFlag& { return f.transfers_not_completed; },
     false},
    {"Your net worth went negative.",
     [](const engine::RedFlags& f) -> const engine::RedFlag& { return f.net_worth_negative; },
     true},
}};

FlagCause CountFlag(std::span<const RunOutcome> outcomes, const KnownFlag& known) {
  std::vector<float> ages;
  for (const RunOutcome& outcome : outcomes) {
    const engine::RedFlag& flag = known.flag_of(outcome.flags);
    if (flag.set) ages.push_back(static_cast<float>(flag.age));
  }
  std::sort(ages.begin(), ages.end());
  FlagCause cause;
  cause.text = known.text;
  cause.runs = static_cast<int>(ages.size());
  cause.share = outcomes.empty() ? 0.0 : static_cast<double>(ages.size()) / outcomes.size();
  if (!ages.empty()) cause.median_age = SortedPercentile(ages, 50);
  cause.failure = known.failure;
  return cause;
}

}  // namespace

FailureCauses CountFailureCauses(std::span<const RunOutcome> outcomes, int first_age,
                                 int last_age) {
  FailureCauses causes;
  for (const KnownFlag& known : kFlags) causes.flags.push_back(CountFlag(outcomes, known));
  for (int age = first_age; age <= last_age; age += kDepletionBinYears) {
    causes.depletion.push_back({age, 0});
  }
  if (causes.depletion.empty()) return causes;
  for (const RunOutcome& outcome : outcomes) {
    if (!outcome.flags.liquid_depleted.set) continue;
    const int bin = (outcome.flags.liquid_depleted.age - first_age) / kDepletionBinYears;
    const int last = static_cast<int>(causes.depletion.size()) - 1;
    ++causes.depletion[std::clamp(bin, 0, last)].runs;
  }
  return causes;
}

}  // namespace tarvel::analysis
