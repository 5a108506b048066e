// The inflation, trade-off, taxes and effective-rate formulas on their worked examples in
// 4-byte floats, every refusal of their inputs, and the trade-off files.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "calculators/effective_rate.h"
#include "calculators/inflation.h"
#include "calculators/rule72t_checks.h"
#include "calculators/taxes.h"
#include "calculators/tradeoff.h"
#include "calculators/tradeoff_file.h"
#include "support/temp_folder.h"

namespace tarvel::calculators {
namespace {

std::string TwoPlaces(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

model::TradeOffInputs FirstOption(float fixed_amount, float fixed_cost, float income, float cost,
                                  int periods) {
  model::TradeOffInputs inputs;
  inputs.fixed_amount[0] = fixed_amount;
  inputs.fixed_cost[0] = fixed_cost;
  inputs.income_per_period[0] = income;
  inputs.cost_per_period[0] = cost;
  inputs.periods = periods;
  return inputs;
}

TEST(GrowthCalculators, GiveTheWorkedExamples) {
  const model::InflationInputs inflation{60, 62, 1000, 4, 0};
  const model::TaxesInputs taxes{1000, 2, 10, 0, 0};
  const TaxesResults taxed = AnalyzeTaxes(taxes);
  const model::TradeOffInputs trade = FirstOption(1000, 200, 50, 20, 10);
  char effective[32];
  std::snprintf(effective, sizeof effective, "%-8.4f", EffectiveRate(12, 12));
  struct Case {
    std::string name;
    std::string got;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"inflation", TwoPlaces(InflatedAmount(inflation)), "1081.60"},
      {"trade-off untaxed", TwoPlaces(CompareTradeOffs(trade, 1.0f).values[0]), "1100.00"},
      {"trade-off at 20 %",
       TwoPlaces(CompareTradeOffs(trade, TradeOffTaxFactor(true, 20)).values[0]), "840.00"},
      {"effective monthly", effective, "12.6825 "},
      {"taxes worth", TwoPlaces(taxed.worth), "1210.00"},
      {"taxes today's value", TwoPlaces(taxed.todays_value), "1210.00"},
      {"taxes yearly rate", TwoPlaces(taxed.yearly_rate), "10.50"},
      {"no compounding chosen", TwoPlaces(EffectiveRate(12, 0)), "12.00"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.expected) << c.name;
}

TEST(GrowthCalculators, RefuseEachInputWithItsMessage) {
  // The refusal's message and caption; empty when the input is accepted.
  using Refusal = std::pair<std::string, std::string>;
  const auto of = [](const auto& problem) {
    return problem ? Refusal{problem->message, problem->caption} : Refusal{};
  };
  const auto inflation = [&of](model::InflationInputs in) { return of(CheckInflation(in)); };
  const auto taxes = [&of](model::TaxesInputs in) { return of(CheckTaxes(in)); };
  const auto rule = [&of](Rule72TValues in) { return of(CheckRule72TValues(in)); };
  using Source = engine::LifeExpectancySource;
  const std::vector<std::pair<Refusal, Refusal>> cases = {
      {inflation({0, 62, 1000, 4, 0}),
       {"Start age must be a value from 1 - 120.", "Start Age Error!"}},
      {inflation({60, 121, 1000, 4, 0}),
       {"End Age must be a value from 1 - 120.", "End Age Error!"}},
      {inflation({60, 60, 1000, 4, 0}),
       {"End Age must be greater the Start Age.", "End Age Error!"}},
      {inflation({60, 62, 1000, -101, 0}),
       {"Inflation Rate must be a value from -100 - 100.", "Rate Error!"}},
      {inflation({60, 62, 0.5f, 4, 0}),
       {"This amount must be a value from 1.0 - 99999999.00", "Amount Error!"}},
      {taxes({0, 2, 10, 0, 0}),
       {"The investment amount must be greater than 0.00.", "Amount Error!"}},
      {taxes({1000, 0, 10, 0, 0}),
       {"The number of years be greater than 0.", "Number of Years Error!"}},
      {taxes({1000, 101, 10, 0, 0}),
       {"The number of years must be between 1 and 100.", "Number of Years Error!"}},
      {taxes({1000, 2, 10, 150, 0}),
       {"The Tax Rate must be between 0.00   % and 100.00 %.", "Rate Error!"}},
      {taxes({1000, 2, 10, -1, 0}),
       {"The Tax Rate must be between 0.00   % and 100.00 %.", "Rate Error!"}},
      {taxes({1000, 2, 10, 0, -100}),
       {"The inflation rate must be greater than -100.00%.", "Rate Error!"}},
      {rule({9, 50, 60, 4, Source::UniformLifetime}),
       {"Ages cannot be less than 10 when using the Uniform Life Table.", "Age Error"}},
      {rule({50, 116, 60, 4, Source::JointLife}), {"Ages cannot be more than 115.", "Age Error"}},
      {rule({50, 50, 60, 0, Source::SingleLife}),
       {"Rates must be between 0.0% and 100.0%", "Rate Error"}},
      {rule({0, 50, 60, 4, Source::SingleLife}), {"Ages must be greater than 0.0", "Age Error"}},
      {rule({50, 50, 49, 4, Source::SingleLife}),
       {"The End Age must be greater than the Age.", "Age Error"}},
  };
  for (const auto& [got, expected] : cases) EXPECT_EQ(got, expected);
  // The limits themselves are accepted.
  EXPECT_FALSE(CheckInflation({1, 120, 99999999.0f, -100, 0}));
  EXPECT_FALSE(CheckTaxes({0.01f, 100, -5, 30, -99.9f}));
  EXPECT_FALSE(CheckRule72TValues({10, 115, 10, 100, Source::UniformLifetime}));
}

// The plotter's rows are the dialog's values after each number of periods, with the same tax
// factor (a 20.5 % rate is not cut to 20 %).
TEST(TradeOffGraph, WritesEachNamedOptionsValueAfterEveryPeriod) {
  model::TradeOffInputs inputs = FirstOption(1000, 200, 50, 20, 3);
  inputs.names = {"Rent", "", "Buy"};
  inputs.fixed_amount[2] = 100;
  const float t = TradeOffTaxFactor(true, 20.5f);
  EXPECT_EQ(TradeGraphText(inputs, t),
            "1\nDummy\nDummy\nDummy\nDummy\n5.000000\n2\nRent\nBuy\n"
            "0.0\n0.0\n0.000000 595.000000 79.500000 \n"
            "0.0\n0.0\n1.000000 618.849976 79.500000 \n"
            "0.0\n0.0\n2.000000 642.699951 79.500000 \n"
            "0.0\n0.0\n3.000000 666.549927 79.500000 \n"
            "0.0\n0.0\n4.000000 690.399902 79.500000 \n"
            "Done\nDone\n");
  EXPECT_FLOAT_EQ(CompareTradeOffs(inputs, t).values[0], 666.549927f);
  EXPECT_EQ(CheckGraphPeriods(2), "Not enough periods.\nPlease try again.");
  EXPECT_EQ(CheckGraphPeriods(101), "The number of periods cannot exceed 100.");
  EXPECT_FALSE(CheckGraphPeriods(3));
}

TEST(TradeOffFile, NamesEndingInCarriageReturnsReadBackTheSame) {
  test_support::TempFolder folder;
  const std::string path = folder.File(kTradeOffInputsFileName);
  std::string text = "Lease\r\r\r\n" + std::string(25, '\r') + "\nLoan\r\n";
  for (int value = 0; value < 15; ++value) text += "1.0\n";
  std::ofstream(path, std::ios::binary) << text;
  const model::TradeOffInputs read = ReadTradeOffFile(path);
  EXPECT_EQ(read.names[0], "Lease");
  EXPECT_EQ(read.names[1], "");
  EXPECT_EQ(read.names[2], "Loan");
  ASSERT_TRUE(WriteTradeOffFile(path, read));
  EXPECT_EQ(TradeOffFileText(ReadTradeOffFile(path)), TradeOffFileText(read));
}

TEST(TradeOffFile, KeepsEveryInputAndTheLastValueAsRead) {
  test_support::TempFolder folder;
  const std::string path = folder.File(kTradeOffInputsFileName);
  const model::TradeOffInputs missing = ReadTradeOffFile(path);
  EXPECT_EQ(missing.names[2], "Option 3");
  EXPECT_EQ(missing.periods, 0);

  model::TradeOffInputs inputs = FirstOption(1000, 200, 50, 20, 10);
  inputs.names = {"Lease", "Loan", "A name longer than nineteen"};
  inputs.cost_per_period[2] = 7.25f;
  inputs.use_tax_rate = true;
  inputs.carried = 42.5f;
  ASSERT_TRUE(WriteTradeOffFile(path, inputs));
  const model::TradeOffInputs read = ReadTradeOffFile(path);
  EXPECT_EQ(read.names[2], "A name longer than ");
  EXPECT_EQ(read.cost_per_period[2], 7.25f);
  EXPECT_EQ(read.income_per_period[0], 50.0f);
  EXPECT_EQ(read.periods, 10);
  EXPECT_TRUE(read.use_tax_rate);
  EXPECT_EQ(read.carried, 42.5f);
  inputs.names[2] = read.names[2];
  EXPECT_EQ(TradeOffFileText(read), TradeOffFileText(inputs));
  EXPECT_EQ(TradeOffFileText(read).substr(0, 42), "Lease\nLoan\nA name longer than \n200.000000\n");

  std::ofstream(path) << "One\nTwo\nThree\n1\nnot a number\n";
  EXPECT_EQ(ReadTradeOffFile(path).names[0], "Option 1");
}

}  // namespace
}  // namespace tarvel::calculators
