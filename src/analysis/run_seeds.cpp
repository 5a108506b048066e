// Run seeds by the SplitMix64 finaliser over the analysis seed and the run index.
#include "analysis/run_seeds.h"

namespace tarvel::analysis {

std::uint64_t RunSeed(std::uint64_t seed, int index) {
  std::uint64_t z = seed + 0x9E3779B97F4A7C15ull * (static_cast<std::uint64_t>(index) + 1);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace tarvel::analysis
