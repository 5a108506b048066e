// Shared pieces of the debt editors.
#include "ui/editors/loan_fields.h"

#include <cmath>

#include "engine/amortization.h"
#include "model/scenario_ops.h"

namespace tarvel::ui {

Control& AddLabelledField(std::vector<Control>& controls, ControlKind kind, int id,
                          std::string label, int row, int column) {
  controls.push_back(
      MakeControl(id + kLabelIdOffset, ControlKind::Label, std::move(label), row, column));
  controls.push_back(MakeControl(id, kind, "", row, column + 1));
  return controls.back();
}

bool ReadFields(platform::DialogView& view, platform::Prompter& prompter,
                std::span<const FieldRule> rules, char currency_symbol, FieldValues& values) {
  for (const FieldRule& rule : rules) {
    const std::optional<double> value = ValidateField(view, prompter, rule, currency_symbol);
    if (!value) return false;
    values[rule.control] = *value;
  }
  return true;
}

FieldValues FieldsAsTyped(const platform::DialogView& view, std::span<const FieldRule> rules,
                          char currency_symbol) {
  FieldValues values;
  for (const FieldRule& rule : rules) {
    values[rule.control] = ParseFieldNumber(view.Text(rule.control), currency_symbol).value_or(0);
  }
  return values;
}

float WholeYears(double age) { return static_cast<float>(std::trunc(age)); }

bool CheckDownPayment(platform::DialogView& view, platform::Prompter& prompter, double amount,
                      double down_payment, int control, const std::string& caption) {
  if (down_payment <= amount) return true;
  ShowStop(prompter, "The down payment cannot be greater than the amount it is paid on.", caption);
  view.SetFocus(control);
  return false;
}

float LevelMonthlyPayment(double financed, double yearly_rate_percent, int years) {
  return engine::MonthlyPayment(financed, yearly_rate_percent * 0.01 * (1.0 / 12.0), years * 12);
}

void ReadDescription(const platform::DialogView& view, int control, model::FinancialEvent& event) {
  event.description.assign(ReadFieldText(view, control, kDescriptionChars));
}

void SetLoanVariety(model::FinancialEvent& event, std::uint16_t marker) {
  event.kind = model::EventKind::Loan;
  event.word_26 = marker;
}

float AccountYearlyRate(const model::Scenario& scenario, std::uint16_t account_id) {
  const int position = model::FindAccount(scenario, account_id);
  return position < 0 ? 0.0f : scenario.accounts.records[position].yearly_rate;
}

}  // namespace tarvel::ui
