// The budget dialog ("budget"): one budget's name, ages, associated account and items, its
// activation and the Copy All / Paste All working file. The dialog edits a working copy of the
// budget, so Cancel leaves the budget and the events exactly as they were; OK stores the
// budget and writes (or, when it is no longer active, removes) its withdrawal event.
#pragma once

#include "model/records.h"
#include "ui/editors/account_choices.h"
#include "ui/editors/editor_services.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

namespace budget_controls {
inline constexpr int kName = 10;
inline constexpr int kYearlyTotal = 11;
inline constexpr int kItemName = 12;
inline constexpr int kItemAmount = 13;
inline constexpr int kItemRate = 14;
inline constexpr int kItemMonthly = 15;
inline constexpr int kEnter = 16;
inline constexpr int kClear = 17;
inline constexpr int kDelete = 18;
inline constexpr int kStartAge = 19;
inline constexpr int kEndAge = 20;
inline constexpr int kActivate = 21;
inline constexpr int kAccount = 22;
inline constexpr int kCopyAll = 23;
inline constexpr int kClearAll = 24;
inline constexpr int kPasteAll = 25;
inline constexpr int kItemTrack = 26;
inline constexpr int kPrint = 27;
inline constexpr int kPrintReport = 28;
inline constexpr int kItemInflation = 29;
inline constexpr int kItems = 31;
inline constexpr int kHelp = 34;
inline constexpr int kCancel = 35;
inline constexpr int kTodaysDollars = 814;
}  // namespace budget_controls

DialogTemplate BudgetDialogTemplate();

class BudgetDialog : public DialogPresenter {
 public:
  // budget_index: 0..4.
  BudgetDialog(EditorServices& services, int budget_index);
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;

  // The budget as the dialog has it now (stored only by OK).
  const model::Budget& working() const { return working_; }
  bool committed() const { return committed_; }

 private:
  void ShowBudget(platform::DialogView& view) const;
  void ShowItems(platform::DialogView& view) const;
  void ShowSelectedItem(platform::DialogView& view) const;
  void ClearItemFields(platform::DialogView& view) const;
  void EnterItem(platform::DialogView& view);
  void DeleteItem(platform::DialogView& view);
  void CopyAll();
  void PasteAll(platform::DialogView& view);
  void ClearAll(platform::DialogView& view);
  // Reads and checks the budget's own fields into the working copy; false at the first
  // refusal, after its message.
  bool ReadBudgetFields(platform::DialogView& view);
  void Confirm(platform::DialogView& view);

  EditorServices& services_;
  int index_;
  model::Budget working_;
  AccountChoices accounts_;
  bool committed_ = false;
};

// The budget command of the budget request.which (0..4): true when the budget was stored.
bool EditBudget(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
