// The import and export choosers.
#include "ui/exchange/exchange_choosers.h"

namespace tarvel::ui {
namespace {

constexpr int kHelpButton = 9;

DialogTemplate ChooserTemplate(const char* name, const char* title, const char* tab_label,
                               const char* comma_label) {
  DialogTemplate dialog{name, title, {}};
  auto radio = [](int id, const char* label, int row) {
    Control control = MakeControl(id, ControlKind::RadioButton, label, row);
    control.group = 1;
    return control;
  };
  dialog.controls = {
      radio(kTabFileChoice, tab_label, 0),
      radio(kCommaFileChoice, comma_label, 1),
      MakeControl(kIdOk, ControlKind::DefaultButton, "OK"),
      MakeControl(kIdCancel, ControlKind::PushButton, "Cancel"),
      MakeControl(kHelpButton, ControlKind::PushButton, "&Help"),
  };
  return dialog;
}

}  // namespace

DialogTemplate UpdateAccountsChooserTemplate() {
  return ChooserTemplate("updatetab", "Update Accounts From a File",
                         "Update Accounts From a Tab-delimited File (*.TVI)",
                         "Update Accounts From a Comma-delimited File (*.CSV)");
}

DialogTemplate ExportChooserTemplate() {
  return ChooserTemplate("export", "Export Accounts to a File",
                         "Export Accounts To a Tab-delimited File (*.TVE)",
                         "Export Accounts To a Comma-delimited File (*.CSV)");
}

void ExchangeChooser::Initialise(platform::DialogView& view) {
  view.SetChecked(kTabFileChoice, true);
}

void ExchangeChooser::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kIdOk:
      view.Close(view.Checked(kCommaFileChoice) ? comma_command_ : tab_command_);
      break;
    case kIdCancel:
      view.Close(kIdCancel);
      break;
    case kHelpButton:
      help_.ShowTopic(help_context_);
      break;
    default:
      break;
  }
}

}  // namespace tarvel::ui
