// The seed of each run of an analysis, from the analysis seed and the run's index alone, so
// the runs draw the same rates whichever thread runs them.
#pragma once

#include <cstdint>

namespace tarvel::analysis {

// A well-mixed 64-bit seed for run `index` (0-based) of the analysis seeded with `seed`.
std::uint64_t RunSeed(std::uint64_t seed, int index);

}  // namespace tarvel::analysis
