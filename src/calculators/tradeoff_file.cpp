// Reading and writing the trade-off analysis's kept inputs.
#include "calculators/tradeoff_file.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <optional>
#include <vector>

#include "model/atomic_file.h"
#include "model/fixed_format.h"

namespace tarvel::calculators {
namespace {

constexpr int kFileValues = 15;

std::optional<float> ParseValue(std::string line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
  float value = 0;
  const char* first = line.data();
  const char* last = first + line.size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

// The period count the dialog's up-down control can show.
int PeriodsOf(float value) {
  if (!(value >= 0)) return 0;
  return value > 100 ? 100 : static_cast<int>(value);
}

}  // namespace

model::TradeOffInputs ReadTradeOffFile(const std::string& path) {
  model::TradeOffInputs inputs;
  inputs.read = true;
  std::ifstream file(path, std::ios::binary);
  if (!file) return inputs;
  std::array<std::string, model::kTradeOffOptions> names;
  for (std::string& name : names) {
    if (!std::getline(file, name)) return inputs;
    // Cut first, then drop the carriage returns it ends in, so a name written back reads the same.
    if (name.size() > model::kTradeOffNameChars - 1) name.resize(model::kTradeOffNameChars - 1);
    while (!name.empty() && name.back() == '\r') name.pop_back();
  }
  std::vector<float> values;
  std::string line;
  while (static_cast<int>(values.size()) < kFileValues && std::getline(file, line)) {
    const std::optional<float> value = ParseValue(line);
    if (!value) return inputs;
    values.push_back(*value);
  }
  if (static_cast<int>(values.size()) < kFileValues - 1) return inputs;
  inputs.names = names;
  for (int option = 0; option < model::kTradeOffOptions; ++option) {
    inputs.fixed_cost[option] = values[option];
    inputs.cost_per_period[option] = values[3 + option];
    inputs.fixed_amount[option] = values[6 + option];
    inputs.income_per_period[option] = values[9 + option];
  }
  inputs.periods = PeriodsOf(values[12]);
  inputs.use_tax_rate = values[13] != 0;
  inputs.carried = values.size() > 14 ? values[14] : 0.0f;
  return inputs;
}

std::string TradeOffFileText(const model::TradeOffInputs& inputs) {
  std::string text;
  for (const std::string& name : inputs.names) text += name + '\n';
  const auto add = [&text](double value) {
    model::AppendFixed(text, value, model::kSixPlaces);
    text += '\n';
  };
  for (const auto* values : {&inputs.fixed_cost, &inputs.cost_per_period, &inputs.fixed_amount,
                             &inputs.income_per_period}) {
    for (float value : *values) add(value);
  }
  add(inputs.periods);
  add(inputs.use_tax_rate ? 1.0 : 0.0);
  add(inputs.carried);
  return text;
}

bool WriteTradeOffFile(const std::string& path, const model::TradeOffInputs& inputs) {
  return model::WriteFileAtomically(path, TradeOffFileText(inputs));
}

}  // namespace tarvel::calculators
