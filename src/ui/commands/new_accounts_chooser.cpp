// The chooser that starts a new scenario's accounts.
#include "ui/commands/new_accounts_chooser.h"

namespace tarvel::ui {
namespace {

constexpr int kHelpContext = 1568;

}  // namespace

DialogTemplate NewAccountsChooserTemplate() {
  DialogTemplate dialog{"newtab", "Create New Accounts", {}};
  auto radio = [](int id, const char* label, int row) {
    Control control = MakeControl(id, ControlKind::RadioButton, label, row);
    control.group = 1;
    return control;
  };
  dialog.controls = {
      radio(kFromTabFileChoice, "Create New Accounts From a Tab-delimited File (*.TVI)", 0),
      radio(kFromCommaFileChoice, "Create New Accounts From a Comma-delimited File (*.CSV)", 1),
      radio(kByHandChoice, "Create New Accounts By Hand", 2),
      MakeControl(kIdOk, ControlKind::DefaultButton, "OK"),
      MakeControl(kIdCancel, ControlKind::PushButton, "Cancel"),
      MakeControl(kIdHelp, ControlKind::PushButton, "&Help"),
  };
  return dialog;
}

void NewAccountsChooser::Initialise(platform::DialogView& view) {
  view.SetChecked(kFromTabFileChoice, true);
}

void NewAccountsChooser::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kIdOk:
      if (view.Checked(kByHandChoice)) {
        view.Close(kNewAccountsByHand);
      } else if (view.Checked(kFromCommaFileChoice)) {
        view.Close(kNewAccountsFromCommaFile);
      } else {
        view.Close(kNewAccountsFromTabFile);
      }
      break;
    case kIdCancel:
      view.Close(kIdCancel);
      break;
    case kIdHelp:
      help_.ShowTopic(kHelpContext);
      break;
    default:
      break;
  }
}

}  // namespace tarvel::ui
