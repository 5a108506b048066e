// What the calculators keep while the program runs, so a calculator opened again shows the
// values it was last used with. Amounts and rates are 4-byte floats; rates are percent per year.
#pragma once

#include <array>
#include <string>

namespace tarvel::model {

struct InflationInputs {
  float start_age = 0;
  float end_age = 4;
  float start_amount = 0;
  float rate = 0;  // inflation, percent per year
  float inflated_amount = 0;
  bool kept = false;  // calculated once; until then the calculator opens on the plan's values
};

struct TaxesInputs {
  float amount = 0;  // invested
  int years = 1;
  float yearly_rate = 0;  // effective yearly rate of return
  float tax_rate = 0;
  float inflation_rate = 0;
};

inline constexpr int kTradeOffOptions = 3;
// An option name holds at most 19 characters.
inline constexpr int kTradeOffNameChars = 20;

struct TradeOffInputs {
  std::array<std::string, kTradeOffOptions> names{"Option 1", "Option 2", "Option 3"};
  std::array<float, kTradeOffOptions> fixed_cost{};
  std::array<float, kTradeOffOptions> cost_per_period{};
  std::array<float, kTradeOffOptions> fixed_amount{};
  std::array<float, kTradeOffOptions> income_per_period{};
  int periods = 0;
  bool use_tax_rate = false;  // "Use Initial Values Tax Rate"
  float carried = 0;          // the file's last value, written back as read
  bool read = false;          // "tradeinf.dat" has been read in this program run
};

// The mortgage calculator keeps its fields as typed (each at most 9 characters) and the values
// it last computed with.
struct MortgageCalculatorInputs {
  std::string amount = "0.0";
  std::string down_payment = "0.0";
  std::string rate = "8.0";
  std::string years = "30";
  std::string payment = "0.0";
  float computed_amount = 0;
  float computed_down_payment = 0;
  float computed_rate = 0;
  float computed_payment = 0;
  int computed_years = 0;
};

// The accelerated-payment analysis keeps its mortgage; the investment, tax and inflation rates
// start afresh at each opening.
struct AcceleratedAnalysisInputs {
  float loan = 0;
  int years = 30;
  int years_left = 30;
  float rate = 0;
  float extra_payment = 0;  // each month
};

inline constexpr int kRefinanceFields = 13;

// The refinance analysis keeps the fields it was last analysed with (as typed) and its three
// check boxes; until then it opens on the scenario's start age and rates.
struct RefinanceAnalysisInputs {
  bool kept = false;
  std::array<std::string, kRefinanceFields> fields{};
  bool cash_out_as_savings = false;
  bool include_closing_costs = false;
  bool include_points = false;
};

struct CalculatorInputs {
  InflationInputs inflation;
  TaxesInputs taxes;
  TradeOffInputs trade_off;
  MortgageCalculatorInputs mortgage;
  AcceleratedAnalysisInputs accelerated;
  RefinanceAnalysisInputs refinance;
};

}  // namespace tarvel::model
