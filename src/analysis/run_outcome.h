// What an analysis keeps of each run: how to run it again, whether it succeeded, its final net
// worth and the first age of each red flag.
#pragma once

#include <cstdint>
#include <span>

#include "engine/run.h"

namespace tarvel::analysis {

struct RunOutcome {
  int index = 0;           // 0-based run number
  std::uint64_t seed = 0;  // the run's own seed (random and bootstrap sources)
  int start_year = 0;      // historical sources: the calendar year of the run's first year
  bool success = false;
  float final_net_worth = 0;
  engine::RedFlags flags;
};

// A run succeeds when its net worth never turns negative (at any year's start or at the end)
// and its liquid accounts (investment, retirement, tax-free) are never depleted.
bool RunSucceeded(const engine::Run& run);

// The liquid savings at a period: investment, tax-free and retirement balances.
float LiquidBalance(const engine::PeriodResult& period);

}  // namespace tarvel::analysis
