// Random account and group rates: the three draws, the rate each account earns in a year of a
// random run, the announcement and rate lines, and the drawn-rate statistics.
#pragma once

#include "engine/random_source.h"
#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// The scenario's random-rate method (GroupTable::random_method).
enum class RandomKind { GaussianRange = 0, Uniform = 1, GaussianDeviation = 2 };

// True when this run draws account or group rates.
bool RandomSourceSet(const Run& run);

// A rate (percent) from minimum upwards in steps of 0.01 points, below maximum; the minimum
// itself when the bounds are less than one step apart. Bounds given the wrong way round are
// taken the right way round.
float DrawUniformRate(RandomSource& source, float minimum, float maximum);
// A normal rate centred between the bounds with a spread of a third of half the range
// (times 0.997), widened by 10 % per factor step (0..10); not clipped to the range.
float DrawGaussianRangeRate(RandomSource& source, NormalCache& normal, float minimum, float maximum,
                            int range_factor);
// mean + standard normal x deviation (percent).
float DrawGaussianDeviationRate(RandomSource& source, NormalCache& normal, float mean,
                                float deviation);

// Before a run with random account rates: count 0, sum 0, smallest = the random maximum and
// largest = the random minimum of every account.
void ResetAccountRateStatistics(model::Scenario& scenario);

// Draws this year's rate of every group (runs with random group rates).
void DrawGroupRates(const model::Scenario& scenario, Run& run);
// The detailed-results line announcing which random source and method the run uses.
void AnnounceRandomSource(const model::Scenario& scenario, Run& run);
// The rate (percent per year) the account at this position earns this year: the year's rate
// of a yearly rate source when the run has one, a drawn rate in a random run, else its
// current rate.
float AccountRateForYear(const model::Scenario& scenario, Run& run, int position);
// The detailed-results line showing the drawn rate of a growing account (for the group
// source, once a year per group), and the statistics of the rates shown.
void ShowRandomRate(const model::Scenario& scenario, Run& run, int position, float rate);

}  // namespace tarvel::engine
