// Shared pieces of the debt editors.
#include "ui/editors/loan_fields.h"

#include <cmath>

#include "engine/amortization.h"
#include "model/event_views.h"
#include "model/money_format.h"
#include "model/scenario_ops.h"
#include "ui/editors/field_text.h"

namespace tarvel::ui {

Control& AddLabelledField(std::vector<Control>& controls, ControlKind kind, int id,
                          std::string label, int row, int column) {
  controls.push_back(
      MakeControl(id + kLabelIdOffset, ControlKind::Label, std::move(label), row, column));
  controls.push_back(MakeControl(id, kind, "", row, column + 1));
  return controls.back();
}

bool ReadFields(platform::DialogView& view, platform::Prompter& prompter,
                std::span<const FieldRule> rules, char currency_symbol, FieldValues& values) {
  for (const FieldRule& rule : rules) {
    const std::optional<double> value = ValidateField(view, prompter, rule, currency_symbol);
    if (!value) return false;
    values[rule.control] = *value;
  }
  return true;
}

FieldValues FieldsAsTyped(const platform::DialogView& view, std::span<const FieldRule> rules,
                          char currency_symbol) {
  FieldValues values;
  for (const FieldRule& rule : rules) {
    values[rule.control] = ParseFieldNumber(view.Text(rule.control), currency_symbol).value_or(0);
  }
  return values;
}

bool CheckDownPayment(platform::DialogView& view, platform::Prompter& prompter, double amount,
                      double down_payment, int control, const std::string& caption) {
  if (down_payment <= amount) return true;
  ShowStop(prompter, "The down payment cannot be greater than the amount it is paid on.", caption);
  view.SetFocus(control);
  return false;
}

float LevelMonthlyPayment(double financed, double yearly_rate_percent, int years) {
  return engine::MonthlyPayment(financed, yearly_rate_percent * 0.01 * (1.0 / 12.0), years * 12);
}

void SetLoanVariety(model::FinancialEvent& event, std::uint16_t marker) {
  event.kind = model::EventKind::Loan;
  model::LoanTerms(event).variety_marker() = marker;
}

float AccountYearlyRate(const model::Scenario& scenario, std::uint16_t account_id) {
  const int position = model::FindAccount(scenario, account_id);
  return position < 0 ? 0.0f : scenario.accounts.records[position].yearly_rate;
}

const std::array<FieldRule, 5> kLoanAmountRules = {{
    {kLoanStartAge, true, 0, 1.0, 120.0, 7, "START AGE ERROR"},
    {kLoanPayoffAge, true, 0, 1.0, 120.0, 7, "PAYOFF AGE ERROR"},
    {kLoanRate, true, 0, 1.0, 1000.0, 6, "RATE ERROR"},
    {kLoanAmount, true, 0, 1.0, 1e8, 2, "AMOUNT ERROR"},
    {kLoanDownPayment, true, 0, 0.0, 1e8, 2, "AMOUNT ERROR"},
}};

void ShowLoanFields(platform::DialogView& view, const model::FinancialEvent& event,
                    const model::Currency& currency) {
  const model::LoanTerms loan(event);
  view.SetText(kLoanDescription, event.description.str());
  view.SetText(kLoanStartAge, FieldText(event.start_age, kAgeField));
  view.SetText(kLoanPayoffAge, FieldText(event.end_age, kAgeField));
  view.SetText(kLoanAmount, MoneyFieldText(event.amount, currency));
  view.SetText(kLoanDownPayment, MoneyFieldText(loan.down_payment(), currency));
  view.SetText(kLoanRate, FieldText(loan.yearly_rate_percent(), kRateField));
  view.SetText(kLoanYears, model::Format("%d", static_cast<int>(loan.term_years())));
  view.SetText(kLoanPayment, MoneyFieldText(loan.monthly_payment(), currency));
}

void AddLoanFieldRows(std::vector<Control>& controls) {
  Control& description =
      AddLabelledField(controls, ControlKind::Edit, kLoanDescription, "Description", 0);
  description.max_chars = kDescriptionChars;
  description.column_span = 3;
  AddLabelledField(controls, ControlKind::Edit, kLoanStartAge, "Start Age", 1);
  AddLabelledField(controls, ControlKind::Edit, kLoanPayoffAge, "Payoff Age", 1, 2);
  AddLabelledField(controls, ControlKind::Edit, kLoanAmount, "Amount", 2);
  AddLabelledField(controls, ControlKind::Edit, kLoanDownPayment, "Down Payment", 2, 2);
  AddLabelledField(controls, ControlKind::Edit, kLoanRate, "Rate (%)", 3);
  AddLabelledField(controls, ControlKind::Edit, kLoanYears, "No. of Years", 3, 2);
}

bool CheckLoanFields(EditorServices& services, platform::DialogView& view, EventEditing& editing,
                     const AccountChoices& deposit, const AccountChoices& payments,
                     std::span<const FieldRule> amount_rules, std::span<const FieldRule> term_rules,
                     FieldValues& values) {
  model::Scenario& scenario = services.scenario;
  platform::Prompter& prompter = services.prompter;
  const int events = editing.event_count_at_opening();
  if (AccountUsedByMortgage(scenario, events, prompter,
                            deposit.Chosen(view, kLoanDepositAccount)) ||
      AccountUsedByMortgage(scenario, events, prompter,
                            payments.Chosen(view, kLoanPaymentAccount))) {
    return false;
  }
  model::FinancialEvent& event = editing.event();
  ReadDescription(view, kLoanDescription, event);
  const char symbol = services.program.currency.symbol;
  if (!ReadFields(view, prompter, amount_rules, symbol, values) ||
      !CheckDownPayment(view, prompter, values[kLoanAmount], values[kLoanDownPayment],
                        kLoanDownPayment, "AMOUNT ERROR") ||
      !ReadFields(view, prompter, term_rules, symbol, values)) {
    return false;
  }
  const model::LoanTerms loan(event);
  event.start_age = WholeYears(values[kLoanStartAge]);
  event.end_age = WholeYears(values[kLoanPayoffAge]);
  loan.yearly_rate_percent() = static_cast<float>(values[kLoanRate]);
  event.amount = static_cast<float>(values[kLoanAmount]);
  loan.down_payment() = static_cast<float>(values[kLoanDownPayment]);
  loan.term_years() = static_cast<std::int16_t>(values[kLoanYears]);
  loan.monthly_payment() =
      LevelMonthlyPayment(loan.principal(), loan.yearly_rate_percent(), loan.term_years());
  view.SetText(kLoanPayment, MoneyFieldText(loan.monthly_payment(), services.program.currency));
  return true;
}

bool StoreLoanAccounts(EditorServices& services, platform::DialogView& view, EventEditing& editing,
                       const AccountChoices& deposit, const AccountChoices& payments,
                       AccountCheck payments_check) {
  model::Scenario& scenario = services.scenario;
  const std::uint16_t deposit_id = deposit.Chosen(view, kLoanDepositAccount);
  if (deposit_id == model::kNoAccount) {
    ShowStop(services.prompter, "Please choose the account the loan amount is deposited to.",
             kAccountWarning);
    view.SetFocus(kLoanDepositAccount);
    return false;
  }
  const std::uint16_t payments_id = payments.Chosen(view, kLoanPaymentAccount);
  if (!CheckAccountChoice(scenario, services.prompter, payments_id, payments_check)) return false;
  const model::LoanTerms loan(editing.event());
  loan.deposit_account() = deposit_id;
  loan.deposit_account_rate() = AccountYearlyRate(scenario, deposit_id);
  loan.payment_account() = payments_id;
  loan.payment_account_chosen() =
      payments_id == model::kNoAccount ? 0 : model::kChosenAccountMarker;
  return true;
}

}  // namespace tarvel::ui
