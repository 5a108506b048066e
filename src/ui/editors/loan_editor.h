// The Loan editor: a loan's ages, amount, down payment, rate and term, the account the money
// goes to and the one that pays; Calculate shows the monthly payment and "Print Schedule"
// hands the yearly amortisation to the schedule plotter.
#pragma once

#include "ui/commands/sibling_programs.h"
#include "ui/editors/account_choices.h"
#include "ui/editors/editor_services.h"
#include "ui/editors/event_editing.h"

namespace tarvel::ui {

DialogTemplate LoanTemplate();

// The schedule plotter's view of a loan: the amount less the down payment, financed from the
// loan's whole start age.
PlotterLoan LoanSchedulePlot(const model::FinancialEvent& loan, const model::Currency& currency);

class LoanEditor : public DialogPresenter {
 public:
  LoanEditor(EditorServices& services, const EditRequest& request);
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;
  bool committed() const { return committed_; }

 private:
  // Every field check in order; on success the working copy holds the fields and the monthly
  // payment is shown.
  bool CheckFields(platform::DialogView& view);
  void PrintSchedule(platform::DialogView& view);
  void Confirm(platform::DialogView& view);

  EditorServices& services_;
  EventEditing editing_;
  AccountChoices deposit_choices_;
  AccountChoices payment_choices_;
  bool committed_ = false;
};

bool EditLoan(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
