// `tarvel calc inflation|tradeoff|taxes`: the worked examples as label: value lines, and the
// calculators' refusals as one-line messages with status 2 (a value out of its range).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/process_runner.h"

namespace {

using tarvel::test_support::ProcessOutcome;
using tarvel::test_support::RunTarvel;

TEST(CalcGrowthCommands, PrintWhatTheDialogsShowOrRefuse) {
  struct Case {
    std::string arguments;
    int status;
    std::string out;
    std::string errors;
  };
  const std::vector<Case> cases = {
      {"inflation --amount 1000 --rate 4 --start-age 60 --end-age 62", 0,
       "inflated amount: 1081.60\n", ""},
      {"inflation --amount 1000 --rate 4 --start-age 60 --end-age 60", 2, "",
       "End Age must be greater the Start Age.\n"},
      {"tradeoff --fixed-amount1 1000 --fixed-cost1 200 --income1 50 --cost1 20 --periods 10 "
       "--fixed-amount2 1000 --fixed-cost2 200 --income2 50 --cost2 20 --tax 20",
       0,
       "option 1: 840.00\noption 2: 840.00\noption 3: 0.00\ndifference 1 and 2: 0.00\n"
       "difference 2 and 3: 840.00\ndifference 1 and 3: 840.00\n",
       ""},
      {"taxes --amount 1000 --years 2 --rate 10", 0,
       "worth: 1210.00\ntoday's value: 1210.00\nyearly rate: 10.50%\n", ""},
      {"taxes --amount 1000 --years 2 --rate 10 --inflation -100", 2, "",
       "The inflation rate must be greater than -100.00%.\n"},
      {"taxes --amount 1000 --years 1000000 --rate 10", 2, "",
       "The number of years must be between 1 and 100.\n"},
  };
  for (const Case& c : cases) {
    const ProcessOutcome outcome = RunTarvel("calc " + c.arguments);
    EXPECT_EQ(outcome.status, c.status) << c.arguments << "\n" << outcome.errors;
    EXPECT_EQ(outcome.out, c.out) << c.arguments;
    EXPECT_EQ(outcome.errors, c.errors) << c.arguments;
  }
  const ProcessOutcome tradeoff = RunTarvel("calc tradeoff --periods 10");
  EXPECT_EQ(tradeoff.out.substr(0, 17), "option 1: 0.00\nop");
  for (const char* command : {"inflation", "tradeoff", "taxes"}) {
    const ProcessOutcome help = RunTarvel(std::string("calc ") + command + " --help");
    EXPECT_EQ(help.status, 0) << command;
    EXPECT_NE(help.out.find(std::string("calc ") + command + " [OPTIONS]"), std::string::npos)
        << help.out;
  }
}

}  // namespace
