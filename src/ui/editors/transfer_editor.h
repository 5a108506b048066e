// The Transfer editor: a yearly or one-time amount moved from one account to another, or all
// of an account's funds at the start age.
#pragma once

#include "ui/editors/account_choices.h"
#include "ui/editors/event_editor_presenter.h"
#include "ui/shell/command_ids.h"

namespace tarvel::ui {

namespace transfer_controls {
inline constexpr int kAmount = 101;
inline constexpr int kStartAge = 102;
inline constexpr int kEndAge = 103;
inline constexpr int kDescription = 107;
inline constexpr int kFromAccount = 108;
inline constexpr int kToAccount = 109;
inline constexpr int kAllFunds = 110;
inline constexpr int kOneTransaction = 120;
inline constexpr int kInflation = 121;
inline constexpr int kApplyRate = 122;
}  // namespace transfer_controls

inline constexpr char kNoTransferAccount[] =
    "Please choose the account the transfer comes from and the account it goes to.";

DialogTemplate TransferTemplate();

class TransferEditor : public EventEditorPresenter {
 public:
  TransferEditor(EditorServices& services, const EditRequest& request);
  void Initialise(platform::DialogView& view) override;

 protected:
  bool ReadFields(platform::DialogView& view, model::FinancialEvent& event) override;
  void OtherCommand(platform::DialogView& view, int control) override;

 private:
  bool ReadAccounts(platform::DialogView& view, model::FinancialEvent& event);

  AccountChoices accounts_;
};

bool EditTransfer(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
