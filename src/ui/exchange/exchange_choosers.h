// The choosers of the account import and export: "Update Accounts From a File" (tab or comma
// file; OK ends it with command 444 or 445) and "Export Accounts to a File" (446 or 447).
#pragma once

#include "platform/help.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

inline constexpr int kUpdateFromTabFile = 444;
inline constexpr int kUpdateFromCommaFile = 445;
inline constexpr int kExportToTabFile = 446;
inline constexpr int kExportToCommaFile = 447;
inline constexpr int kTabFileChoice = 10;
inline constexpr int kCommaFileChoice = 11;

DialogTemplate UpdateAccountsChooserTemplate();
DialogTemplate ExportChooserTemplate();

// Either chooser: the tab choice is the default; OK closes with the chosen command.
class ExchangeChooser : public DialogPresenter {
 public:
  ExchangeChooser(platform::Help& help, int help_context, int tab_command, int comma_command)
      : help_(help),
        help_context_(help_context),
        tab_command_(tab_command),
        comma_command_(comma_command) {}
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;

 private:
  platform::Help& help_;
  int help_context_;
  int tab_command_;
  int comma_command_;
};

inline constexpr int kUpdateChooserHelp = 1569;
inline constexpr int kExportChooserHelp = 1570;

}  // namespace tarvel::ui
