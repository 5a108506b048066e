// The required minimum distribution options dialog.
#include "ui/options/rmd_options_dialog.h"

#include <optional>

#include "model/scenario_ops.h"
#include "ui/editors/field_check.h"
#include "ui/editors/field_text.h"
#include "ui/options/life_table_editor.h"
#include "ui/options/rmd_table_fill.h"

namespace tarvel::ui {
namespace {

using namespace rmd_controls;

constexpr int kHelpContext = 1572;
constexpr std::uint16_t kAccountOrderMethod = 3;

const FieldRule kPenaltyRateRule{kPenaltyRate, true, 13, 0, 100, kRateBoundsMessage, "RATE ERROR"};

std::uint16_t ChosenMethod(const platform::DialogView& view) {
  if (view.Checked(kProportional)) return 1;
  if (view.Checked(kEqual)) return 2;
  return kAccountOrderMethod;
}

// Distributions moved into another retirement or tax-free account are probably not allowed.
void WarnOfShelteredTarget(const model::Scenario& scenario, platform::Prompter& prompter,
                           std::uint16_t account_id) {
  const int position = model::FindAccount(scenario, account_id);
  if (position < 0) return;
  const model::AccountType type = scenario.accounts.records[position].type;
  if (type != model::AccountType::Retirement && type != model::AccountType::TaxFree) return;
  ShowWarning(prompter,
              "You probably cannot transfer RMD funds to another Tax Free or Retirement account.\n"
              "Please check the RMD regulations.",
              "Probable RMD Account Error");
}

}  // namespace

DialogTemplate RmdOptionsTemplate() {
  auto radio = [](int id, const char* label, int row) {
    Control control = MakeControl(id, ControlKind::RadioButton, label, row);
    control.column_span = 2;
    control.group = 1;
    return control;
  };
  // The life-expectancy table buttons stand in the field column below the fields.
  auto table_button = [](int table, const char* label) {
    Control control =
        MakeControl(kEditTable1 + table, ControlKind::PushButton, label, 5 + table, 1);
    control.on_grid = true;
    return control;
  };
  Control rate = MakeControl(kPenaltyRate, ControlKind::Edit, "", 3, 1);
  rate.max_chars = 13;
  return DialogTemplate{
      "mrw",
      "Required Minimum Distribution Options",
      {
          radio(kProportional, "&Proportional asset allocation withdrawal", 0),
          radio(kEqual, "&Equal asset allocation withdrawal", 1),
          radio(kAccountOrder, "&Account order withdrawal", 2),
          MakeControl(601, ControlKind::Label, "Penalty &rate (%)", 3, 0),
          rate,
          MakeControl(602, ControlKind::Label, "&Transfer funds to this account:", 4, 0),
          MakeControl(kTransferAccount, ControlKind::ComboBox, "", 4, 1),
          table_button(0, "Edit Table 1 Life Expectancy Values "),
          table_button(1, "Edit Table 2 Life Expectancy Values"),
          table_button(2, "Edit Table 3 Life Expectancy Values"),
          MakeControl(kIdOk, ControlKind::DefaultButton, "OK"),
          MakeControl(kIdCancel, ControlKind::PushButton, "Cancel"),
          MakeControl(kHelp, ControlKind::PushButton, "&Help"),
      }};
}

void RmdOptionsDialog::Initialise(platform::DialogView& view) {
  const model::Scenario& scenario = services_.scenario;
  const std::uint16_t method = scenario.accounts.rmd_method;
  view.SetChecked(kProportional, method == 1);
  view.SetChecked(kEqual, method == 2);
  view.SetChecked(kAccountOrder, method != 1 && method != 2);
  view.SetText(kPenaltyRate, FieldText(scenario.settings.rmd_penalty_rate, kRateField));
  accounts_.Show(view, kTransferAccount,
                 static_cast<std::uint16_t>(scenario.settings.rmd_transfer_account));
}

void RmdOptionsDialog::Confirm(platform::DialogView& view) {
  const std::optional<double> penalty =
      ValidateField(view, services_.prompter, kPenaltyRateRule, services_.program.currency.symbol);
  if (!penalty) return;
  model::Scenario& scenario = services_.scenario;
  const std::uint16_t target = accounts_.Chosen(view, kTransferAccount);
  scenario.accounts.rmd_method = ChosenMethod(view);
  scenario.settings.rmd_penalty_rate = static_cast<float>(*penalty);
  scenario.settings.rmd_transfer_account = static_cast<std::int16_t>(target);
  model::RepairSettingsSlots(scenario);
  model::MatchRmdListingEntries(scenario);
  scenario.modified = true;
  changed_ = true;
  OfferToFillAssignedEmptyTables(services_);
  WarnOfShelteredTarget(scenario, services_.prompter, target);
  view.Close(kIdOk);
}

void RmdOptionsDialog::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kIdOk:
      Confirm(view);
      break;
    case kIdCancel:
      view.Close(kIdCancel);
      break;
    case kHelp:
      services_.help.ShowTopic(kHelpContext);
      break;
    case kEditTable1:
    case kEditTable1 + 1:
    case kEditTable1 + 2:
      if (EditLifeTable(services_, control - kEditTable1)) changed_ = true;
      break;
    default:
      break;
  }
}

bool EditRmdOptions(EditorServices& services, const EditRequest&) {
  RmdOptionsDialog dialog(services);
  services.dialogs.RunModal(RmdOptionsTemplate(), dialog);
  return dialog.changed();
}

}  // namespace tarvel::ui
