// Reading, refusing and showing the calculator dialogs' fields.
#include "ui/calculators/calculator_fields.h"

#include <cmath>

#include "ui/editors/field_check.h"

namespace tarvel::ui {

double FieldNumber(const platform::DialogView& view, int control, char currency_symbol) {
  const std::optional<double> value = ParseFieldNumber(view.Text(control), currency_symbol);
  return value ? *value : std::nan("");
}

float TypedNumber(const platform::DialogView& view, int control, char currency_symbol,
                  float otherwise) {
  const double value = FieldNumber(view, control, currency_symbol);
  return std::isnan(value) ? otherwise : static_cast<float>(value);
}

bool AcceptInputs(platform::DialogView& view, platform::Prompter& prompter,
                  const std::optional<calculators::InputProblem>& problem,
                  std::span<const int> controls, char currency_symbol) {
  if (!problem) return true;
  if (problem->input < 0 || problem->input >= static_cast<int>(controls.size())) {
    ShowStop(prompter, problem->message, problem->caption);
    return false;
  }
  const int control = controls[static_cast<std::size_t>(problem->input)];
  ShowStop(prompter,
           RefusalText(view, control, problem->caption, problem->message, currency_symbol),
           problem->caption);
  view.SetFocus(control);
  return false;
}

void RefuseInput(platform::DialogView& view, platform::Prompter& prompter, int control,
                 const std::string& message, const std::string& caption) {
  ShowWarning(prompter, message, caption);
  view.SetFocus(control);
}

void RefuseNumber(platform::DialogView& view, platform::Prompter& prompter, int control,
                  const std::string& message, const std::string& caption, char currency_symbol) {
  RefuseInput(view, prompter, control,
              RefusalText(view, control, caption, message, currency_symbol), caption);
}

std::string MoneyText(double amount, const model::Currency& currency) {
  return model::FormatMoney(model::Format("%13.2f", amount), currency);
}

}  // namespace tarvel::ui
