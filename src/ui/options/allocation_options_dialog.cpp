// The asset-allocation withdrawal options dialog.
#include "ui/options/allocation_options_dialog.h"

#include <cmath>
#include <optional>

#include "model/event_views.h"
#include "model/money_format.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"
#include "ui/editors/event_editing.h"
#include "ui/editors/field_check.h"

namespace tarvel::ui {
namespace {

using namespace allocation_controls;

constexpr int kHelpContext = 1571;
constexpr int kNumberChars = 13;
constexpr float kOptionEndAge = 120.0f;

const FieldRule kStartAgeRule{kStartAge, true, kNumberChars, 1.0, 120.0, 7, "START AGE ERROR"};
const FieldRule kAgeRule{kStartAge, true, kNumberChars, 0.0, 120.0, 7, "AGE ERROR"};
const FieldRule kAmountRule{kMinimumWithdrawal, true, kNumberChars, -1e8, 1e8, 2, "AMOUNT ERROR"};

std::uint16_t ChosenMethod(const platform::DialogView& view) {
  if (view.Checked(kProportional)) return 1;
  if (view.Checked(kEqual)) return 2;
  return 0;
}

void FillOptionEvent(model::FinancialEvent& event, float start_age, float minimum) {
  event.kind = model::EventKind::AllocationOption;
  event.description.assign(kAllocationOptionDescription);
  event.start_age = std::trunc(start_age);
  event.end_age = kOptionEndAge;
  model::AllocationOption(event).minimum_withdrawal() = minimum;
}

}  // namespace

DialogTemplate AllocationOptionsTemplate() {
  auto radio = [](int id, const char* label, int row) {
    Control control = MakeControl(id, ControlKind::RadioButton, label, row);
    control.column_span = 2;
    control.group = 1;
    return control;
  };
  auto edit = [](int id, int row) {
    Control control = MakeControl(id, ControlKind::Edit, "", row, 1);
    control.max_chars = kNumberChars;
    return control;
  };
  return DialogTemplate{
      "aa",
      "Asset Allocation Withdrawal Options",
      {
          radio(kProportional, "&Proportional asset allocation withdrawal", 0),
          radio(kEqual, "&Equal asset allocation withdrawal", 1),
          MakeControl(601, ControlKind::Label, "&Age to start withdrawals", 2, 0),
          edit(kStartAge, 2),
          MakeControl(602, ControlKind::Label, "&Minimum withdrawal amount", 3, 0),
          edit(kMinimumWithdrawal, 3),
          MakeControl(kIdOk, ControlKind::DefaultButton, "OK"),
          MakeControl(kIdCancel, ControlKind::PushButton, "Cancel"),
          MakeControl(kHelp, ControlKind::PushButton, "&Help"),
      }};
}

int FindAllocationOption(const model::Scenario& scenario) {
  for (int slot = 0; slot < model::EventCount(scenario); ++slot) {
    if (scenario.events[slot].kind == model::EventKind::AllocationOption) return slot;
  }
  return -1;
}

void AllocationOptionsDialog::Initialise(platform::DialogView& view) {
  const model::AccountTable& accounts = services_.scenario.accounts;
  view.SetChecked(kProportional, accounts.allocation_method == 1);
  view.SetChecked(kEqual, accounts.allocation_method == 2);
  view.SetText(kStartAge, model::Format("%-3.1f", double{accounts.allocation_start_age}));
  view.SetText(kMinimumWithdrawal,
               model::Format("%-12.2f", double{accounts.allocation_min_withdrawal}));
}

void AllocationOptionsDialog::Confirm(platform::DialogView& view) {
  platform::Prompter& prompter = services_.prompter;
  const char symbol = services_.program.currency.symbol;
  const std::optional<double> age = ValidateField(view, prompter, kStartAgeRule, symbol);
  if (!age || !ValidateField(view, prompter, kAgeRule, symbol)) return;
  const std::optional<double> minimum = ValidateField(view, prompter, kAmountRule, symbol);
  if (!minimum) return;
  model::Scenario& scenario = services_.scenario;
  const std::uint16_t method = ChosenMethod(view);
  const int slot = FindAllocationOption(scenario);
  if (method != 0 && slot < 0 && !RoomForEvent(scenario, prompter)) return;

  model::AccountTable& accounts = scenario.accounts;
  accounts.allocation_method = method;
  accounts.allocation_start_age = static_cast<float>(*age);
  accounts.allocation_min_withdrawal = static_cast<float>(*minimum);
  if (method == 0) {
    if (slot >= 0) model::RemoveEvent(scenario, slot);
  } else {
    EventEditing editing(scenario, EditRequest{slot});
    FillOptionEvent(editing.event(), accounts.allocation_start_age,
                    accounts.allocation_min_withdrawal);
    // An option event switched off in the event list stays off.
    if (editing.was_inactive()) editing.event().start_age += model::kInactiveOffset;
    editing.Commit(scenario, prompter);
  }
  scenario.modified = true;
  committed_ = true;
  view.Close(kIdOk);
}

void AllocationOptionsDialog::Command(platform::DialogView& view, int control) {
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
    default:
      break;
  }
}

bool EditAllocationOptions(EditorServices& services, const EditRequest&) {
  AllocationOptionsDialog dialog(services);
  services.dialogs.RunModal(AllocationOptionsTemplate(), dialog);
  return dialog.committed();
}

}  // namespace tarvel::ui
