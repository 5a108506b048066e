// The Transfer editor.
#include "ui/editors/transfer_editor.h"

#include "model/event_views.h"
#include "ui/editors/cash_flow_fields.h"

namespace tarvel::ui {
namespace {

using namespace transfer_controls;

constexpr int kHelpContext = 261;

constexpr CashFlowControls kControls{kDescription, kStartAge,       kEndAge,   kAmount,
                                     kApplyRate,   kOneTransaction, kInflation};

// What a transfer of all funds does not use.
constexpr int kYearlyFields[] = {kApplyRate, kOneTransaction, kAmount,
                                 kEndAge,    kInflation,      kTodaysDollarsBox};

void ShowAllFunds(platform::DialogView& view, bool all_funds) {
  for (int control : kYearlyFields) view.SetEnabled(control, !all_funds);
}

}  // namespace

DialogTemplate TransferTemplate() {
  DialogTemplate dialog{"transfer", "Transfer", {}};
  AddLabelledCombo(dialog, kFromAccount, "From Account:", 0);
  AddLabelledCombo(dialog, kToAccount, "To Account:", 1);
  AddLabelledEdit(dialog, kDescription, "Description:", 2, kDescriptionChars);
  AddLabelledEdit(dialog, kStartAge, "Start Age:", 3);
  AddLabelledEdit(dialog, kEndAge, "End Age:", 4);
  AddLabelledEdit(dialog, kAmount, "Amount:", 5, kAmountChars);
  AddLabelledEdit(dialog, kApplyRate, "Apply Rate (%):", 6);
  AddCheckBox(dialog, kAllFunds, "Transfer all funds at Start Age", 7);
  AddCheckBox(dialog, kOneTransaction, "One transaction only", 8);
  AddCheckBox(dialog, kInflation, "Apply inflation rate to transfer", 9);
  AddCheckBox(dialog, kTodaysDollarsBox, "Use amount in age", 10);
  AddEditorButtons(dialog);
  return dialog;
}

TransferEditor::TransferEditor(EditorServices& services, const EditRequest& request)
    : EventEditorPresenter(services, request, kHelpContext), accounts_(services.scenario, false) {
  // A new transfer names no account on either side (0 would be a real account's id).
  if (editing().adding()) {
    model::CashFlowTerms(editing().event()).from_account() = model::kNoAccount;
  }
}

void TransferEditor::Initialise(platform::DialogView& view) {
  const model::FinancialEvent& event = editing().event();
  const model::CashFlowTerms terms(event);
  accounts_.Show(view, kFromAccount, terms.from_account());
  accounts_.Show(view, kToAccount, terms.to_account());
  ShowCashFlowFields(view, kControls, event, currency(), initial_start_age());
  view.SetChecked(kAllFunds, terms.all_funds_at_start() != 0);
  ShowAllFunds(view, terms.all_funds_at_start() != 0);
}

void TransferEditor::OtherCommand(platform::DialogView& view, int control) {
  if (control == kAllFunds) ShowAllFunds(view, view.Checked(kAllFunds));
}

bool TransferEditor::ReadFields(platform::DialogView& view, model::FinancialEvent& event) {
  if (!ReadAccounts(view, event)) return false;
  const bool all_funds = view.Checked(kAllFunds);
  const CashFlowReading reading{!all_funds && !view.Checked(kOneTransaction), !all_funds};
  if (!ReadCashFlowFields(view, services().prompter, kControls, reading, currency(), event)) {
    return false;
  }
  model::CashFlowTerms(event).all_funds_at_start() = all_funds ? 1 : 0;
  event.kind = model::EventKind::Transfer;
  return true;
}

bool TransferEditor::ReadAccounts(platform::DialogView& view, model::FinancialEvent& event) {
  const std::uint16_t from = accounts_.Chosen(view, kFromAccount);
  const std::uint16_t to = accounts_.Chosen(view, kToAccount);
  if (UsedByMortgage(from) || UsedByMortgage(to)) {
    return false;
  }
  if (from == model::kNoAccount || to == model::kNoAccount) {
    ShowStop(services().prompter, kNoTransferAccount, kAccountWarning);
    view.SetFocus(from == model::kNoAccount ? kFromAccount : kToAccount);
    return false;
  }
  model::CashFlowTerms terms(event);
  terms.from_account() = from;
  terms.to_account() = to;
  return true;
}

bool EditTransfer(EditorServices& services, const EditRequest& request) {
  return RunEventEditor<TransferEditor>(services, request, TransferTemplate());
}

}  // namespace tarvel::ui
