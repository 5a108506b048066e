// The trade-off analysis's values and its plotter file.
#include "calculators/tradeoff.h"

#include <cmath>
#include <vector>

#include "model/fixed_format.h"

namespace tarvel::calculators {

float TradeOffTaxFactor(bool use_tax_rate, float tax_rate_percent) {
  return use_tax_rate ? static_cast<float>(1.0 - tax_rate_percent / 100.0) : 1.0f;
}

float TradeOffValue(const model::TradeOffInputs& inputs, int option, float tax_factor,
                    int periods) {
  const double t = tax_factor;
  float value = static_cast<float>(t * inputs.fixed_amount[option] - inputs.fixed_cost[option]);
  const float per_period = static_cast<float>(
      t * (static_cast<double>(inputs.income_per_period[option]) - inputs.cost_per_period[option]));
  for (int period = 0; period < periods; ++period) {
    value = static_cast<float>(static_cast<double>(value) + per_period);
  }
  return value;
}

TradeOffResults CompareTradeOffs(const model::TradeOffInputs& inputs, float tax_factor) {
  TradeOffResults results;
  for (int option = 0; option < model::kTradeOffOptions; ++option) {
    results.values[option] = TradeOffValue(inputs, option, tax_factor, inputs.periods);
  }
  const auto& v = results.values;
  results.difference_1_2 = std::fabs(v[0] - v[1]);
  results.difference_2_3 = std::fabs(v[1] - v[2]);
  results.difference_1_3 = std::fabs(v[0] - v[2]);
  return results;
}

std::optional<std::string> CheckGraphPeriods(int periods) {
  if (periods > kMostTradeOffPeriods) return "The number of periods cannot exceed 100.";
  if (periods < kFewestGraphPeriods) return "Not enough periods.\nPlease try again.";
  return std::nullopt;
}

std::string TradeGraphText(const model::TradeOffInputs& inputs, float tax_factor) {
  std::string text = "1\nDummy\nDummy\nDummy\nDummy\n";
  model::AppendFixed(text, inputs.periods + 2, model::kSixPlaces);
  text += '\n';
  std::vector<int> named;
  for (int option = 0; option < model::kTradeOffOptions; ++option) {
    if (!inputs.names[option].empty()) named.push_back(option);
  }
  text += std::to_string(named.size()) + '\n';
  for (int option : named) text += inputs.names[option] + '\n';
  for (int row = 0; row <= inputs.periods + 1; ++row) {
    for (std::size_t line = 0; line < named.size(); ++line) text += "0.0\n";
    model::AppendFixed(text, row, model::kSixPlaces);
    text += ' ';
    for (int option : named) {
      model::AppendFixed(text, TradeOffValue(inputs, option, tax_factor, row), model::kSixPlaces);
      text += ' ';
    }
    text += '\n';
  }
  text += "Done\nDone\n";
  return text;
}

}  // namespace tarvel::calculators
