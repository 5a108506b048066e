// Rule 72T distributions: the three methods against the IRS example and further cases, the
// life-expectancy sources, and the yearly amounts a run stores in each Rule 72T transfer.
#include "engine/rule72t.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/life_tables.h"
#include "event_year_fixture.h"
#include "support/temp_folder.h"

namespace tarvel {
namespace {

using engine::LifeExpectancySource;
using engine::Rule72TMethod;
using model::AccountType;

engine::LifeTables ShippedTables() {
  return engine::ReadLifeTables({TARVEL_SOURCE_DATA_DIR}).tables;
}

// Tables holding one single-life expectancy, everything else 0.
engine::LifeTables TablesWith(int age, double single_life) {
  std::vector<double> mortality(engine::kMortalityLines, 0.0);
  mortality[engine::kLastMortalityAge + 1 + age] = single_life;
  return engine::LifeTables(std::move(mortality), std::vector<double>(engine::kJointLines, 0.0));
}

TEST(Rule72TDistribution, MatchesTheIrsExampleAtFiftyWithFourPercent) {
  const engine::LifeTables tables = ShippedTables();
  // Payments start a year after the valuation: the factor has no payment at time 0.
  EXPECT_NEAR(engine::AnnuityFactor(tables, 50, 4.0), 18.1568, 5e-5);
  const engine::Rule72TAmounts amounts =
      engine::Rule72TResults(tables, 50, 50, 400000, 4, LifeExpectancySource::SingleLife);
  EXPECT_NEAR(amounts.annuitization, 22030.34, 0.01);  // the IRS's $22,030
  EXPECT_NEAR(amounts.amortization, 21101.63, 0.01);   // $21,102 over 36.2 years
  EXPECT_NEAR(amounts.minimum, 11049.72, 0.01);        // $11,050
  EXPECT_FLOAT_EQ(engine::Rule72TDistribution(tables, 50.6f, 50, 400000, 4, 0, 0),
                  amounts.annuitization);
  EXPECT_FLOAT_EQ(engine::Rule72TDistribution(tables, 50, 50, 400000, 4, 0, 1),
                  amounts.amortization);
  EXPECT_FLOAT_EQ(engine::Rule72TDistribution(tables, 50, 50, 400000, 4, 0, 2), amounts.minimum);
  EXPECT_FLOAT_EQ(engine::Rule72TDistribution(tables, 50, 50, 400000, 4, 0, 3), 0);
}

TEST(Rule72TDistribution, MinimumAndInterestFreeAmortizationDivideByTheLifeExpectancy) {
  const engine::LifeTables tables = TablesWith(55, 25.0);
  EXPECT_FLOAT_EQ(engine::Rule72TDistribution(tables, 55, 0, 500000, 5, 0, 2), 20000);
  const auto amounts =
      engine::Rule72TResults(tables, 55, 0, 500000, 0, LifeExpectancySource::SingleLife);
  EXPECT_FLOAT_EQ(amounts.amortization, 20000);
  EXPECT_FLOAT_EQ(amounts.minimum, 20000);
}

TEST(Rule72TDistribution, AMissingLifeExpectancyOrFactorGivesZeroNotADivisionByZero) {
  const engine::LifeTables empty;
  const auto amounts =
      engine::Rule72TResults(empty, 55, 50, 500000, 4, LifeExpectancySource::SingleLife);
  EXPECT_FLOAT_EQ(amounts.amortization, 0);
  EXPECT_FLOAT_EQ(amounts.minimum, 0);
  const auto at_rate_zero =
      engine::Rule72TResults(empty, 55, 50, 500000, 0, LifeExpectancySource::JointLife);
  EXPECT_FLOAT_EQ(at_rate_zero.amortization, 0);
  // No payment years are left after the last age of the mortality table.
  const auto last =
      engine::Rule72TResults(ShippedTables(), 115, 50, 500000, 4, LifeExpectancySource::SingleLife);
  EXPECT_FLOAT_EQ(last.annuitization, 0);
}

TEST(Rule72TDistribution, UniformTableStartsAtTenAndJointTableTakesEitherOrder) {
  const engine::LifeTables tables = ShippedTables();
  EXPECT_DOUBLE_EQ(engine::LifeExpectancy(tables, 75, 0, LifeExpectancySource::UniformLifetime),
                   24.6);
  EXPECT_DOUBLE_EQ(engine::LifeExpectancy(tables, 9, 0, LifeExpectancySource::UniformLifetime), 0);
  EXPECT_DOUBLE_EQ(engine::LifeExpectancy(tables, 75, 64, LifeExpectancySource::JointLife), 25.3);
  EXPECT_DOUBLE_EQ(engine::LifeExpectancy(tables, 64, 75, LifeExpectancySource::JointLife), 25.3);
  EXPECT_DOUBLE_EQ(engine::LifeExpectancy(tables, 60, 73, LifeExpectancySource::JointLife), 28.6);
  // A younger beneficiary stretches the series: less each year than on a single life.
  const auto joint =
      engine::Rule72TResults(tables, 50, 40, 400000, 4, LifeExpectancySource::JointLife);
  const auto single =
      engine::Rule72TResults(tables, 50, 40, 400000, 4, LifeExpectancySource::SingleLife);
  EXPECT_LT(joint.minimum, single.minimum);
  EXPECT_LT(joint.amortization, single.amortization);
  EXPECT_FLOAT_EQ(joint.annuitization, single.annuitization);
}

// A Rule 72T transfer from an IRA of 400,000 to a checking account, run year by year.
class Rule72TYears : public test_support::EventYearTest {
 protected:
  Rule72TYears() {
    StartRun(50);
    run_.options.data_folders = {TARVEL_SOURCE_DATA_DIR};
    ira_ = test_support::AddAccount(*scenario_, AccountType::Retirement, 400000, 0, "IRA");
    checking_ = test_support::AddAccount(*scenario_, AccountType::Investment, 0, 0, "Checking");
  }

  model::FinancialEvent& AddSeries(Rule72TMethod method, LifeExpectancySource source,
                                   float beneficiary_age, float start_age = 50) {
    auto& event =
        test_support::AddEvent(*scenario_, model::EventKind::Transfer, start_age, start_age + 5);
    event.marker = model::kRule72TMarker;
    event.word_22 = AccountAt(ira_).id;
    event.account_24 = AccountAt(checking_).id;
    event.word_26 = static_cast<std::uint16_t>(method);
    event.flag_14 = static_cast<std::uint16_t>(source);
    event.value_10 = beneficiary_age;
    event.rate_40 = 4;
    return event;
  }

  // The driver's order: the amounts, then the events.
  void SeriesYear(float age) {
    run_.current_age = age;
    test_support::OnScenario(*scenario_, run_, [&] { engine::ComputeRule72TAmounts(run_); });
    Year(age);
  }

  int ira_ = 0;
  int checking_ = 0;
};

TEST_F(Rule72TYears, MinimumIsRecomputedEachYearFromTheBalanceAndAge) {
  auto& event = AddSeries(Rule72TMethod::Minimum, LifeExpectancySource::SingleLife, 50);
  SeriesYear(50);
  EXPECT_FLOAT_EQ(event.value_146, 400000);
  EXPECT_NEAR(event.amount, 400000 / 36.2, 0.01);
  EXPECT_NEAR(AccountAt(checking_).balance, 400000 / 36.2, 0.01);
  const float left = AccountAt(ira_).balance;
  SeriesYear(51);
  EXPECT_NEAR(event.amount, left / 35.3, 0.01);
  EXPECT_FLOAT_EQ(event.value_146, 400000);  // the balance at the start stays recorded
  EXPECT_TRUE(run_.problems.empty());
}

TEST_F(Rule72TYears, AmortizationKeepsItsStartYearAmount) {
  SetPenalty(ira_, 59, 10);
  auto& event = AddSeries(Rule72TMethod::Amortization, LifeExpectancySource::SingleLife, 50);
  SeriesYear(50);
  EXPECT_NEAR(event.amount, 21101.63, 0.01);
  SeriesYear(51);
  SeriesYear(52);
  EXPECT_NEAR(event.amount, 21101.63, 0.01);
  EXPECT_NEAR(AccountAt(checking_).balance, 3 * 21101.63, 0.05);
  EXPECT_FLOAT_EQ(run_.year.penalties, 0);
}

TEST_F(Rule72TYears, JointLifeUsesTheBeneficiaryEnteredAndCountsItsAgeUp) {
  auto& event = AddSeries(Rule72TMethod::Amortization, LifeExpectancySource::JointLife, 45);
  SeriesYear(50);
  const auto expected =
      engine::Rule72TResults(ShippedTables(), 50, 45, 400000, 4, LifeExpectancySource::JointLife);
  EXPECT_FLOAT_EQ(event.amount, expected.amortization);
  EXPECT_EQ(event.word_158, 46);
  SeriesYear(51);
  EXPECT_EQ(event.word_158, 47);
}

TEST_F(Rule72TYears, ASeriesBeforeItsStartAgeIsLeftAlone) {
  auto& event = AddSeries(Rule72TMethod::Minimum, LifeExpectancySource::SingleLife, 50, 52);
  event.amount = 123;
  SeriesYear(50);
  EXPECT_FLOAT_EQ(event.amount, 123);
  EXPECT_FLOAT_EQ(AccountAt(checking_).balance, 0);
}

TEST_F(Rule72TYears, TheCalculatorsBalanceIsCapturedAtItsAge) {
  run_.options.rule72t_capture_account = AccountAt(ira_).id;
  run_.options.rule72t_capture_age = 51;
  AddSeries(Rule72TMethod::Amortization, LifeExpectancySource::SingleLife, 50);
  SeriesYear(50);
  EXPECT_FLOAT_EQ(run_.rule72t_captured_balance, 0);
  const float at_51 = AccountAt(ira_).balance;
  SeriesYear(51);
  EXPECT_FLOAT_EQ(run_.rule72t_captured_balance, at_51);
}

TEST_F(Rule72TYears, MissingTablesAreReportedOncePerRun) {
  test_support::TempFolder empty;
  run_.options.data_folders = {empty.path()};
  auto& event = AddSeries(Rule72TMethod::Minimum, LifeExpectancySource::SingleLife, 50);
  SeriesYear(50);
  SeriesYear(51);
  ASSERT_EQ(run_.problems.size(), 2u);
  EXPECT_EQ(run_.problems[0].kind, engine::RunProblemKind::LifeTableMissing);
  EXPECT_EQ(run_.problems[0].file, "mort.dat");
  const engine::RunMessage shown = engine::RunProblemMessage(run_.problems[0]);
  EXPECT_NE(shown.text.find("Cannot find the life-expectancy file mort.dat"), std::string::npos)
      << shown.text;
  EXPECT_EQ(shown.caption, "FILE ERROR");
  EXPECT_FLOAT_EQ(event.amount, 0);
  EXPECT_FLOAT_EQ(AccountAt(ira_).balance, 400000);
}

// Many runs share tables read once: a run given them reads no file, and a problem found in
// reading them is still reported by every run that uses them.
TEST_F(Rule72TYears, TablesReadBeforehandAreUsedWithoutReadingTheFiles) {
  test_support::TempFolder empty;
  run_.options.data_folders = {empty.path()};
  auto shared = std::make_shared<engine::LifeTablesRead>();
  shared->tables = TablesWith(50, 25.0);
  shared->problems.push_back({"jointtab.dat", "damaged", "FILE WARNING", false});
  run_.options.life_tables = shared;
  auto& event = AddSeries(Rule72TMethod::Minimum, LifeExpectancySource::SingleLife, 50);
  SeriesYear(50);
  EXPECT_FLOAT_EQ(event.amount, 400000 / 25.0);
  ASSERT_EQ(run_.problems.size(), 1u);
  EXPECT_EQ(run_.problems[0].kind, engine::RunProblemKind::LifeTableDamaged);
  EXPECT_EQ(run_.life_tables.get(), &shared->tables);  // shared, not copied
}

}  // namespace
}  // namespace tarvel
