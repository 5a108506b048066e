// Rule 72T distributions: the three methods of a series of substantially equal periodic
// payments, and the yearly amount of each Rule 72T transfer in a run.
#pragma once

#include <cstdint>

#include "engine/life_tables.h"
#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine {

// As a Rule 72T event stores them (offset 14 and offset 26).
enum class LifeExpectancySource : std::uint16_t {
  SingleLife = 0,
  UniformLifetime = 1,
  JointLife = 2
};
enum class Rule72TMethod : std::uint16_t { Annuitization = 0, Amortization = 1, Minimum = 2 };

// The yearly amount of each method for one balance.
struct Rule72TAmounts {
  float annuitization = 0;
  float amortization = 0;
  float minimum = 0;
};

// Annuity factor of whole age a at rate r (percent): F = sum over k = 1 .. 115 - a of
// v^k * kp_a, with v = 1 / (1 + r/100) and kp_a = product of (1 - q(a + j)) for j < k.
// Payments begin a year after the balance is valued, so the first term is already
// discounted (at 4 % and age 50 with the 2022 mortality rates F = 18.1568).
double AnnuityFactor(const LifeTables& tables, int age, double rate);

// The life expectancy L of the source for the whole ages; 0 for an unknown source.
double LifeExpectancy(const LifeTables& tables, int age, int beneficiary_age,
                      LifeExpectancySource source);

// Annuitization B / F; amortization B * i / (1 - (1 + i)^-L) with i = r/100, B / L at a
// rate of 0; minimum distribution B / L. Each is 0 when its denominator is not above 0.
// Ages are taken as whole years, the rate in percent per year.
Rule72TAmounts Rule72TResults(const LifeTables& tables, float age, float beneficiary_age,
                              float balance, float rate, LifeExpectancySource source);

// The yearly distribution of the method (0 for an unknown method number).
float Rule72TDistribution(const LifeTables& tables, float age, float beneficiary_age, float balance,
                          float rate, std::uint16_t source, std::uint16_t method);

// Captures the source balances of the Rule 72T transfers starting this year and stores each
// running transfer's amount for the year. Called by the driver once per shown year.
void ComputeRule72TAmounts(Run& run);

}  // namespace tarvel::engine
