// The "Create New Accounts" chooser of New: from a tab-delimited file, from a comma-delimited
// file or by hand; OK ends it with the command that makes the accounts (441, 442 or 443).
#pragma once

#include "platform/help.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

inline constexpr int kFromTabFileChoice = 10;
inline constexpr int kFromCommaFileChoice = 11;
inline constexpr int kByHandChoice = 12;
inline constexpr int kIdHelp = 9;

DialogTemplate NewAccountsChooserTemplate();

class NewAccountsChooser : public DialogPresenter {
 public:
  explicit NewAccountsChooser(platform::Help& help) : help_(help) {}
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;

 private:
  platform::Help& help_;
};

}  // namespace tarvel::ui
