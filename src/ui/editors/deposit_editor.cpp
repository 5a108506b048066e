// The Deposit editor.
#include "ui/editors/deposit_editor.h"

#include "model/event_views.h"
#include "ui/editors/cash_flow_fields.h"

namespace tarvel::ui {
namespace {

using namespace deposit_controls;

constexpr int kHelpContext = 257;

constexpr CashFlowControls kControls{kDescription, kStartAge, kEndAge,   kAmount,
                                     kApplyRate,   kOneTime,  kInflation};

}  // namespace

DialogTemplate DepositTemplate() {
  DialogTemplate dialog{"income", "Deposit", {}};
  AddLabelledCombo(dialog, kAccount, "Deposit to:", 0);
  AddLabelledEdit(dialog, kDescription, "Description:", 1, kDescriptionChars);
  AddLabelledEdit(dialog, kStartAge, "Start Age:", 2);
  AddLabelledEdit(dialog, kEndAge, "End Age:", 3);
  AddLabelledEdit(dialog, kAmount, "Amount:", 4, kAmountChars);
  AddLabelledEdit(dialog, kApplyRate, "Apply Rate (%):", 5);
  AddCheckBox(dialog, kOneTime, "One time only deposit", 6);
  AddCheckBox(dialog, kInflation, "Apply inflation rate to deposits", 7);
  AddCheckBox(dialog, kBeforeTaxes, "Tax deposit at current tax rate", 8);
  AddCheckBox(dialog, kTodaysDollarsBox, "Use amount in age", 9);
  AddEditorButtons(dialog);
  return dialog;
}

DepositEditor::DepositEditor(EditorServices& services, const EditRequest& request)
    : EventEditorPresenter(services, request, kHelpContext), accounts_(services.scenario, false) {}

void DepositEditor::Initialise(platform::DialogView& view) {
  const model::FinancialEvent& event = editing().event();
  const model::CashFlowTerms terms(event);
  accounts_.Show(view, kAccount, terms.account());
  ShowCashFlowFields(view, kControls, event, currency(), initial_start_age());
  view.SetChecked(kBeforeTaxes, terms.before_taxes() != 0);
}

bool DepositEditor::ReadFields(platform::DialogView& view, model::FinancialEvent& event) {
  const std::uint16_t account = accounts_.Chosen(view, kAccount);
  if (UsedByMortgage(account)) return false;
  if (account == model::kNoAccount) {
    ShowStop(services().prompter, kNoDepositAccount, kAccountWarning);
    view.SetFocus(kAccount);
    return false;
  }
  const CashFlowReading reading{!view.Checked(kOneTime), true};
  if (!ReadCashFlowFields(view, services().prompter, kControls, reading, currency(), event)) {
    return false;
  }
  model::CashFlowTerms terms(event);
  terms.account() = account;
  terms.before_taxes() = view.Checked(kBeforeTaxes) ? 1 : 0;
  event.kind = model::EventKind::Deposit;
  return true;
}

bool EditDeposit(EditorServices& services, const EditRequest& request) {
  return RunEventEditor<DepositEditor>(services, request, DepositTemplate());
}

}  // namespace tarvel::ui
