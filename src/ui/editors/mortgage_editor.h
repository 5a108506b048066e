// The Mortgage editor: a property bought with a mortgage, its costs, appreciation and sale,
// accelerated payments, the paying account and the equity account; Calculate shows the monthly
// payment, and an existing mortgage can take out an equity loan on its property.
#pragma once

#include "ui/editors/account_choices.h"
#include "ui/editors/editor_services.h"
#include "ui/editors/event_editing.h"

namespace tarvel::ui {

DialogTemplate MortgageTemplate();

class MortgageEditor : public DialogPresenter {
 public:
  MortgageEditor(EditorServices& services, const EditRequest& request);
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;
  bool committed() const { return committed_; }
  // An equity loan taken out from this dialog stays whether or not the mortgage is saved.
  bool loan_added() const { return loan_added_; }

 private:
  // Every field check in order into the working copy; shows the monthly payment.
  bool CheckFields(platform::DialogView& view);
  bool CheckAccounts(platform::DialogView& view);
  void TakeOutLoan(platform::DialogView& view);
  void Confirm(platform::DialogView& view);

  EditorServices& services_;
  EventEditing editing_;
  AccountChoices payment_choices_;
  AccountChoices equity_choices_;
  bool committed_ = false;
  bool loan_added_ = false;
};

// True when the scenario changed: the mortgage was saved or an equity loan was added.
bool EditMortgage(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
