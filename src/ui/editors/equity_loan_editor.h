// The equity-loan editor: a loan taken out on a property a mortgage holds. Its money goes to a
// deposit account, it is repaid monthly, and its equity follows the mortgage's equity account.
// A new loan is opened from the Mortgage editor of an existing mortgage; an existing one from
// the event list.
#pragma once

#include <cstdint>

#include "ui/editors/account_choices.h"
#include "ui/editors/editor_services.h"
#include "ui/editors/event_editing.h"

namespace tarvel::ui {

DialogTemplate EquityLoanTemplate();

// The mortgage a new equity loan is taken out on.
struct EquityLoanMortgage {
  std::uint16_t number = 0;                          // the mortgage's event number, the loan's link
  std::uint16_t equity_account = model::kNoAccount;  // as the Mortgage editor shows it
};

class EquityLoanEditor : public DialogPresenter {
 public:
  // An existing equity loan.
  EquityLoanEditor(EditorServices& services, const EditRequest& request);
  // A new equity loan on the mortgage.
  EquityLoanEditor(EditorServices& services, const EquityLoanMortgage& mortgage);
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;
  bool committed() const { return committed_; }

 private:
  // Every field check in order into the working copy; shows the monthly payment.
  bool CheckFields(platform::DialogView& view);
  void Confirm(platform::DialogView& view);

  EditorServices& services_;
  EventEditing editing_;
  AccountChoices deposit_choices_;
  AccountChoices payment_choices_;
  bool committed_ = false;
};

// Edits the existing equity loan of the request; adds nothing. True when it was saved.
bool EditEquityLoan(EditorServices& services, const EditRequest& request);
// Takes out a new equity loan on the mortgage; true when the loan was added.
bool TakeOutEquityLoan(EditorServices& services, const EquityLoanMortgage& mortgage);

}  // namespace tarvel::ui
