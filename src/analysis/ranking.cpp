// Ranking runs by final net worth.
#include "analysis/ranking.h"

#include <algorithm>

namespace tarvel::analysis {

std::vector<RunOutcome> RankByFinalNetWorth(std::span<const RunOutcome> outcomes) {
  std::vector<RunOutcome> ranked(outcomes.begin(), outcomes.end());
  std::stable_sort(ranked.begin(), ranked.end(), [](const RunOutcome& a, const RunOutcome& b) {
    if (a.final_net_worth != b.final_net_worth) return a.final_net_worth < b.final_net_worth;
    return a.index < b.index;
  });
  return ranked;
}

}  // namespace tarvel::analysis
