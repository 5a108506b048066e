// The Initial Values dialog: the planner's birth date, start and end ages, tax, dividend-tax
// and inflation rates and the purchasing-power switch, with the account totals shown beside
// them. It edits copies and writes them to the scenario only on OK, after every check.
#pragma once

#include "model/records.h"
#include "ui/editors/editor_services.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

// Control ids of the dialog.
enum InitialValuesControl : int {
  kInitialBirthMonth = 131,
  kInitialBirthDay = 132,
  kInitialUseBirthday = 133,
  kInitialStartAge = 101,
  kInitialEndAge = 113,
  kInitialInflation = 108,
  kInitialTaxRate = 107,
  kInitialDividendTax = 134,
  kInitialPurchasingPower = 102,
  kInitialValuesHelpButton = 9,
};

inline constexpr int kInitialValuesHelpContext = 517;
// An end age may lie less than this many whole years after the start age.
inline constexpr int kAllowableAgeRange = 100;

DialogTemplate InitialValuesTemplate();

class InitialValuesEditor : public DialogPresenter {
 public:
  explicit InitialValuesEditor(EditorServices& services);

  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;
  bool committed() const { return committed_; }

 private:
  void ShowTotals(platform::DialogView& view) const;
  void UseBirthday(platform::DialogView& view);
  // The start age's whole years plus, with the birthday in use, the part of the year since it.
  double AgeFromBirthday(double start_age) const;
  // Every check in order; the first that fails leaves the dialog open.
  bool CheckAndStore(platform::DialogView& view);
  bool CheckAgeRange(platform::DialogView& view, double start_age, double end_age);

  EditorServices& services_;
  model::InitialValues working_;  // what OK writes
  model::InitialValues totals_;   // the totals of the accounts, shown only
  bool committed_ = false;
};

// Shows the dialog; true when OK wrote the values.
bool EditInitialValues(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
