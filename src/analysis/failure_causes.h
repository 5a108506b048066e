// Why runs fail: for each red flag of the results folder the share of runs it fires in and the
// median first age, and a histogram of the first age at which the liquid accounts run dry. The
// flags that break a run's success are failures; the others are warnings a run can succeed with.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "analysis/run_outcome.h"

namespace tarvel::analysis {

struct FlagCause {
  std::string text;                 // the results folder's red-flag text
  double share = 0;                 // fraction of the runs, 0..1
  std::optional<float> median_age;  // of the runs it fires in; nothing when it never fires
  int runs = 0;                     // runs it fires in
  bool failure = false;             // it breaks a run's success (RunSucceeded)
};

struct AgeBin {
  int first_age = 0;  // ages first_age .. first_age + width - 1
  int runs = 0;
};

inline constexpr int kDepletionBinYears = 5;

struct FailureCauses {
  std::vector<FlagCause> flags;   // in the order the results folder lists red flags
  std::vector<AgeBin> depletion;  // first age of liquid depletion, bins of 5 years
};

// From the outcomes of every run; the histogram covers ages first_age..last_age.
FailureCauses CountFailureCauses(std::span<const RunOutcome> outcomes, int first_age, int last_age);

}  // namespace tarvel::analysis
