// The dividend dialog of an account ("div"): the yearly dividend, the part of it that is
// taxable and the account it is deposited to. OK changes only the account's working copy.
#pragma once

#include "model/records.h"
#include "platform/help.h"
#include "platform/prompter.h"
#include "ui/accounts/account_draft.h"
#include "ui/editors/account_choices.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

inline constexpr int kYearlyDividendField = 4;
inline constexpr int kTaxableDividendField = 5;
inline constexpr int kDividendAccountChoice = 6;
inline constexpr int kDividendHelpButton = 7;

DialogTemplate DividendTemplate();

class DividendDialog : public DialogPresenter {
 public:
  DividendDialog(const model::Scenario& scenario, platform::Prompter& prompter,
                 platform::Help& help, AccountDraft& draft);
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;

 private:
  bool Store(platform::DialogView& view);

  platform::Prompter& prompter_;
  platform::Help& help_;
  AccountDraft& draft_;
  AccountChoices choices_;
};

}  // namespace tarvel::ui
