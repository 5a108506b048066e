// The account information dialog ("accountinfo", command 200): a new account, or the account
// at a position. Every field is checked on OK in a fixed order; the account and its settings
// slot are written only when all pass, so Cancel leaves the scenario untouched.
#pragma once

#include <vector>

#include "ui/accounts/account_draft.h"
#include "ui/editors/editor_services.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

inline constexpr int kAccountNameField = 104;
inline constexpr int kInitialAmountField = 105;
inline constexpr int kYearlyRateField = 106;
inline constexpr int kGroupChoice = 107;
inline constexpr int kRandomMinField = 108;
inline constexpr int kRandomMaxField = 109;
inline constexpr int kAccessOrderField = 110;
inline constexpr int kPenaltyCheck = 111;
inline constexpr int kAccountTypeChoice = 112;
inline constexpr int kEffectiveRateButton = 113;
inline constexpr int kPenaltyAgeField = 114;
inline constexpr int kPenaltyRateField = 115;
inline constexpr int kAllocationCheck = 116;
inline constexpr int kRmdTable1Check = 117;
inline constexpr int kRmdTable2Check = 118;
inline constexpr int kRmdTable3Check = 119;
inline constexpr int kDeviationField = 120;
inline constexpr int kDividendButton = 121;
inline constexpr int kAccountHelpButton = 122;
inline constexpr int kAccountInfoHelpContext = 1611;

DialogTemplate AccountInfoTemplate();

class AccountInfoDialog : public DialogPresenter {
 public:
  // position: the account edited, or -1 for a new account.
  AccountInfoDialog(EditorServices& services, int position);
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;
  bool committed() const { return committed_; }

 private:
  void ShowPenaltyFields(platform::DialogView& view) const;
  void OnTableChecked(platform::DialogView& view, int control) const;
  bool ReadNumbers(platform::DialogView& view);
  bool ReadAllocation(platform::DialogView& view);
  void ReadTable(platform::DialogView& view);
  void ReadChoices(const platform::DialogView& view);
  void Commit();
  bool SelectedTypeTakesPenalty(const platform::DialogView& view) const;

  EditorServices& services_;
  int position_;
  AccountDraft draft_;
  std::vector<int> group_of_choice_;  // group index of each group choice
  bool committed_ = false;
};

// The account dialog on the account at request.index (a position), or on a new account.
bool EditAccountInfo(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
