// The effective yearly rate of a nominal rate compounded a number of times a year.
#pragma once

namespace tarvel::calculators {

// Effective rate, percent = (pow(1 + nominal x 0.01 / m, m) - 1) x 100, the power formed by m
// multiplications in 4-byte floats; m below 1 counts as one compounding a year.
// 12 % compounded monthly gives 12.6825.
double EffectiveYearlyRate(double nominal_percent, int periods_per_year);

}  // namespace tarvel::calculators
