// A new plan's minimum-distribution tables and the US start age of the distributions.
#include "engine/rmd_tables.h"

#include <algorithm>
#include <cmath>

namespace tarvel::engine {
namespace {

bool ValidBirthDate(int month, int day) {
  return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

}  // namespace

std::optional<RmdDivisors> UniformLifetimeDivisors(const LifeTables& tables, int start_age) {
  if (start_age < kFirstFillableStartAge || start_age > kLastFillableStartAge) return std::nullopt;
  RmdDivisors divisors{};
  for (int k = 0; k < model::kRmdTableLength; ++k) {
    const double divisor = tables.UniformLifetime(start_age + k);
    if (!(divisor > 0)) return std::nullopt;
    divisors[k] = static_cast<float>(divisor);
  }
  return divisors;
}

int RmdStartAgeForBirth(int birth_year, int birth_month) {
  if (birth_year >= 1960) return 75;
  if (birth_year >= 1951) return 73;
  if (birth_year > 1949 || (birth_year == 1949 && birth_month >= 7)) return 72;
  return 70;
}

std::optional<int> PlannerBirthYear(const model::InitialValues& initial,
                                    const platform::Date& today) {
  if (initial.use_birthday == 0 || !ValidBirthDate(initial.birth_month, initial.birth_day)) {
    return std::nullopt;
  }
  if (!(initial.start_age >= 0)) return std::nullopt;
  const int whole_age = static_cast<int>(std::floor(initial.start_age));
  const bool birthday_to_come =
      today.month < initial.birth_month ||
      (today.month == initial.birth_month && today.day < initial.birth_day);
  return today.year - whole_age - (birthday_to_come ? 1 : 0);
}

int NewPlanRmdStartAge(const model::InitialValues& initial, const platform::Date& today) {
  const std::optional<int> year = PlannerBirthYear(initial, today);
  return year ? RmdStartAgeForBirth(*year, initial.birth_month) : kUsualRmdStartAge;
}

bool RmdTableIsEmpty(const model::AccountSettings& settings, int table) {
  if (table < 0 || table >= model::kRmdTables) return false;
  const auto& values = settings.rmd_life_expectancy[table];
  return std::all_of(values.begin(), values.end(), [](float value) { return value == 0; });
}

void StartNewPlanRmdTables(model::AccountSettings& settings, const LifeTables& tables,
                           int start_age) {
  const std::optional<RmdDivisors> divisors = UniformLifetimeDivisors(tables, start_age);
  for (int table = 0; table < model::kRmdTables; ++table) {
    settings.rmd_start_age[table] = start_age;
    if (divisors) settings.rmd_life_expectancy[table] = *divisors;
  }
}

}  // namespace tarvel::engine
