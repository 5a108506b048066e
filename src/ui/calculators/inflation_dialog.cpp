// The Inflation Calculator dialog.
#include "ui/calculators/inflation_dialog.h"

#include <array>
#include <limits>

#include "calculators/inflation.h"
#include "ui/calculators/calculator_fields.h"
#include "ui/editors/editor_fields.h"
#include "ui/editors/field_text.h"
#include "ui/editors/loan_fields.h"

namespace tarvel::ui {
namespace {

enum InflationControl {
  kStartAge = 101,
  kStartAmount = 102,
  kRate = 103,
  kEndAge = 104,
  kInflatedAmount = 105,
  kOk = 106,
  kCalculate = 107,
};

// The fields of the calculator's inputs, by input number.
constexpr std::array<int, 4> kInputControls = {kStartAge, kEndAge, kRate, kStartAmount};

}  // namespace

DialogTemplate InflationTemplate() {
  DialogTemplate dialog{"inflate", "Inflation Calculator", {}};
  auto& controls = dialog.controls;
  AddLabelledField(controls, ControlKind::Edit, kStartAge, "Start Age", 0);
  AddLabelledField(controls, ControlKind::Edit, kEndAge, "End Age", 1);
  AddLabelledField(controls, ControlKind::Edit, kRate, "Inflation Rate (%)", 2);
  AddLabelledField(controls, ControlKind::Edit, kStartAmount, "Amount at Start Age", 3);
  AddLabelledField(controls, ControlKind::Edit, kInflatedAmount, "Amount at End Age", 4).enabled =
      false;
  controls.push_back(MakeControl(kOk, ControlKind::DefaultButton, "OK"));
  controls.push_back(MakeControl(kCalculate, ControlKind::PushButton, "&Calculate"));
  return dialog;
}

InflationDialog::InflationDialog(EditorServices& services) : services_(services) {}

void InflationDialog::Initialise(platform::DialogView& view) {
  model::InflationInputs kept = services_.program.calculators.inflation;
  if (!kept.kept) {
    // Until it has been used, the calculator opens on the plan's ages and inflation rate.
    const model::InitialValues& initial = services_.scenario.initial;
    kept.start_age = WholeYears(initial.start_age);
    kept.end_age = WholeYears(initial.end_age);
    kept.rate = initial.inflation_rate;
  }
  view.SetText(kStartAge, FieldText(kept.start_age, kAgeField));
  view.SetText(kEndAge, FieldText(kept.end_age, kAgeField));
  view.SetText(kRate, FieldText(kept.rate, kAgeField));
  view.SetText(kStartAmount, FieldText(kept.start_amount, model::kMoneyLeft));
  view.SetText(kInflatedAmount, FieldText(kept.inflated_amount, model::kMoneyLeft));
}

void InflationDialog::Command(platform::DialogView& view, int control) {
  if (control == kCalculate) {
    Calculate(view);
  } else if (control == kOk || control == kIdCancel) {
    view.Close(kIdOk);
  }
}

void InflationDialog::Calculate(platform::DialogView& view) {
  const char symbol = services_.program.currency.symbol;
  // A text that is no number is refused by its range check.
  const float refused = std::numeric_limits<float>::quiet_NaN();
  model::InflationInputs inputs;
  inputs.start_age = TypedNumber(view, kStartAge, symbol, refused);
  inputs.end_age = TypedNumber(view, kEndAge, symbol, refused);
  inputs.rate = TypedNumber(view, kRate, symbol, refused);
  inputs.start_amount = TypedNumber(view, kStartAmount, symbol, refused);
  if (const auto problem = calculators::CheckInflation(inputs)) {
    RefuseNumber(view, services_.prompter, kInputControls[static_cast<std::size_t>(problem->input)],
                 problem->message, problem->caption, services_.program.currency.symbol);
    return;
  }
  inputs.inflated_amount = calculators::InflatedAmount(inputs);
  inputs.kept = true;
  view.SetText(kInflatedAmount, FieldText(inputs.inflated_amount, model::kMoneyLeft));
  services_.program.calculators.inflation = inputs;
}

bool ShowInflationCalculator(EditorServices& services, const EditRequest&) {
  InflationDialog dialog(services);
  services.dialogs.RunModal(InflationTemplate(), dialog);
  return false;
}

}  // namespace tarvel::ui
