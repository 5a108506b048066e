// The trade-off analysis: three options, each a fixed amount less a fixed cost plus an income
// less a cost every period, compared after a number of periods. Values are not discounted.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/calculator_inputs.h"

namespace tarvel::calculators {

inline constexpr int kMostTradeOffPeriods = 100;
inline constexpr int kFewestGraphPeriods = 3;

// t = 1 - tax / 100 when the tax rate is used, else 1. The dialog and the graph share it.
float TradeOffTaxFactor(bool use_tax_rate, float tax_rate_percent);

// value = t x fixed amount - fixed cost; then, `periods` times, value += t x (income - cost).
float TradeOffValue(const model::TradeOffInputs& inputs, int option, float tax_factor, int periods);

struct TradeOffResults {
  std::array<float, model::kTradeOffOptions> values{};
  float difference_1_2 = 0;  // absolute values
  float difference_2_3 = 0;
  float difference_1_3 = 0;
};

TradeOffResults CompareTradeOffs(const model::TradeOffInputs& inputs, float tax_factor);

// The message refusing a graph of this many periods, or none.
std::optional<std::string> CheckGraphPeriods(int periods);

// The text of "trade.tmp" for the plotter: a header, the named options, one row per period
// 0 .. periods + 1 with each named option's value after that many periods, and "Done" twice.
std::string TradeGraphText(const model::TradeOffInputs& inputs, float tax_factor);

}  // namespace tarvel::calculators
