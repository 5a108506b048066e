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
  kDescription = 101,
  kStartAge = 102,
  kPayoffAge = 103,
  kAmount = 104,
  kRate = 105,
  kYears = 106,
  kOk = 107,
  kCancel = 108,
  kHelp = 109,
  kPayment = 110,
  kCalculate = 111,
  kDepositAccount = 112,
  kPaymentAccount = 113,
  kCost = 114,
  kDownPayment = 119,
  kEquityAccount = 888,
};

constexpr int kHelpContext = 260;
constexpr char kAmountError[] = "AMOUNT ERROR";
// Equity loans have no sell age of their own: the property is sold with its mortgage.
constexpr float kNoSellAge = 120.0f;

const std::array<FieldRule, 5> kAmountRules = {{
    {kStartAge, true, 0, 1.0, 120.0, 7, "START AGE ERROR"},
    {kPayoffAge, true, 0, 1.0, 120.0, 7, "PAYOFF AGE ERROR"},
    {kRate, true, 0, 1.0, 1000.0, 6, "RATE ERROR"},
    {kAmount, true, 0, 1.0, 1e8, 2, kAmountError},
    {kDownPayment, true, 0, 0.0, 1e8, 2, kAmountError},
}};
const std::array<FieldRule, 2> kTermRules = {{
    {kCost, true, 0, 0.0, 999999.0, 2, "COST ERROR"},
    {kYears, false, 0, 0.0, 100.0, 5, "NO OF YEARS ERROR"},
}};

}  // namespace

DialogTemplate EquityLoanTemplate() {
  DialogTemplate dialog{"second", "Equity Loan", {}};
  auto& controls = dialog.controls;
  Control& description =
      AddLabelledField(controls, ControlKind::Edit, kDescription, "Description", 0);
  description.max_chars = kDescriptionChars - 1;
  description.column_span = 3;
  AddLabelledField(controls, ControlKind::Edit, kStartAge, "Start Age", 1);
  AddLabelledField(controls, ControlKind::Edit, kPayoffAge, "Payoff Age", 1, 2);
  AddLabelledField(controls, ControlKind::Edit, kAmount, "Amount", 2);
  AddLabelledField(controls, ControlKind::Edit, kDownPayment, "Down Payment", 2, 2);
  AddLabelledField(controls, ControlKind::Edit, kRate, "Rate (%)", 3);
  AddLabelledField(controls, ControlKind::Edit, kYears, "No. of Years", 3, 2);
  AddLabelledField(controls, ControlKind::Edit, kCost, "Cost of Loan", 4);
  AddLabelledField(controls, ControlKind::Edit, kPayment, "Monthly Payment", 4, 2).enabled = false;
  AddLabelledField(controls, ControlKind::ComboBox, kDepositAccount, "Deposit to:", 5).column_span =
      3;
  AddLabelledField(controls, ControlKind::ComboBox, kPaymentAccount,
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
  view.SetText(kDescription, event.description.str());
  view.SetText(kStartAge, FieldText(event.start_age, kAgeField));
  view.SetText(kPayoffAge, FieldText(event.end_age, kAgeField));
  view.SetText(kAmount, MoneyFieldText(event.amount, currency));
  view.SetText(kDownPayment, MoneyFieldText(loan.down_payment(), currency));
  view.SetText(kRate, FieldText(loan.yearly_rate_percent(), kRateField));
  view.SetText(kYears, model::Format("%d", static_cast<int>(loan.term_years())));
  view.SetText(kPayment, MoneyFieldText(loan.monthly_payment(), currency));
  view.SetText(kCost, MoneyFieldText(loan.cost_of_loan(), currency));
  deposit_choices_.Show(view, kDepositAccount, loan.deposit_account());
  payment_choices_.Show(view, kPaymentAccount, static_cast<std::uint16_t>(loan.payment_account()));
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
  model::Scenario& scenario = services_.scenario;
  const int events = editing_.event_count_at_opening();
  if (AccountUsedByMortgage(scenario, events, services_.prompter,
                            deposit_choices_.Chosen(view, kDepositAccount)) ||
      AccountUsedByMortgage(scenario, events, services_.prompter,
                            payment_choices_.Chosen(view, kPaymentAccount))) {
    return false;
  }
  model::FinancialEvent& event = editing_.event();
  ReadDescription(view, kDescription, event);
  const char symbol = services_.program.currency.symbol;
  FieldValues values;
  if (!ReadFields(view, services_.prompter, kAmountRules, symbol, values) ||
      !CheckDownPayment(view, services_.prompter, values[kAmount], values[kDownPayment],
                        kDownPayment, kAmountError) ||
      !ReadFields(view, services_.prompter, kTermRules, symbol, values)) {
    return false;
  }
  const model::EquityLoanTerms loan(event);
  event.start_age = WholeYears(values[kStartAge]);
  event.end_age = WholeYears(values[kPayoffAge]);
  loan.yearly_rate_percent() = static_cast<float>(values[kRate]);
  event.amount = static_cast<float>(values[kAmount]);
  loan.down_payment() = static_cast<float>(values[kDownPayment]);
  loan.cost_of_loan() = static_cast<float>(values[kCost]);
  loan.term_years() = static_cast<std::int16_t>(values[kYears]);
  loan.monthly_payment() =
      LevelMonthlyPayment(loan.principal(), loan.yearly_rate_percent(), loan.term_years());
  view.SetText(kPayment, MoneyFieldText(loan.monthly_payment(), services_.program.currency));
  return true;
}

void EquityLoanEditor::Confirm(platform::DialogView& view) {
  if (!CheckFields(view)) return;
  model::Scenario& scenario = services_.scenario;
  const std::uint16_t deposit = deposit_choices_.Chosen(view, kDepositAccount);
  if (deposit == model::kNoAccount) {
    ShowStop(services_.prompter, "Please choose the account the loan amount is deposited to.",
             kAccountWarning);
    view.SetFocus(kDepositAccount);
    return;
  }
  const std::uint16_t payments = payment_choices_.Chosen(view, kPaymentAccount);
  if (!CheckAccountChoice(scenario, services_.prompter, payments, AccountCheck::NoAllocation)) {
    return;
  }
  model::FinancialEvent& event = editing_.event();
  const model::EquityLoanTerms loan(event);
  loan.deposit_account() = deposit;
  loan.deposit_account_rate() = AccountYearlyRate(scenario, deposit);
  loan.payment_account() = payments;
  loan.payment_account_chosen() = payments == model::kNoAccount ? 0 : model::kChosenAccountMarker;
  SetLoanVariety(event, model::kEquityLoanMarker);
  if (!editing_.Commit(scenario, services_.prompter)) return;
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
