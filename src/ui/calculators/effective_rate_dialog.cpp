// The Calculate Effective Yearly Rate dialog.
#include "ui/calculators/effective_rate_dialog.h"

#include <array>
#include <cmath>
#include <limits>

#include "calculators/effective_rate.h"
#include "ui/calculators/calculator_fields.h"
#include "ui/editors/field_text.h"
#include "ui/editors/loan_fields.h"

namespace tarvel::ui {
namespace {

enum EffectiveRateControl {
  kOk = 1,
  kHelp = 3,
  kNominalRate = 10,
  kOtherPeriods = 16,
  kEffectiveRate = 17,
  kUse = 18,
  // Not the shared Cancel id 2, which Escape and the close box send.
  kCalculate = 19,
};

constexpr int kHelpContext = 1558;
constexpr int kCompoundingGroup = 1;
constexpr model::FixedFormat kEffectiveFormat{8, 4, true};  // "%-8.4f"

struct Compounding {
  int control;
  const char* label;
  int periods;  // 0: the number typed in the Other field
};
constexpr std::array<Compounding, 5> kCompoundings = {{
    {11, "&Daily", 365},
    {12, "&Monthly", 12},
    {13, "&Quarterly", 4},
    {14, "&Semiannually", 2},
    {15, "&Other", 0},
}};
constexpr int kOther = 15;

}  // namespace

DialogTemplate EffectiveRateTemplate() {
  DialogTemplate dialog{"effective", "Calculate Effective Yearly Rate", {}};
  auto& controls = dialog.controls;
  AddLabelledField(controls, ControlKind::Edit, kNominalRate, "Nominal Rate (%)", 0);
  controls.push_back(MakeControl(kCompoundings[0].control + kLabelIdOffset, ControlKind::GroupBox,
                                 "Compounded", 1));
  int row = 2;
  for (const Compounding& compounding : kCompoundings) {
    Control radio =
        MakeControl(compounding.control, ControlKind::RadioButton, compounding.label, row++, 0);
    radio.group = kCompoundingGroup;
    controls.push_back(radio);
  }
  // The Other field stands beside its choice.
  Control other = MakeControl(kOtherPeriods, ControlKind::Edit, "", row - 1, 1);
  other.enabled = false;
  controls.push_back(other);
  AddLabelledField(controls, ControlKind::Edit, kEffectiveRate, "Effective Yearly Rate (%)", row)
      .enabled = false;
  controls.push_back(MakeControl(kOk, ControlKind::DefaultButton, "OK"));
  controls.push_back(MakeControl(kCalculate, ControlKind::PushButton, "&Calculate"));
  controls.push_back(MakeControl(kUse, ControlKind::PushButton, "&Use This Effective Yearly Rate"));
  controls.push_back(MakeControl(kHelp, ControlKind::PushButton, "&Help"));
  return dialog;
}

EffectiveRateDialog::EffectiveRateDialog(EditorServices& services, UseEffectiveRate use)
    : services_(services), use_(std::move(use)) {}

void EffectiveRateDialog::Initialise(platform::DialogView& view) {
  view.SetEnabled(kUse, static_cast<bool>(use_));
  view.SetEnabled(kOtherPeriods, false);
}

int EffectiveRateDialog::ChosenCompoundings(platform::DialogView& view) const {
  for (const Compounding& compounding : kCompoundings) {
    if (!view.Checked(compounding.control)) continue;
    if (compounding.periods > 0) return compounding.periods;
    const float typed = TypedNumber(view, kOtherPeriods, services_.program.currency.symbol,
                                    std::numeric_limits<float>::quiet_NaN());
    return typed >= 1 && typed < 365 ? static_cast<int>(typed) : -1;
  }
  return 1;  // no choice made: once a year
}

bool EffectiveRateDialog::Calculate(platform::DialogView& view) {
  const float rate = TypedNumber(view, kNominalRate, services_.program.currency.symbol,
                                 std::numeric_limits<float>::quiet_NaN());
  if (!(rate > -200 && rate < 200)) {
    RefuseNumber(view, services_.prompter, kNominalRate,
                 "The Nominal Rate must be a value greater than -200 and less than 200.00",
                 "Rate Error!", services_.program.currency.symbol);
    return false;
  }
  const int periods = ChosenCompoundings(view);
  if (periods < 1) {
    RefuseNumber(view, services_.prompter, kOtherPeriods,
                 "The number of compounding periods per year must be greater than or equal to 1 "
                 "and less than 365",
                 "Period Error!", services_.program.currency.symbol);
    return false;
  }
  view.SetText(
      kEffectiveRate,
      FieldText(calculators::EffectiveRate(static_cast<float>(rate), periods), kEffectiveFormat));
  return true;
}

void EffectiveRateDialog::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kCalculate:
      Calculate(view);
      break;
    case kUse:
      // The calculator stays open.
      if (use_ && Calculate(view)) use_(view.Text(kEffectiveRate));
      break;
    case kOk:
    case kIdCancel:
      view.Close(kIdOk);
      break;
    case kHelp:
      services_.help.ShowTopic(kHelpContext);
      break;
    default:
      for (const Compounding& compounding : kCompoundings) {
        if (control == compounding.control) {
          view.SetEnabled(kOtherPeriods, compounding.control == kOther);
        }
      }
      break;
  }
}

void ShowEffectiveRateCalculator(EditorServices& services, UseEffectiveRate use) {
  EffectiveRateDialog dialog(services, std::move(use));
  services.dialogs.RunModal(EffectiveRateTemplate(), dialog);
}

bool ShowEffectiveRateCommand(EditorServices& services, const EditRequest&) {
  ShowEffectiveRateCalculator(services, {});
  return false;
}

}  // namespace tarvel::ui
