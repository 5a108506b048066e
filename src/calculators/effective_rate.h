// The effective yearly rate of a nominal rate compounded a number of times a year.
#pragma once

namespace tarvel::calculators {

// Bounds the effective-rate calculator accepts: the nominal rate lies strictly between
// -200 and 200 percent; a typed number of compoundings is at least 1 and below 365 (the daily
// choice itself compounds 365 times).
inline constexpr float kNominalRateLimit = 200.0f;
inline constexpr int kMostTypedCompoundings = 364;

// Effective rate in percent = ((1 + nominal x 0.01 / m)^m - 1) x 100; m below 1 counts as one
// compounding a year.
float EffectiveRate(float nominal_rate, int compoundings_per_year);

}  // namespace tarvel::calculators
