// The integer sources and the polar-method normal cache used by the random rates.
#include "engine/random_source.h"

#include <cmath>

namespace tarvel::engine {

void RandomSource::Seed(std::uint64_t seed) {
  std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
  generator_.seed(sequence);
  seeded_ = true;
}

int RandomSource::Next15() { return static_cast<int>(generator_() >> 17); }

std::int32_t RandomSource::Next31() { return static_cast<std::int32_t>(generator_() >> 1); }

double NormalCache::Next(RandomSource& source) {
  if (pending_) {
    pending_ = false;
    return second_ * std::sqrt(-2.0 * std::log(radius_) / radius_);
  }
  double first = 0;
  double second = 0;
  double radius = 0;
  do {
    first = 2.0 * (source.Next15() / 32767.0) - 1.0;
    second = 2.0 * (source.Next15() / 32767.0) - 1.0;
    radius = first * first + second * second;
  } while (radius >= 1.0 || radius == 0.0);
  second_ = second;
  radius_ = radius;
  pending_ = true;
  return first * std::sqrt(-2.0 * std::log(radius) / radius);
}

}  // namespace tarvel::engine
