// The Taxes, Inflation and Your Investment dialog.
#include "ui/calculators/taxes_dialog.h"

#include <array>
#include <cmath>
#include <limits>

#include "calculators/taxes.h"
#include "model/money_format.h"
#include "ui/calculators/calculator_fields.h"
#include "ui/calculators/effective_rate_dialog.h"
#include "ui/editors/field_text.h"
#include "ui/editors/loan_fields.h"

namespace tarvel::ui {
namespace {

enum TaxesControl {
  kAmount = 10,
  kYears = 11,
  kYearlyRate = 12,
  kTaxRate = 13,
  kInflationRate = 14,
  kYearsShown = 15,
  kTaxRateShown = 16,
  kWorth = 17,
  kInflationShown = 18,
  kTodaysValue = 19,
  kAverageRate = 20,
  kOk = 21,
  kCalculate = 22,
  kHelp = 23,
  kEffectiveRate = 24,
};

constexpr int kHelpContext = 1556;
constexpr model::FixedFormat kPercentFormat{4, 2, true};  // "%-4.2f%"

// The fields of the checked inputs, by input number.
constexpr std::array<int, 3> kInputControls = {kAmount, kYears, kInflationRate};

std::string PercentText(float value) { return FieldText(value, kPercentFormat) + "%"; }

std::string MoneyText(float value, const model::Currency& currency) {
  return model::FormatMoney(FieldText(value, model::kMoneyRight), currency);
}

// The years typed, as a whole number; a text that is no number counts as none.
int TypedYears(const platform::DialogView& view, char symbol) {
  const float typed = TypedNumber(view, kYears, symbol, 0);
  if (!(typed > -1e6f && typed < 1e6f)) return 0;
  return static_cast<int>(std::trunc(typed));
}

}  // namespace

DialogTemplate TaxesTemplate() {
  DialogTemplate dialog{"taxinf", "Taxes, Inflation and Your Investment", {}};
  auto& controls = dialog.controls;
  AddLabelledField(controls, ControlKind::Edit, kAmount, "Amount Invested", 0);
  AddLabelledField(controls, ControlKind::Edit, kYears, "Number of Years", 1);
  AddLabelledField(controls, ControlKind::Edit, kYearlyRate, "Effective Yearly Rate of Return (%)",
                   2);
  AddLabelledField(controls, ControlKind::Edit, kTaxRate, "Tax Rate (%)", 3);
  AddLabelledField(controls, ControlKind::Edit, kInflationRate, "Yearly Inflation Rate (%)", 4);
  controls.push_back(
      MakeControl(kYearsShown + kLabelIdOffset + 100, ControlKind::GroupBox, "Results", 5));
  AddLabelledField(controls, ControlKind::Edit, kYearsShown, "Years", 6).enabled = false;
  AddLabelledField(controls, ControlKind::Edit, kTaxRateShown, "Tax Rate", 7).enabled = false;
  AddLabelledField(controls, ControlKind::Edit, kWorth, "Worth After Taxes", 8).enabled = false;
  AddLabelledField(controls, ControlKind::Edit, kInflationShown, "Inflation Rate", 9).enabled =
      false;
  AddLabelledField(controls, ControlKind::Edit, kTodaysValue, "Value in Today's Money", 10)
      .enabled = false;
  AddLabelledField(controls, ControlKind::Edit, kAverageRate,
                   "Yearly Rate After Taxes and Inflation", 11)
      .enabled = false;
  controls.push_back(MakeControl(kOk, ControlKind::DefaultButton, "OK"));
  controls.push_back(MakeControl(kCalculate, ControlKind::PushButton, "&Calculate"));
  controls.push_back(
      MakeControl(kEffectiveRate, ControlKind::PushButton, "Calculate &Effective Yearly Rate"));
  controls.push_back(MakeControl(kHelp, ControlKind::PushButton, "&Help"));
  return dialog;
}

TaxesDialog::TaxesDialog(EditorServices& services) : services_(services) {}

void TaxesDialog::Initialise(platform::DialogView& view) {
  const model::TaxesInputs& kept = services_.program.calculators.taxes;
  view.SetText(kAmount, FieldText(kept.amount, model::kMoneyLeft));
  view.SetText(kYears, std::to_string(kept.years));
  view.SetText(kYearlyRate, FieldText(kept.yearly_rate, kRateField));
  view.SetText(kTaxRate, FieldText(kept.tax_rate, kRateField));
  view.SetText(kInflationRate, FieldText(kept.inflation_rate, kRateField));
}

void TaxesDialog::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kCalculate:
      Calculate(view);
      break;
    case kEffectiveRate:
      ShowEffectiveRateCalculator(services_, [&view](const std::string& rate_text) {
        view.SetText(kYearlyRate, rate_text);
      });
      break;
    case kOk:
    case kIdCancel:
      view.Close(kIdOk);
      break;
    case kHelp:
      services_.help.ShowTopic(kHelpContext);
      break;
    default:
      break;
  }
}

void TaxesDialog::Calculate(platform::DialogView& view) {
  const char symbol = services_.program.currency.symbol;
  model::TaxesInputs inputs;
  inputs.amount = TypedNumber(view, kAmount, symbol, std::numeric_limits<float>::quiet_NaN());
  inputs.years = TypedYears(view, symbol);
  inputs.yearly_rate = TypedNumber(view, kYearlyRate, symbol);
  inputs.tax_rate = TypedNumber(view, kTaxRate, symbol);
  inputs.inflation_rate = TypedNumber(view, kInflationRate, symbol);
  if (const auto problem = calculators::CheckTaxes(inputs)) {
    RefuseNumber(view, services_.prompter, kInputControls[static_cast<std::size_t>(problem->input)],
                 problem->message, problem->caption, services_.program.currency.symbol);
    return;
  }
  const calculators::TaxesResults results = calculators::AnalyzeTaxes(inputs);
  const model::Currency& currency = services_.program.currency;
  view.SetText(kYearsShown, std::to_string(inputs.years));
  view.SetText(kTaxRateShown, PercentText(inputs.tax_rate));
  view.SetText(kWorth, MoneyText(results.worth, currency));
  view.SetText(kInflationShown, PercentText(inputs.inflation_rate));
  view.SetText(kTodaysValue, MoneyText(results.todays_value, currency));
  view.SetText(kAverageRate, PercentText(results.yearly_rate));
  services_.program.calculators.taxes = inputs;
}

bool ShowTaxesAnalysis(EditorServices& services, const EditRequest&) {
  TaxesDialog dialog(services);
  services.dialogs.RunModal(TaxesTemplate(), dialog);
  return false;
}

}  // namespace tarvel::ui
