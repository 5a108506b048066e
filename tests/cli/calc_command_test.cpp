// `tarvel calc`: the loan calculators and the effective rate print what their dialogs show and
// refuse what the dialogs refuse.
#include <gtest/gtest.h>

#include <string>

#include "support/process_runner.h"

namespace {

using tarvel::test_support::ProcessOutcome;

ProcessOutcome Calc(const std::string& arguments) {
  return tarvel::test_support::RunTarvel("calc " + arguments, {});
}

TEST(CalcCommand, PrintsTheCalculatorsResults) {
  struct Case {
    const char* arguments;
    const char* line;
  };
  const Case cases[] = {
      {"mortgage --amount 160000 --rate 6 --years 30", "monthly payment: 959.28\n"},
      {"mortgage --amount 200000 --down-payment 40000 --rate 6 --years 30",
       "financed amount: 160000.00\nmonthly payment: 959.28\n"},
      {"accelerated --amount 200000 --rate 6 --years 30 --extra 200", "payoff months: 252\n"},
      {"accelerated --amount 200000 --rate 8 --years 30 --extra 0",
       "payment years: 30.000\naccelerated monthly payment: 1467.53\n"},
      {"accelerated --amount 1000 --rate 6 --years 1 --extra 500 --growth 10",
       "invested years: 0\ninvested value: 6000.00\n"},
      {"effective --rate 12 --periods 12", "effective rate: 12.6825\n"},
      {"refinance --start-age 40 --amount 100000 --rate 8 --years 30 --refinance-age 45 "
       "--new-rate 6 --new-years 30 --savings-rate 3",
       "refinanced amount: 95069.86\n"},
      {"refinance --start-age 40 --amount 100000 --rate 8 --years 30 --refinance-age 45 "
       "--new-amount 100000 --points 1 --include-points --closing-costs 500 --new-rate 9 "
       "--new-years 30",
       "refinanced amount: 101000.00\nrefinanced monthly payment: 812.67\ntotal mortgage costs: "
       "1510.00\nmonths to break even: Never\n"},
  };
  for (const Case& c : cases) {
    const ProcessOutcome outcome = Calc(c.arguments);
    EXPECT_EQ(outcome.status, 0) << c.arguments << outcome.errors;
    EXPECT_NE(outcome.out.find(c.line), std::string::npos) << c.arguments << "\n" << outcome.out;
  }
}

TEST(CalcCommand, RefusesWhatTheDialogsRefuse) {
  struct Case {
    const char* arguments;
    int status;
    const char* error;
  };
  const Case cases[] = {
      {"mortgage --amount 100 --down-payment 200 --rate 6 --years 30", 2, "DOWN PAYMENT ERROR"},
      {"mortgage --amount 1000 --rate 0.5 --years 30", 2, "RATE ERROR"},
      {"accelerated --amount 1000 --rate 6 --years 30 --extra 0 --years-elapsed 30", 2,
       "Number of Years Left Error!"},
      {"refinance --start-age 40 --amount 100000 --rate 8 --years 30 --refinance-age 39 "
       "--new-rate 6 --new-years 30",
       2, "Age Error!"},
      {"effective --rate 200", 2, "Rate Error!"},
      {"effective --rate 12 --periods 366", 2, "Period Error!"},
      {"mortgage --rate 6 --years 30", 2, "--amount"},
  };
  for (const Case& c : cases) {
    const ProcessOutcome outcome = Calc(c.arguments);
    EXPECT_EQ(outcome.status, c.status) << c.arguments;
    EXPECT_NE(outcome.errors.find(c.error), std::string::npos) << c.arguments << outcome.errors;
    EXPECT_EQ(outcome.out, "") << c.arguments;
  }
  const ProcessOutcome help = Calc("accelerated --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--years-elapsed"), std::string::npos);
}

}  // namespace
