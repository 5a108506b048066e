// The Mortgage editor: a property bought with a mortgage, its costs, appreciation and sale,
// accelerated payments, the paying account and the equity account; Calculate shows the monthly
// payment, and an existing mortgage can take out an equity loan on its property.
#pragma once

#include "ui/editors/account_choices.h"
#include "ui/editors/editor_services.h"
#include "ui/editors/event_editing.h"

namespace tarvel::ui {

DialogTemplate MortgageTemplate();

// What a new mortgage starts from when the mortgage calculator hands it over.
struct MortgageStart {
  float price = 0;
  float down_payment = 0;
  float rate = 0;  // percent per year
  int years = 0;
};

class MortgageEditor : public DialogPresenter {
 public:
  MortgageEditor(EditorServices& services, const EditRequest& request);
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;
  bool committed() const { return committed_; }
  // An equity loan taken out from this dialog stays whether or not the mortgage is saved.
  bool loan_added() const { return loan_added_; }
  // A refinance event added from this dialog closed it, discarding the mortgage's edits.
  bool refinance_added() const { return refinance_added_; }
  // Fills the working copy's price, down payment, rate, term and payment before it is shown.
  void StartFrom(const MortgageStart& start);

 private:
  // Every field check in order into the working copy; shows the monthly payment.
  bool CheckFields(platform::DialogView& view);
  bool CheckAccounts(platform::DialogView& view);
  void TakeOutLoan(platform::DialogView& view);
  void Confirm(platform::DialogView& view);
  void AnalyzeAcceleratedPayments(platform::DialogView& view);
  void AnalyzeRefinancing(platform::DialogView& view);

  EditorServices& services_;
  EventEditing editing_;
  AccountChoices payment_choices_;
  AccountChoices equity_choices_;
  bool committed_ = false;
  bool loan_added_ = false;
  bool refinance_added_ = false;
};

// True when the scenario changed: the mortgage was saved, or an equity loan or a refinance
// event was added.
bool EditMortgage(EditorServices& services, const EditRequest& request);
// Adds a new mortgage through the editor, starting from the given terms; true when it was saved.
bool EditNewMortgageFrom(EditorServices& services, const MortgageStart& start);

}  // namespace tarvel::ui
