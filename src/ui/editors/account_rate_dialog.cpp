// The Account Rate dialog.
#include "ui/editors/account_rate_dialog.h"

#include "ui/editors/field_check.h"
#include "ui/editors/field_text.h"

namespace tarvel::ui {
namespace {

using namespace account_rate_controls;

constexpr model::FixedFormat kAccountRateField{8, 3, true};  // "%-8.3f"

const FieldRule kRateRule{kRate, true, 0, -200.0, 200.0, kRateBoundsMessage, "RATE ERROR"};

}  // namespace

DialogTemplate AccountRateTemplate() {
  DialogTemplate dialog{"account", "Account Rate", {}};
  dialog.controls = {
      MakeControl(-kAccountName, ControlKind::Label, "Account:", 0, 0),
      MakeControl(kAccountName, ControlKind::Label, "", 0, 1),
      MakeControl(-kRate, ControlKind::Label, "Rate (%):", 1, 0),
      MakeControl(kRate, ControlKind::Edit, "", 1, 1),
      MakeControl(kIdOk, ControlKind::DefaultButton, "OK"),
      MakeControl(kIdCancel, ControlKind::PushButton, "Cancel"),
      MakeControl(kEffectiveRate, ControlKind::PushButton, "Calculate Effective Yearly Rate"),
  };
  return dialog;
}

AccountRateDialog::AccountRateDialog(platform::Prompter& prompter, std::string account_name,
                                     float rate_percent,
                                     EffectiveRateOpener effective_rate_calculator)
    : prompter_(prompter),
      account_name_(std::move(account_name)),
      rate_(rate_percent),
      effective_rate_calculator_(std::move(effective_rate_calculator)) {}

void AccountRateDialog::Initialise(platform::DialogView& view) {
  view.SetText(kAccountName, account_name_);
  view.SetText(kRate, FieldText(rate_, kAccountRateField));
  view.SetEnabled(kEffectiveRate, static_cast<bool>(effective_rate_calculator_));
}

void AccountRateDialog::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kIdOk:
      if (const auto rate = ValidateField(view, prompter_, kRateRule)) {
        new_rate_ = static_cast<float>(*rate);
        view.Close(kIdOk);
      }
      break;
    case kIdCancel:
      view.Close(kIdCancel);
      break;
    case kEffectiveRate:
      if (effective_rate_calculator_) {
        effective_rate_calculator_(
            [&view](const std::string& rate_text) { view.SetText(kRate, rate_text); });
      }
      break;
    default:
      break;
  }
}

std::optional<float> EditAccountRate(EditorServices& services, const std::string& account_name,
                                     float rate_percent) {
  AccountRateDialog dialog(
      services.prompter, account_name, rate_percent,
      [&services](UseEffectiveRate use) { ShowEffectiveRateCalculator(services, std::move(use)); });
  if (services.dialogs.RunModal(AccountRateTemplate(), dialog) != kIdOk) return std::nullopt;
  return dialog.new_rate();
}

}  // namespace tarvel::ui
