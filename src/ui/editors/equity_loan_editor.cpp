// The equity-loan editor.
#include "ui/editors/equity_loan_editor.h"

#include <array>

#include "model/event_views.h"
#include "model/money_format.h"
#include "model/scenario_ops.h"
#include "ui/editors/field_text.h"
#include "ui/editors/loan_fields.h"

namespace tarvel::ui {
namespace {

enum EquityLoanControl {
  kOk = 107,
  kCancel = 108,
  kHelp = 109,
  kCalculate = 111,
  kCost = 114,
  kEquityAccount = 888,
};

constexpr int kHelpContext = 260;
// Equity loans have no sell age of their own: the property is sold with its mortgage.
constexpr float kNoSellAge = 120.0f;

const std::array<FieldRule, 2> kTermRules = {{
    {kCost, true, 0, 0.0, 999999.0, 2, "COST ERROR"},
    {kLoanYears, false, 0, 0.0, 100.0, 5, "NO OF YEARS ERROR"},
}};

}  // namespace

DialogTemplate EquityLoanTemplate() {
  DialogTemplate dialog{"second", "Equity Loan", {}};
  auto& controls = dialog.controls;
  AddLoanFieldRows(controls);
  AddLabelledField(controls, ControlKind::Edit, kCost, "Cost of Loan", 4);
  AddLabelledField(controls, ControlKind::Edit, kLoanPayment, "Monthly Payment", 4, 2).enabled =
      false;
  AddLabelledField(controls, ControlKind::ComboBox, kLoanDepositAccount, "Deposit to:", 5)
      .column_span = 3;
  AddLabelledField(controls, ControlKind::ComboBox, kLoanPaymentAccount,
                   "Withdrawal payments from account:", 6)
      .column_span = 3;
  AddLabelledField(controls, ControlKind::Label, kEquityAccount,
                   "Associated mortgage equity account:", 7)
      .column_span = 3;
  controls.push_back(MakeControl(kOk, ControlKind::DefaultButton, "OK"));
  controls.push_back(MakeControl(kCancel, ControlKind::PushButton, "Cancel"));
  controls.push_back(MakeControl(kCalculate, ControlKind::PushButton, "&Calculate"));
  controls.push_back(MakeControl(kHelp, ControlKind::PushButton, "&Help"));
  return dialog;
}

EquityLoanEditor::EquityLoanEditor(EditorServices& services, const EditRequest& request)
    : services_(services),
      editing_(services.scenario, request),
      deposit_choices_(services.scenario, false),
      payment_choices_(services.scenario, true) {}

EquityLoanEditor::EquityLoanEditor(EditorServices& services, const EquityLoanMortgage& mortgage)
    : EquityLoanEditor(services, EditRequest{}) {
  const model::EquityLoanTerms loan(editing_.event());
  loan.equity_account() = mortgage.equity_account;
  loan.mortgage_number() = mortgage.number;
}

void EquityLoanEditor::Initialise(platform::DialogView& view) {
  model::FinancialEvent& event = editing_.event();
  const model::EquityLoanTerms loan(event);
  const model::Currency& currency = services_.program.currency;
  loan.sell_age() = kNoSellAge;
  ShowLoanFields(view, event, currency);
  view.SetText(kCost, MoneyFieldText(loan.cost_of_loan(), currency));
  deposit_choices_.Show(view, kLoanDepositAccount, loan.deposit_account());
  payment_choices_.Show(view, kLoanPaymentAccount,
                        static_cast<std::uint16_t>(loan.payment_account()));
  const int equity = model::FindAccount(services_.scenario, loan.equity_account());
  view.SetText(kEquityAccount,
               equity < 0 ? kNoSelection : services_.scenario.accounts.records[equity].name.str());
}

void EquityLoanEditor::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kOk:
      Confirm(view);
      break;
    case kCancel:
    case kIdCancel:
      view.Close(kIdCancel);
      break;
    case kCalculate:
      CheckFields(view);
      break;
    case kHelp:
      services_.help.ShowTopic(kHelpContext);
      break;
    default:
      break;
  }
}

bool EquityLoanEditor::CheckFields(platform::DialogView& view) {
  FieldValues values;
  if (!CheckLoanFields(services_, view, editing_, deposit_choices_, payment_choices_,
                       kLoanAmountRules, kTermRules, values)) {
    return false;
  }
  model::EquityLoanTerms(editing_.event()).cost_of_loan() = static_cast<float>(values[kCost]);
  return true;
}

void EquityLoanEditor::Confirm(platform::DialogView& view) {
  if (!CheckFields(view) || !StoreLoanAccounts(services_, view, editing_, deposit_choices_,
                                               payment_choices_, AccountCheck::NoAllocation)) {
    return;
  }
  SetLoanVariety(editing_.event(), model::kEquityLoanMarker);
  if (!editing_.Commit(services_.scenario, services_.prompter)) return;
  committed_ = true;
  view.Close(kIdOk);
}

bool EditEquityLoan(EditorServices& services, const EditRequest& request) {
  if (request.adding()) return false;  // a new equity loan needs its mortgage
  EquityLoanEditor editor(services, request);
  services.dialogs.RunModal(EquityLoanTemplate(), editor);
  return editor.committed();
}

bool TakeOutEquityLoan(EditorServices& services, const EquityLoanMortgage& mortgage) {
  if (!RoomForEvent(services.scenario, services.prompter)) return false;
  EquityLoanEditor editor(services, mortgage);
  services.dialogs.RunModal(EquityLoanTemplate(), editor);
  return editor.committed();
}

}  // namespace tarvel::ui
