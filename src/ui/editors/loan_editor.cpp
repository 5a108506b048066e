// The Loan editor.
#include "ui/editors/loan_editor.h"

#include <array>
#include <filesystem>

#include "model/event_views.h"
#include "model/money_format.h"
#include "model/working_file_names.h"
#include "ui/editors/field_text.h"
#include "ui/editors/loan_fields.h"

namespace tarvel::ui {
namespace {

enum LoanControl {
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
  kSellAge = 118,
  kDownPayment = 119,
  kPrintSchedule = 121,
};

constexpr int kHelpContext = 260;
constexpr char kAmountError[] = "AMOUNT ERROR";

// Checked before the down payment is compared with the amount.
const std::array<FieldRule, 5> kAmountRules = {{
    {kStartAge, true, 0, 1.0, 120.0, 7, "START AGE ERROR"},
    {kPayoffAge, true, 0, 1.0, 120.0, 7, "PAYOFF AGE ERROR"},
    {kRate, true, 0, 1.0, 1000.0, 6, "RATE ERROR"},
    {kAmount, true, 0, 1.0, 1e8, 2, kAmountError},
    {kDownPayment, true, 0, 0.0, 1e8, 2, kAmountError},
}};
const std::array<FieldRule, 2> kTermRules = {{
    {kSellAge, true, 0, 0.0, 120.0, 3, "SELL AGE ERROR"},
    {kYears, false, 0, 0.0, 100.0, 5, "NO OF YEARS ERROR"},
}};

}  // namespace

DialogTemplate LoanTemplate() {
  DialogTemplate dialog{"loan", "Loan", {}};
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
  AddLabelledField(controls, ControlKind::Edit, kSellAge, "Sell Asset Age", 4);
  AddLabelledField(controls, ControlKind::Edit, kPayment, "Monthly Payment", 4, 2).enabled = false;
  AddLabelledField(controls, ControlKind::ComboBox, kDepositAccount, "Deposit to:", 5).column_span =
      3;
  AddLabelledField(controls, ControlKind::ComboBox, kPaymentAccount,
                   "Withdrawal payments from account:", 6)
      .column_span = 3;
  controls.push_back(MakeControl(kOk, ControlKind::DefaultButton, "OK"));
  controls.push_back(MakeControl(kCancel, ControlKind::PushButton, "Cancel"));
  controls.push_back(MakeControl(kCalculate, ControlKind::PushButton, "&Calculate"));
  controls.push_back(MakeControl(kPrintSchedule, ControlKind::PushButton, "&Print Schedule"));
  controls.push_back(MakeControl(kHelp, ControlKind::PushButton, "&Help"));
  return dialog;
}

PlotterLoan LoanSchedulePlot(const model::FinancialEvent& loan, const model::Currency& currency) {
  const model::LoanTerms terms(loan);
  PlotterLoan plot;
  plot.first_year = static_cast<int>(loan.start_age);
  plot.amount = static_cast<float>(terms.principal());
  plot.years = terms.term_years();
  plot.rate = terms.yearly_rate_percent();
  plot.titles = {"Tarvel Software Retirement Planner", "Loan Schedule", "DATE"};
  plot.details = {"Loan Amount: " + model::Money(plot.amount, currency),
                  "Rate: " + model::RateText(plot.rate),
                  "Monthly Payment: " + model::Money(terms.monthly_payment(), currency),
                  model::Format("Term: %d Years", static_cast<int>(terms.term_years()))};
  return plot;
}

LoanEditor::LoanEditor(EditorServices& services, const EditRequest& request)
    : services_(services),
      editing_(services.scenario, request),
      deposit_choices_(services.scenario, false),
      payment_choices_(services.scenario, true) {}

void LoanEditor::Initialise(platform::DialogView& view) {
  const model::FinancialEvent& event = editing_.event();
  const model::LoanTerms loan(event);
  const model::Currency& currency = services_.program.currency;
  view.SetText(kDescription, event.description.str());
  view.SetText(kStartAge, FieldText(event.start_age, kAgeField));
  view.SetText(kPayoffAge, FieldText(event.end_age, kAgeField));
  view.SetText(kAmount, MoneyFieldText(event.amount, currency));
  view.SetText(kDownPayment, MoneyFieldText(loan.down_payment(), currency));
  view.SetText(kRate, FieldText(loan.yearly_rate_percent(), kRateField));
  view.SetText(kYears, model::Format("%d", static_cast<int>(loan.term_years())));
  view.SetText(kSellAge, FieldText(loan.sell_age(), kAgeField));
  view.SetText(kPayment, MoneyFieldText(loan.monthly_payment(), currency));
  deposit_choices_.Show(view, kDepositAccount, loan.deposit_account());
  payment_choices_.Show(view, kPaymentAccount, static_cast<std::uint16_t>(loan.payment_account()));
}

void LoanEditor::Command(platform::DialogView& view, int control) {
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
    case kPrintSchedule:
      PrintSchedule(view);
      break;
    case kHelp:
      services_.help.ShowTopic(kHelpContext);
      break;
    default:
      break;
  }
}

bool LoanEditor::CheckFields(platform::DialogView& view) {
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
  const model::LoanTerms loan(event);
  event.start_age = WholeYears(values[kStartAge]);
  event.end_age = WholeYears(values[kPayoffAge]);
  loan.yearly_rate_percent() = static_cast<float>(values[kRate]);
  event.amount = static_cast<float>(values[kAmount]);
  loan.down_payment() = static_cast<float>(values[kDownPayment]);
  loan.sell_age() = WholeYears(values[kSellAge]);
  loan.term_years() = static_cast<std::int16_t>(values[kYears]);
  loan.monthly_payment() =
      LevelMonthlyPayment(loan.principal(), loan.yearly_rate_percent(), loan.term_years());
  view.SetText(kPayment, MoneyFieldText(loan.monthly_payment(), services_.program.currency));
  return true;
}

void LoanEditor::PrintSchedule(platform::DialogView& view) {
  if (!CheckFields(view)) return;
  PlotterSettings settings;
  settings.colours = services_.program.colours;
  const std::string path =
      (std::filesystem::path(services_.program.working_directory) / model::kPlotterFileName)
          .string();
  if (!WritePlotterFile(path, settings,
                        LoanSchedulePlot(editing_.event(), services_.program.currency))) {
    ShowStop(services_.prompter, model::Format("Cannot create the file %s.", path.c_str()),
             "FILE ERROR");
    return;
  }
  StartSibling(services_.launcher, SchedulePlotterStart());
}

void LoanEditor::Confirm(platform::DialogView& view) {
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
  if (!CheckAccountChoice(scenario, services_.prompter, payments,
                          AccountCheck::NoAssetsNoAllocation)) {
    return;
  }
  model::FinancialEvent& event = editing_.event();
  const model::LoanTerms loan(event);
  event.kind = model::EventKind::Loan;
  loan.deposit_account() = deposit;
  loan.deposit_account_rate() = AccountYearlyRate(scenario, deposit);
  loan.payment_account() = payments;
  loan.payment_account_chosen() = payments == model::kNoAccount ? 0 : model::kChosenAccountMarker;
  if (!editing_.Commit(scenario, services_.prompter)) return;
  committed_ = true;
  view.Close(kIdOk);
}

bool EditLoan(EditorServices& services, const EditRequest& request) {
  LoanEditor editor(services, request);
  services.dialogs.RunModal(LoanTemplate(), editor);
  return editor.committed();
}

}  // namespace tarvel::ui
