// What the inflation, trade-off and taxes calculators keep while the program runs, so a
// calculator opened again shows the values it was last used with. Amounts and rates are 4-byte
// floats; rates are percent per year.
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

struct CalculatorInputs {
  InflationInputs inflation;
  TaxesInputs taxes;
  TradeOffInputs trade_off;
};

}  // namespace tarvel::model
