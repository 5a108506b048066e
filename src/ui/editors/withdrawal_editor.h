// The Withdrawal editor: a yearly or one-time amount taken from a chosen account or, without
// one, from savings in access order. A budget's withdrawal shows its budget's figures, which
// only the budget dialog changes.
#pragma once

#include "ui/editors/account_choices.h"
#include "ui/editors/event_editor_presenter.h"
#include "ui/shell/command_ids.h"

namespace tarvel::ui {

namespace withdrawal_controls {
inline constexpr int kDescription = 101;
inline constexpr int kAmount = 102;
inline constexpr int kStartAge = 103;
inline constexpr int kEndAge = 104;
inline constexpr int kInflation = 108;
inline constexpr int kOneTime = 109;
inline constexpr int kApplyRate = 110;
inline constexpr int kAccount = 113;
}  // namespace withdrawal_controls

DialogTemplate WithdrawalTemplate();

class WithdrawalEditor : public EventEditorPresenter {
 public:
  WithdrawalEditor(EditorServices& services, const EditRequest& request);
  void Initialise(platform::DialogView& view) override;

 protected:
  bool ReadFields(platform::DialogView& view, model::FinancialEvent& event) override;

 private:
  bool ReadAccount(platform::DialogView& view, model::FinancialEvent& event);
  // A budget withdrawal draws from its budget's account.
  std::uint16_t BudgetAccount() const;

  AccountChoices accounts_;
  bool budget_;
};

bool EditWithdrawal(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
