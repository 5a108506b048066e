// The life-expectancy tables of the minimum distributions as a new plan starts them: the
// divisors of the IRS Uniform Lifetime Table (from "mort.dat"), from the age at which US rules
// start distributions for the planner's birth year.
#pragma once

#include <array>
#include <optional>

#include "engine/life_tables.h"
#include "model/records.h"
#include "platform/clock.h"

namespace tarvel::engine {

using RmdDivisors = std::array<float, model::kRmdTableLength>;

// The start age of the distributions when the planner's birth year is not known.
inline constexpr int kUsualRmdStartAge = 73;
// The start ages whose 30 ages the uniform-lifetime table of "mort.dat" covers.
inline constexpr int kFirstFillableStartAge = kFirstUniformAge;
inline constexpr int kLastFillableStartAge = kLastUniformAge - (model::kRmdTableLength - 1);

// The uniform-lifetime divisors for the ages start_age .. start_age + 29, or nothing when the
// tables lack any of them (an age outside the table, or a file that was not found).
std::optional<RmdDivisors> UniformLifetimeDivisors(const LifeTables& tables, int start_age);

// The whole age of the first required distribution for someone born in this month of this
// year, under the US rules in force since 2023: 70 for births before July 1949, 72 to the end
// of 1950, 73 from 1951 to 1959 and 75 from 1960.
int RmdStartAgeForBirth(int birth_year, int birth_month);

// The planner's birth year from the whole start age and the birth date, when the plan uses
// its birthday; the whole start age is the age at the last birthday before today.
std::optional<int> PlannerBirthYear(const model::InitialValues& initial,
                                    const platform::Date& today);

// The start age of a new plan's distributions: by the birth year when the plan gives one,
// else kUsualRmdStartAge.
int NewPlanRmdStartAge(const model::InitialValues& initial, const platform::Date& today);

// Whether every divisor of table 0..2 is 0: a table nobody has filled in.
bool RmdTableIsEmpty(const model::AccountSettings& settings, int table);

// The three tables of a new plan start at start_age, filled from the uniform-lifetime table
// when it covers their ages (else their divisors stay as they are).
void StartNewPlanRmdTables(model::AccountSettings& settings, const LifeTables& tables,
                           int start_age);

}  // namespace tarvel::engine
