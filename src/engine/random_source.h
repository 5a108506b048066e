// The pseudo-random numbers beneath random account and group rates: a 15-bit and a 31-bit
// integer source sharing one generator state, and the standard-normal cache of the polar method.
#pragma once

#include <cstdint>
#include <random>

namespace tarvel::engine {

// Integers for the rate draws. Seeded once (from the clock, or from a fixed seed for a
// repeatable run) and never reseeded, so the sequence carries on from run to run.
class RandomSource {
 public:
  RandomSource() = default;
  explicit RandomSource(std::uint64_t seed) { Seed(seed); }

  void Seed(std::uint64_t seed);
  bool seeded() const { return seeded_; }

  // 0 to 32767.
  int Next15();
  // 0 to 2^31 - 1.
  std::int32_t Next31();

 private:
  std::mt19937 generator_;
  bool seeded_ = false;
};

// Standard normal values by the polar method. Each accepted point gives two values: the
// first call returns one and keeps the other for the next call, which draws nothing.
class NormalCache {
 public:
  double Next(RandomSource& source);
  // True when the next call returns the kept second value.
  bool pending() const { return pending_; }

 private:
  bool pending_ = false;
  double second_ = 0;  // second coordinate of the last accepted point
  double radius_ = 0;  // its squared distance from the origin
};

// A run's whole generator state: the source and the spare normals of its two Gaussian draws.
// A program that runs many times carries it from run to run so no two runs repeat.
struct RandomState {
  RandomSource source;
  NormalCache range_normal;      // standard normals of the Gaussian-range draws
  NormalCache deviation_normal;  // standard normals of the Gaussian-deviation draws
};

}  // namespace tarvel::engine
