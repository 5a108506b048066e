// The Credit Card Debt dialog: as an editor it writes a credit-card debt (a loan carrying the
// credit-card marker); as a calculator it only shows how long the typed debt takes to pay off
// and adds nothing to the scenario.
#pragma once

#include "ui/editors/account_choices.h"
#include "ui/editors/credit_card_payoff.h"
#include "ui/editors/editor_services.h"
#include "ui/editors/event_editing.h"

namespace tarvel::ui {

DialogTemplate CreditCardTemplate(bool calculator);

class CreditCardEditor : public DialogPresenter {
 public:
  CreditCardEditor(EditorServices& services, const EditRequest& request);
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;
  bool committed() const { return committed_; }

 private:
  // Editor: every field check in order into the working copy. Calculator: the fields as typed.
  bool ReadDebt(platform::DialogView& view, CreditCardDebt& debt);
  // Shows the payoff, or says that the payments never pay the debt off.
  CreditCardPayoff ShowPayoff(platform::DialogView& view, const CreditCardDebt& debt);
  void Confirm(platform::DialogView& view);

  EditorServices& services_;
  bool calculator_;
  EventEditing editing_;
  AccountChoices payment_choices_;
  bool committed_ = false;
};

bool EditCreditCard(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
