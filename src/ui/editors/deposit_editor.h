// The Deposit editor: a yearly or one-time amount paid into one account, taxed on the way in
// when the user says so.
#pragma once

#include "ui/editors/account_choices.h"
#include "ui/editors/event_editor_presenter.h"
#include "ui/shell/command_ids.h"

namespace tarvel::ui {

namespace deposit_controls {
inline constexpr int kDescription = 101;
inline constexpr int kStartAge = 102;
inline constexpr int kEndAge = 103;
inline constexpr int kAmount = 104;
inline constexpr int kAccount = 105;
inline constexpr int kOneTime = 111;
inline constexpr int kInflation = 112;
inline constexpr int kApplyRate = 114;
inline constexpr int kBeforeTaxes = 115;
}  // namespace deposit_controls

inline constexpr char kNoDepositAccount[] = "Please choose the account the deposit goes to.";

DialogTemplate DepositTemplate();

class DepositEditor : public EventEditorPresenter {
 public:
  DepositEditor(EditorServices& services, const EditRequest& request);
  void Initialise(platform::DialogView& view) override;

 protected:
  bool ReadFields(platform::DialogView& view, model::FinancialEvent& event) override;

 private:
  AccountChoices accounts_;
};

bool EditDeposit(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
