// The chooser of the event to add.
#include "ui/editors/add_event_chooser.h"

#include <array>

#include "ui/editors/event_editing.h"
#include "ui/shell/command_ids.h"

namespace tarvel::ui {
namespace {

constexpr int kHelpButton = 108;

struct ChooserButton {
  int control;
  const char* label;
  int command;
};

constexpr std::array<ChooserButton, 7> kButtons = {{
    {109, "&Withdrawal", kWithdrawalCommand},
    {110, "&Deposit", kDepositCommand},
    {111, "&Loan", kLoanCommand},
    {107, "&Credit Card Debt", kCreditCardCommand},
    {112, "&Mortgage", kMortgageCommand},
    {114, "&Transfer", kTransferCommand},
    {113, "&Fundamentals", kFundamentalsCommand},
}};

const ChooserButton* ButtonOf(int control) {
  for (const ChooserButton& button : kButtons) {
    if (button.control == control) return &button;
  }
  return nullptr;
}

}  // namespace

DialogTemplate AddEventChooserTemplate() {
  DialogTemplate dialog{"events", "Add Event", {}};
  int row = 0;
  for (const ChooserButton& button : kButtons) {
    Control control = MakeControl(button.control, ControlKind::PushButton, button.label, row++);
    control.on_grid = true;
    dialog.controls.push_back(control);
  }
  dialog.controls.push_back(MakeControl(kIdOk, ControlKind::DefaultButton, "OK"));
  dialog.controls.push_back(MakeControl(kHelpButton, ControlKind::PushButton, "&Help"));
  return dialog;
}

void AddEventChooser::Initialise(platform::DialogView& /*view*/) {}

void AddEventChooser::Command(platform::DialogView& view, int control) {
  if (const ChooserButton* button = ButtonOf(control)) {
    if (!RoomForEvent(scenario_, prompter_)) return;
    // The chooser has done its work once an editor opens: it closes rather than stay over it.
    view.Close(kIdOk);
    state_.edit_target = -1;
    dispatch_(button->command);
    return;
  }
  switch (control) {
    case kIdOk:
    case kIdCancel:
      view.Close(control);
      break;
    case kHelpButton:
      help_.ShowTopic(kChooserHelpContext);
      break;
    default:
      break;
  }
}

bool AddEventChooserCommand::Handles(int id) const { return id == kAddEventChooserCommand; }

CommandOutcome AddEventChooserCommand::Execute(int /*id*/) {
  if (show_) show_();
  return {};
}

}  // namespace tarvel::ui
