// The Mortgage editor.
#include "ui/editors/mortgage_editor.h"

#include <algorithm>
#include <array>
#include <utility>

#include "model/event_views.h"
#include "model/money_format.h"
#include "model/scenario_ops.h"
#include "ui/calculators/accelerated_payment_dialog.h"
#include "ui/calculators/refinance_dialog.h"
#include "ui/editors/equity_loan_editor.h"
#include "ui/editors/field_check.h"
#include "ui/editors/field_text.h"
#include "ui/editors/loan_fields.h"

namespace tarvel::ui {
namespace {

enum MortgageControl {
  kDescription = 101,
  kStartAge = 102,
  kPayoffAge = 103,
  kPrice = 104,
  kDownPayment = 105,
  kRate = 106,
  kYears = 107,
  kPayment = 108,
  kOk = 109,
  kCancel = 110,
  kHelp = 111,
  kCalculate = 112,
  kAppreciation = 113,
  kSellAge = 114,
  kSchedule = 115,
  kTaxes = 116,
  kClosingCosts = 117,
  kRefinance = 118,
  kKeepDownPayment = 119,
  kInflateTaxes = 120,
  kAccelerated = 121,
  kExtraAmount = 122,
  kExtraFromStart = 123,
  kExtraFromPlanStart = 124,
  kSellingPercent = 125,
  kPaymentAccount = 126,
  kEquityAccount = 127,
  kEquityLoan = 128,
  kExtraGroup = 129,
};

constexpr int kHelpContext = 259;
constexpr char kDownPaymentError[] = "DOWN PAYMENT ERROR";
constexpr double kExtraAmountLimit = 100000.0;

const std::array<FieldRule, 7> kPriceRules = {{
    {kStartAge, true, 0, 1.0, 120.0, 7, "START AGE ERROR"},
    {kPayoffAge, true, 0, 1.0, 120.0, 7, "PAYOFF AGE ERROR"},
    {kRate, true, 0, 1.0, 1000.0, 6, "RATE ERROR"},
    {kPrice, true, 0, 1.0, 1e8, 2, "AMOUNT ERROR"},
    {kTaxes, true, 0, 0.0, 1e8, 2, "TAX ERROR"},
    {kClosingCosts, true, 0, 0.0, 1e8, 2, "CLOSING ERROR"},
    {kDownPayment, true, 0, 0.0, 1e8, 2, kDownPaymentError},
}};
const std::array<FieldRule, 4> kTermRules = {{
    {kYears, false, 0, 1.0, 100.0, 5, "NO OF YEARS ERROR"},
    {kAppreciation, true, 0, -1000.0, 1000.0, 6, "RATE ERROR"},
    {kSellAge, true, 0, 0.0, 120.0, 3, "AGE ERROR"},
    {kSellingPercent, true, 0, -1000.0, 1000.0, 6, "RATE ERROR"},
}};

// The additional monthly amount: at least 0 and below 100,000.
std::optional<double> CheckExtraAmount(platform::DialogView& view, platform::Prompter& prompter,
                                       char currency_symbol) {
  const std::optional<double> amount = ParseFieldNumber(view.Text(kExtraAmount), currency_symbol);
  if (amount && *amount >= 0 && *amount < kExtraAmountLimit) return amount;
  constexpr char kCaption[] = "Additional Monthly Amount Error";
  ShowStop(prompter,
           RefusalText(view, kExtraAmount, kCaption,
                       "This amount must be greater than or equal to  0.00 and less than 99999.99",
                       currency_symbol),
           kCaption);
  view.SetFocus(kExtraAmount);
  return std::nullopt;
}

// The payoff age and the number of years each follow from the other and the start age, so
// either is enough: an empty (or zero) one is filled in. False, after a message, when both are
// missing. Texts that are no number are left to the field checks.
bool CompletePayoffOrYears(platform::DialogView& view, platform::Prompter& prompter,
                           char currency_symbol) {
  constexpr float kOldestAge = 120;
  constexpr int kLongestTerm = 100;
  const std::optional<double> start = ParseFieldNumber(view.Text(kStartAge), currency_symbol);
  const std::optional<double> payoff = ParseFieldNumber(view.Text(kPayoffAge), currency_symbol);
  const std::optional<double> years = ParseFieldNumber(view.Text(kYears), currency_symbol);
  if (!start || *start < 1 || !payoff || !years) return true;
  const float start_age = WholeYears(*start);
  const int whole_years = static_cast<int>(*years);
  const bool no_payoff = *payoff <= 0;
  const bool no_years = whole_years <= 0;
  if (no_payoff && no_years) {
    ShowStop(prompter,
             "Type the Payoff Age or the No. of Years: either is enough, the other follows "
             "from the Start Age.",
             "PAYOFF AGE ERROR");
    view.SetFocus(kPayoffAge);
    return false;
  }
  if (no_payoff && whole_years <= kLongestTerm) {
    const float payoff_age = std::min(start_age + static_cast<float>(whole_years), kOldestAge);
    view.SetText(kPayoffAge, FieldText(payoff_age, kAgeField));
  } else if (no_years && WholeYears(*payoff) > start_age && *payoff <= kOldestAge) {
    view.SetText(kYears, model::Format("%d", static_cast<int>(WholeYears(*payoff) - start_age)));
  }
  return true;
}

std::uint16_t AcceleratedOption(const platform::DialogView& view) {
  using Terms = model::MortgageTerms<model::FinancialEvent>;
  if (view.Checked(kExtraFromStart)) return Terms::kExtraFromFirstPayment;
  if (view.Checked(kExtraFromPlanStart)) return Terms::kExtraFromScenarioStart;
  return 0;
}

void ShowNotEquityWarning(platform::Prompter& prompter) {
  ShowWarning(
      prompter,
      "You have selected an account that is not an Equity account!\nPlease make sure that this "
      "is your intent.",
      kAccountWarning);
}

}  // namespace

DialogTemplate MortgageTemplate() {
  DialogTemplate dialog{"mortgage", "Mortgage", {}};
  auto& controls = dialog.controls;
  Control& description =
      AddLabelledField(controls, ControlKind::Edit, kDescription, "Description", 0);
  description.max_chars = kDescriptionChars;
  description.column_span = 3;
  AddLabelledField(controls, ControlKind::Edit, kStartAge, "Start Age", 1);
  AddLabelledField(controls, ControlKind::Edit, kPayoffAge, "Payoff Age", 1, 2);
  AddLabelledField(controls, ControlKind::Edit, kPrice, "Purchase Price", 2);
  AddLabelledField(controls, ControlKind::Edit, kDownPayment, "Down Payment / Equity", 2, 2);
  AddLabelledField(controls, ControlKind::Edit, kRate, "Rate (%)", 3);
  AddLabelledField(controls, ControlKind::Edit, kYears, "No. of Years", 3, 2);
  AddLabelledField(controls, ControlKind::Edit, kTaxes, "Property Taxes", 4);
  AddLabelledField(controls, ControlKind::Edit, kClosingCosts, "Closing Costs", 4, 2);
  AddLabelledField(controls, ControlKind::Edit, kAppreciation, "Appreciation Rate (%)", 5);
  AddLabelledField(controls, ControlKind::Edit, kPayment, "Monthly Payment", 5, 2).enabled = false;
  AddLabelledField(controls, ControlKind::Edit, kSellAge, "Sell Age", 6);
  AddLabelledField(controls, ControlKind::Edit, kSellingPercent, "Selling Expenses (%)", 6, 2);
  controls.push_back(
      MakeControl(kInflateTaxes, ControlKind::CheckBox, "Apply inflation rate to taxes", 7, 0, 2));
  controls.push_back(MakeControl(kKeepDownPayment, ControlKind::CheckBox,
                                 "Do not withdraw down payment", 7, 2, 2));
  controls.push_back(
      MakeControl(kExtraGroup, ControlKind::GroupBox, "Accelerated Payments", 8, 0, 4));
  controls.push_back(MakeControl(kExtraFromStart, ControlKind::CheckBox,
                                 "Additional payment starting at the mortgage start age", 9, 0, 4));
  controls.push_back(MakeControl(kExtraFromPlanStart, ControlKind::CheckBox,
                                 "Additional payment starting at the Initial Values start age", 10,
                                 0, 4));
  AddLabelledField(controls, ControlKind::Edit, kExtraAmount, "Additional Monthly Amount", 11);
  AddLabelledField(controls, ControlKind::ComboBox, kPaymentAccount,
                   "Withdraw payments from account:", 12)
      .column_span = 3;
  AddLabelledField(controls, ControlKind::ComboBox, kEquityAccount, "Assign equity account:", 13)
      .column_span = 3;
  // The analyses of the property sit in a row above the dialog's own buttons, so the dialog
  // stays narrower than the main window.
  for (auto [id, label] : {std::pair{kEquityLoan, "Take Out A &Loan On This Property"},
                           std::pair{kRefinance, "Do &Refinancing Analysis"},
                           std::pair{kAccelerated, "Do &Accelerated Payment Analysis"}}) {
    controls.push_back(MakeControl(id, ControlKind::PushButton, label));
    controls.back().button_row = 1;
  }
  controls.push_back(MakeControl(kCalculate, ControlKind::PushButton, "&Calculate"));
  Control schedule = MakeControl(kSchedule, ControlKind::PushButton, "&Schedule");
  schedule.enabled = false;
  controls.push_back(schedule);
  controls.push_back(MakeControl(kOk, ControlKind::DefaultButton, "OK"));
  controls.push_back(MakeControl(kCancel, ControlKind::PushButton, "Cancel"));
  controls.push_back(MakeControl(kHelp, ControlKind::PushButton, "&Help"));
  return dialog;
}

MortgageEditor::MortgageEditor(EditorServices& services, const EditRequest& request)
    : services_(services),
      editing_(services.scenario, request),
      payment_choices_(services.scenario, true),
      equity_choices_(services.scenario, true) {}

void MortgageEditor::Initialise(platform::DialogView& view) {
  const model::FinancialEvent& event = editing_.event();
  const model::MortgageTerms mortgage(event);
  const model::Currency& currency = services_.program.currency;
  using Terms = model::MortgageTerms<const model::FinancialEvent>;
  view.SetText(kDescription, event.description.str());
  view.SetText(kStartAge, FieldText(event.start_age, kAgeField));
  view.SetText(kPayoffAge, FieldText(event.end_age, kAgeField));
  view.SetText(kPrice, MoneyFieldText(mortgage.purchase_price(), currency));
  view.SetText(kDownPayment, MoneyFieldText(mortgage.down_payment(), currency));
  view.SetText(kRate, FieldText(mortgage.yearly_rate_percent(), kRateField));
  view.SetText(kYears, model::Format("%d", static_cast<int>(mortgage.term_years())));
  view.SetText(kPayment, MoneyFieldText(mortgage.monthly_payment(), currency));
  view.SetText(kTaxes, MoneyFieldText(mortgage.property_taxes(), currency));
  view.SetText(kClosingCosts, MoneyFieldText(mortgage.closing_costs(), currency));
  view.SetText(kAppreciation, FieldText(mortgage.appreciation_rate_percent(), kRateField));
  view.SetText(kSellAge, FieldText(mortgage.sell_age(), kAgeField));
  view.SetText(kSellingPercent, FieldText(mortgage.selling_percent(), kRateField));
  view.SetText(kExtraAmount, MoneyFieldText(mortgage.accelerated_amount(), currency));
  view.SetChecked(kInflateTaxes, mortgage.apply_inflation_to_taxes() != 0);
  // The flag shares its field with the account a new record starts with (65535): only 1 is set.
  view.SetChecked(kKeepDownPayment, mortgage.keep_down_payment() == 1);
  view.SetChecked(kExtraFromStart, mortgage.accelerated_option() == Terms::kExtraFromFirstPayment);
  view.SetChecked(kExtraFromPlanStart,
                  mortgage.accelerated_option() == Terms::kExtraFromScenarioStart);
  payment_choices_.Show(view, kPaymentAccount,
                        static_cast<std::uint16_t>(mortgage.payment_account()));
  equity_choices_.Show(view, kEquityAccount, mortgage.equity_account());
  view.SetEnabled(kSchedule, services_.report_windows != nullptr);
}

void MortgageEditor::Command(platform::DialogView& view, int control) {
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
    case kSchedule:
      // The schedule shows the terms as typed, checked as Calculate checks them.
      if (services_.report_windows != nullptr && CheckFields(view)) {
        services_.report_windows->OpenMortgageSchedule(editing_.event());
      }
      break;
    case kEquityLoan:
      TakeOutLoan(view);
      break;
    case kAccelerated:
      AnalyzeAcceleratedPayments(view);
      break;
    case kRefinance:
      AnalyzeRefinancing(view);
      break;
    case kExtraFromStart:
      // The two starts of the additional payment exclude each other; neither is allowed.
      if (view.Checked(kExtraFromStart)) view.SetChecked(kExtraFromPlanStart, false);
      break;
    case kExtraFromPlanStart:
      if (view.Checked(kExtraFromPlanStart)) view.SetChecked(kExtraFromStart, false);
      break;
    case kHelp:
      services_.help.ShowTopic(kHelpContext);
      break;
    default:
      break;
  }
}

bool MortgageEditor::CheckFields(platform::DialogView& view) {
  model::FinancialEvent& event = editing_.event();
  ReadDescription(view, kDescription, event);
  const char symbol = services_.program.currency.symbol;
  if (!CompletePayoffOrYears(view, services_.prompter, symbol)) return false;
  FieldValues values;
  if (!ReadFields(view, services_.prompter, kPriceRules, symbol, values) ||
      !CheckDownPayment(view, services_.prompter, values[kPrice], values[kDownPayment],
                        kDownPayment, kDownPaymentError) ||
      !ReadFields(view, services_.prompter, kTermRules, symbol, values)) {
    return false;
  }
  const std::optional<double> extra = CheckExtraAmount(view, services_.prompter, symbol);
  if (!extra) return false;
  const model::MortgageTerms mortgage(event);
  event.start_age = WholeYears(values[kStartAge]);
  event.end_age = WholeYears(values[kPayoffAge]);
  mortgage.yearly_rate_percent() = static_cast<float>(values[kRate]);
  mortgage.purchase_price() = static_cast<float>(values[kPrice]);
  mortgage.property_taxes() = static_cast<float>(values[kTaxes]);
  mortgage.closing_costs() = static_cast<float>(values[kClosingCosts]);
  mortgage.down_payment() = static_cast<float>(values[kDownPayment]);
  mortgage.term_years() = static_cast<std::int16_t>(values[kYears]);
  mortgage.appreciation_rate_percent() = static_cast<float>(values[kAppreciation]);
  mortgage.sell_age() = WholeYears(values[kSellAge]);
  mortgage.selling_percent() = static_cast<float>(values[kSellingPercent]);
  mortgage.apply_inflation_to_taxes() = view.Checked(kInflateTaxes) ? 1 : 0;
  mortgage.accelerated_option() = AcceleratedOption(view);
  mortgage.keep_down_payment() = view.Checked(kKeepDownPayment) ? 1 : 0;
  mortgage.accelerated_amount() = static_cast<float>(*extra);
  mortgage.monthly_payment() = LevelMonthlyPayment(
      mortgage.principal(), mortgage.yearly_rate_percent(), mortgage.term_years());
  view.SetText(kPayment, MoneyFieldText(mortgage.monthly_payment(), services_.program.currency));
  return true;
}

bool MortgageEditor::CheckAccounts(platform::DialogView& view) {
  model::Scenario& scenario = services_.scenario;
  platform::Prompter& prompter = services_.prompter;
  const std::uint16_t payments = payment_choices_.Chosen(view, kPaymentAccount);
  if (AccountUsedByMortgage(scenario, editing_.event_count_at_opening(), prompter, payments) ||
      !CheckAccountChoice(scenario, prompter, payments, AccountCheck::NoAssets)) {
    return false;
  }
  const std::uint16_t equity = equity_choices_.Chosen(view, kEquityAccount);
  const int position = model::FindAccount(scenario, equity);
  if (position >= 0 && scenario.accounts.records[position].type != model::AccountType::Equity) {
    ShowNotEquityWarning(prompter);
  }
  if (!CheckAccountChoice(scenario, prompter, equity, AccountCheck::NoAllocation)) return false;
  const model::MortgageTerms mortgage(editing_.event());
  mortgage.payment_account() = payments;
  mortgage.payment_account_chosen() =
      payments == model::kNoAccount ? 0 : model::kChosenAccountMarker;
  mortgage.equity_account() = equity;
  return true;
}

void MortgageEditor::TakeOutLoan(platform::DialogView& view) {
  if (editing_.adding()) return;  // the loan needs a mortgage that is already stored
  EquityLoanMortgage mortgage;
  mortgage.number = services_.scenario.events[editing_.slot()].number;
  mortgage.equity_account = equity_choices_.Chosen(view, kEquityAccount);
  if (TakeOutEquityLoan(services_, mortgage)) loan_added_ = true;
}

void MortgageEditor::StartFrom(const MortgageStart& start) {
  const model::MortgageTerms mortgage(editing_.event());
  mortgage.purchase_price() = start.price;
  mortgage.down_payment() = start.down_payment;
  mortgage.yearly_rate_percent() = start.rate;
  mortgage.term_years() = static_cast<std::int16_t>(start.years);
  mortgage.monthly_payment() =
      LevelMonthlyPayment(mortgage.principal(), mortgage.yearly_rate_percent(), start.years);
}

// The analysis of the mortgage as typed: its financed amount, term, years left and rate.
void MortgageEditor::AnalyzeAcceleratedPayments(platform::DialogView& view) {
  if (!CheckFields(view)) return;
  ShowAcceleratedAnalysis(services_,
                          AcceleratedMortgageStart(services_.scenario, editing_.event()));
}

// On a stored mortgage the analysis can add the refinanced mortgage; the dialog then closes,
// its unsaved edits discarded and the new event kept.
void MortgageEditor::AnalyzeRefinancing(platform::DialogView& view) {
  if (editing_.adding()) {
    RunRefinanceAnalysis(services_, EditRequest{});
    return;
  }
  if (!RefinanceStoredMortgage(services_, editing_.slot())) return;
  refinance_added_ = true;
  view.Close(kIdCancel);
}

void MortgageEditor::Confirm(platform::DialogView& view) {
  if (!CheckFields(view) || !CheckAccounts(view)) return;
  editing_.event().kind = model::EventKind::Mortgage;
  if (!editing_.Commit(services_.scenario, services_.prompter)) return;
  committed_ = true;
  view.Close(kIdOk);
}

bool EditMortgage(EditorServices& services, const EditRequest& request) {
  MortgageEditor editor(services, request);
  services.dialogs.RunModal(MortgageTemplate(), editor);
  return editor.committed() || editor.loan_added() || editor.refinance_added();
}

bool EditNewMortgageFrom(EditorServices& services, const MortgageStart& start) {
  MortgageEditor editor(services, EditRequest{});
  editor.StartFrom(start);
  services.dialogs.RunModal(MortgageTemplate(), editor);
  return editor.committed();
}

}  // namespace tarvel::ui
