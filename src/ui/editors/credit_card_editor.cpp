// The Credit Card Debt editor and calculator.
#include "ui/editors/credit_card_editor.h"

#include <array>

#include "model/event_views.h"
#include "model/money_format.h"
#include "ui/editors/field_check.h"
#include "ui/editors/field_text.h"
#include "ui/editors/loan_fields.h"

namespace tarvel::ui {
namespace {

enum CreditCardControl {
  kCompany = 101,
  kStartAge = 102,
  kPayoffAge = 103,
  kBalance = 104,
  kRate = 105,
  kYears = 106,
  kOk = 107,
  kCancel = 108,
  kHelp = 109,
  kPayment = 110,
  kCalculate = 111,
  kPaymentAccount = 112,
  kPurchases = 113,
  kMonths = 114,
  kTotalInterest = 115,
};

constexpr int kHelpContext = 1586;
constexpr char kStartAgeError[] = "START AGE ERROR";

const std::array<FieldRule, 1> kStartAgeRules = {{
    {kStartAge, true, 0, 1.0, 120.0, 7, kStartAgeError},
}};
const std::array<FieldRule, 5> kDebtRules = {{
    {kPayoffAge, true, 0, 1.0, 120.0, 7, "PAYOFF AGE ERROR"},
    {kRate, true, 0, 1.0, 1000.0, 6, "RATE ERROR"},
    {kBalance, true, 0, 1.0, 1e8, 2, "AMOUNT ERROR"},
    {kPayment, true, 0, 0.0, 1e8, 2, "AMOUNT ERROR"},
    {kPurchases, true, 0, 0.0, 1e8, 2, "AMOUNT ERROR"},
}};

CreditCardDebt DebtOf(const FieldValues& values) {
  return {values.at(kBalance), values.at(kRate), values.at(kPayment), values.at(kPurchases)};
}

// The typed start age may not come before the plan's start.
bool CheckNotBeforePlanStart(platform::DialogView& view, platform::Prompter& prompter,
                             double start_age, float initial_start_age) {
  if (WholeYears(start_age) >= WholeYears(initial_start_age)) return true;
  ShowStop(prompter, "The Start Age must be equal or greater than the Initial Values Start Age!",
           kStartAgeError);
  view.SetFocus(kStartAge);
  return false;
}

void ShowNeverPaidOff(platform::Prompter& prompter) {
  ShowWarning(prompter,
              "The monthly payment is no larger than the monthly interest and purchases, so the "
              "payments never pay off this debt.",
              "Payment Warning");
}

}  // namespace

DialogTemplate CreditCardTemplate(bool calculator) {
  DialogTemplate dialog{"ccard", calculator ? "Credit Card Payoff" : "Credit Card Debt", {}};
  auto& controls = dialog.controls;
  Control& company = AddLabelledField(controls, ControlKind::Edit, kCompany, "Company", 0);
  company.max_chars = kDescriptionChars;
  company.column_span = 3;
  AddLabelledField(controls, ControlKind::Edit, kStartAge, "Start Age", 1);
  AddLabelledField(controls, ControlKind::Edit, kPayoffAge, "Payoff Age", 1, 2);
  AddLabelledField(controls, ControlKind::Edit, kBalance, "Balance", 2);
  AddLabelledField(controls, ControlKind::Edit, kRate, "Rate (%)", 2, 2);
  AddLabelledField(controls, ControlKind::Edit, kPayment, "Monthly Payments", 3);
  AddLabelledField(controls, ControlKind::Edit, kPurchases, "Monthly Purchases", 3, 2);
  AddLabelledField(controls, ControlKind::ComboBox, kPaymentAccount,
                   "Withdraw payments from account:", 4)
      .column_span = 3;
  AddLabelledField(controls, ControlKind::Edit, kYears, "Years", 5).enabled = false;
  AddLabelledField(controls, ControlKind::Edit, kMonths, "Months", 5, 2).enabled = false;
  AddLabelledField(controls, ControlKind::Edit, kTotalInterest, "Total Interest", 6).enabled =
      false;
  if (calculator) {
    // The calculator reads neither the company, the ages nor the account.
    for (Control& control : controls) {
      const int id = control.id;
      if (id == kCompany || id == kStartAge || id == kPayoffAge || id == kPaymentAccount) {
        control.enabled = false;
      }
    }
  }
  controls.push_back(MakeControl(kOk, ControlKind::DefaultButton, "OK"));
  controls.push_back(MakeControl(kCancel, ControlKind::PushButton, "Cancel"));
  controls.push_back(MakeControl(kCalculate, ControlKind::PushButton, "&Calculate"));
  controls.push_back(MakeControl(kHelp, ControlKind::PushButton, "&Help"));
  return dialog;
}

CreditCardEditor::CreditCardEditor(EditorServices& services, const EditRequest& request)
    : services_(services),
      calculator_(request.calculator),
      editing_(services.scenario, request.calculator ? EditRequest{} : request),
      payment_choices_(services.scenario, true) {}

void CreditCardEditor::Initialise(platform::DialogView& view) {
  const model::FinancialEvent& event = editing_.event();
  const model::CreditCardTerms card(event);
  const model::Currency& currency = services_.program.currency;
  view.SetText(kCompany, event.description.str());
  view.SetText(kStartAge, FieldText(event.start_age, kAgeField));
  view.SetText(kPayoffAge, FieldText(event.end_age, kAgeField));
  view.SetText(kBalance, MoneyFieldText(event.amount, currency));
  view.SetText(kRate, FieldText(card.yearly_rate_percent(), kRateField));
  view.SetText(kPayment, MoneyFieldText(card.monthly_payment(), currency));
  view.SetText(kPurchases, MoneyFieldText(card.monthly_purchases(), currency));
  payment_choices_.Show(view, kPaymentAccount, card.payment_account());
}

void CreditCardEditor::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kOk:
      if (calculator_) {
        view.Close(kIdOk);
      } else {
        Confirm(view);
      }
      break;
    case kCancel:
    case kIdCancel:
      view.Close(kIdCancel);
      break;
    case kCalculate: {
      CreditCardDebt debt;
      if (ReadDebt(view, debt)) ShowPayoff(view, debt);
      break;
    }
    case kHelp:
      services_.help.ShowTopic(kHelpContext);
      break;
    default:
      break;
  }
}

bool CreditCardEditor::ReadDebt(platform::DialogView& view, CreditCardDebt& debt) {
  const char symbol = services_.program.currency.symbol;
  if (calculator_) {
    debt = DebtOf(FieldsAsTyped(view, kDebtRules, symbol));
    return true;
  }
  model::FinancialEvent& event = editing_.event();
  ReadDescription(view, kCompany, event);
  FieldValues values;
  if (!ReadFields(view, services_.prompter, kStartAgeRules, symbol, values) ||
      !CheckNotBeforePlanStart(view, services_.prompter, values[kStartAge],
                               services_.scenario.initial.start_age) ||
      !ReadFields(view, services_.prompter, kDebtRules, symbol, values)) {
    return false;
  }
  const model::CreditCardTerms card(event);
  event.start_age = WholeYears(values[kStartAge]);
  event.end_age = WholeYears(values[kPayoffAge]);
  card.yearly_rate_percent() = static_cast<float>(values[kRate]);
  event.amount = static_cast<float>(values[kBalance]);
  card.monthly_payment() = static_cast<float>(values[kPayment]);
  card.monthly_purchases() = static_cast<float>(values[kPurchases]);
  debt = DebtOf(values);
  return true;
}

CreditCardPayoff CreditCardEditor::ShowPayoff(platform::DialogView& view,
                                              const CreditCardDebt& debt) {
  const CreditCardPayoff payoff = PayOffCreditCard(debt);
  if (!payoff.paid_off) {
    view.SetText(kYears, "");
    view.SetText(kMonths, "");
    view.SetText(kTotalInterest, "");
    ShowNeverPaidOff(services_.prompter);
    return payoff;
  }
  view.SetText(kYears, FieldText(payoff.years(), {5, 2, true}));
  view.SetText(kMonths, model::Format("%d", payoff.months));
  view.SetText(kTotalInterest, FieldText(payoff.total_interest, model::kTwoPlaces));
  return payoff;
}

void CreditCardEditor::Confirm(platform::DialogView& view) {
  CreditCardDebt debt;
  if (!ReadDebt(view, debt)) return;
  model::Scenario& scenario = services_.scenario;
  const std::uint16_t payments = payment_choices_.Chosen(view, kPaymentAccount);
  if (AccountUsedByMortgage(scenario, editing_.event_count_at_opening(), services_.prompter,
                            payments) ||
      !CheckAccountChoice(scenario, services_.prompter, payments,
                          AccountCheck::NoAssetsNoAllocation)) {
    return;
  }
  // A debt the payments never clear is still kept: what is left is paid at the payoff age.
  const CreditCardPayoff payoff = ShowPayoff(view, debt);
  model::FinancialEvent& event = editing_.event();
  const model::CreditCardTerms card(event);
  card.months_to_pay_off() = payoff.paid_off ? static_cast<float>(payoff.months) : 0.0f;
  card.years_to_pay_off() = payoff.paid_off ? static_cast<float>(payoff.years()) : 0.0f;
  card.total_interest() = payoff.paid_off ? static_cast<float>(payoff.total_interest) : 0.0f;
  SetLoanVariety(event, model::kCreditCardMarker);
  card.payment_account() = payments;
  card.payment_account_chosen() =
      payments == model::kNoAccount ? 0 : static_cast<std::int16_t>(model::kChosenAccountMarker);
  if (!editing_.Commit(scenario, services_.prompter)) return;
  committed_ = true;
  view.Close(kIdOk);
}

bool EditCreditCard(EditorServices& services, const EditRequest& request) {
  CreditCardEditor editor(services, request);
  services.dialogs.RunModal(CreditCardTemplate(request.calculator), editor);
  return editor.committed();
}

}  // namespace tarvel::ui
