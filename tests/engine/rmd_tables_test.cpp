// A new plan's minimum-distribution tables: the start age of the distributions by birth year
// and the divisors of the IRS Uniform Lifetime Table shipped in mort.dat.
#include "engine/rmd_tables.h"

#include <gtest/gtest.h>

#include <optional>

#include "engine/life_tables.h"
#include "support/temp_folder.h"

namespace tarvel {
namespace {

TEST(RmdStartAgeForBirth, FollowsTheUsRuleForTheBirthYear) {
  const struct {
    int year;
    int month;
    int start_age;
  } cases[] = {
      {1949, 6, 70},  {1949, 7, 72}, {1950, 12, 72}, {1951, 1, 73},
      {1959, 12, 73}, {1960, 1, 75}, {1995, 6, 75},
  };
  for (const auto& test : cases) {
    EXPECT_EQ(engine::RmdStartAgeForBirth(test.year, test.month), test.start_age)
        << test.year << "-" << test.month;
  }
}

TEST(NewPlanRmdStartAge, TakesTheBirthYearFromTheAgeAndBirthdayElseSeventyThree) {
  const platform::Date today{2024, 6, 15};
  const struct {
    const char* label;
    float start_age;
    std::uint16_t use_birthday;
    std::int16_t month;
    std::int16_t day;
    std::optional<int> birth_year;
    int start;
  } cases[] = {
      {"birthday passed this year: born 1960", 64.3f, 1, 3, 10, 1960, 75},
      {"birthday still to come: born 1959", 64.9f, 1, 9, 1, 1959, 73},
      {"birthday today: born 1960", 64.0f, 1, 6, 15, 1960, 75},
      {"born 1950", 74.5f, 1, 1, 2, 1950, 72},
      {"birthday not in use", 64.0f, 0, 3, 10, std::nullopt, 73},
      {"no birth date", 64.0f, 1, 0, 0, std::nullopt, 73},
  };
  for (const auto& test : cases) {
    model::InitialValues initial;
    initial.start_age = test.start_age;
    initial.use_birthday = test.use_birthday;
    initial.birth_month = test.month;
    initial.birth_day = test.day;
    EXPECT_EQ(engine::PlannerBirthYear(initial, today), test.birth_year) << test.label;
    EXPECT_EQ(engine::NewPlanRmdStartAge(initial, today), test.start) << test.label;
  }
}

TEST(UniformLifetimeDivisors, GivesThirtyPublishedDivisorsFromTheStartAge) {
  const engine::LifeTables tables = engine::ReadMortalityFile({TARVEL_SOURCE_DATA_DIR}).tables;
  const struct {
    int start_age;
    float first;
    float last;  // at start age + 29
  } cases[] = {{72, 27.4f, 6.0f}, {73, 26.5f, 5.6f}, {75, 24.6f, 4.9f}, {86, 15.2f, 2.9f}};
  for (const auto& test : cases) {
    const auto divisors = engine::UniformLifetimeDivisors(tables, test.start_age);
    ASSERT_TRUE(divisors) << test.start_age;
    EXPECT_FLOAT_EQ((*divisors)[0], test.first) << test.start_age;
    EXPECT_FLOAT_EQ((*divisors)[29], test.last) << test.start_age;
  }
  const auto from_73 = engine::UniformLifetimeDivisors(tables, 73);
  EXPECT_FLOAT_EQ((*from_73)[1], 25.5f);  // age 74
  EXPECT_FLOAT_EQ((*from_73)[7], 20.2f);  // age 80
  // Ages the table does not hold, and tables that were not found, fill nothing.
  EXPECT_FALSE(engine::UniformLifetimeDivisors(tables, 87));
  EXPECT_FALSE(engine::UniformLifetimeDivisors(tables, 9));
  EXPECT_FALSE(engine::UniformLifetimeDivisors(engine::LifeTables{}, 73));
}

TEST(StartNewPlanRmdTables, StartsAllThreeTablesFilledAtTheStartAge) {
  const engine::LifeTables tables = engine::ReadMortalityFile({TARVEL_SOURCE_DATA_DIR}).tables;
  model::AccountSettings settings;
  engine::StartNewPlanRmdTables(settings, tables, 75);
  for (int table = 0; table < model::kRmdTables; ++table) {
    EXPECT_EQ(settings.rmd_start_age[table], 75);
    EXPECT_FLOAT_EQ(settings.rmd_life_expectancy[table][0], 24.6f);
    EXPECT_FALSE(engine::RmdTableIsEmpty(settings, table));
  }
  // Without mort.dat the tables start at the age and stay empty.
  test_support::TempFolder empty;
  model::AccountSettings unfilled;
  engine::StartNewPlanRmdTables(unfilled, engine::ReadMortalityFile({empty.path()}).tables, 73);
  EXPECT_EQ(unfilled.rmd_start_age[2], 73);
  EXPECT_TRUE(engine::RmdTableIsEmpty(unfilled, 2));
}

}  // namespace
}  // namespace tarvel
