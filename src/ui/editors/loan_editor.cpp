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

enum LoanEditorControl {
  kOk = 107,
  kCancel = 108,
  kHelp = 109,
  kCalculate = 111,
  kSellAge = 118,
  kPrintSchedule = 121,
};

constexpr int kHelpContext = 260;

// Checked after the down payment is compared with the amount.
const std::array<FieldRule, 2> kTermRules = {{
    {kSellAge, true, 0, 0.0, 120.0, 3, "SELL AGE ERROR"},
    {kLoanYears, false, 0, 0.0, 100.0, 5, "NO OF YEARS ERROR"},
}};

}  // namespace

DialogTemplate LoanTemplate() {
  DialogTemplate dialog{"loan", "Loan", {}};
  auto& controls = dialog.controls;
  AddLoanFieldRows(controls);
  AddLabelledField(controls, ControlKind::Edit, kSellAge, "Sell Asset Age", 4);
  AddLabelledField(controls, ControlKind::Edit, kLoanPayment, "Monthly Payment", 4, 2).enabled =
      false;
  AddLabelledField(controls, ControlKind::ComboBox, kLoanDepositAccount, "Deposit to:", 5)
      .column_span = 3;
  AddLabelledField(controls, ControlKind::ComboBox, kLoanPaymentAccount,
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
  ShowLoanFields(view, event, currency);
  view.SetText(kSellAge, FieldText(loan.sell_age(), kAgeField));
  deposit_choices_.Show(view, kLoanDepositAccount, loan.deposit_account());
  payment_choices_.Show(view, kLoanPaymentAccount,
                        static_cast<std::uint16_t>(loan.payment_account()));
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
  FieldValues values;
  if (!CheckLoanFields(services_, view, editing_, deposit_choices_, payment_choices_,
                       kLoanAmountRules, kTermRules, values)) {
    return false;
  }
  model::LoanTerms(editing_.event()).sell_age() = WholeYears(values[kSellAge]);
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
  if (!CheckFields(view) ||
      !StoreLoanAccounts(services_, view, editing_, deposit_choices_, payment_choices_,
                         AccountCheck::NoAssetsNoAllocation)) {
    return;
  }
  editing_.event().kind = model::EventKind::Loan;
  if (!editing_.Commit(services_.scenario, services_.prompter)) return;
  committed_ = true;
  view.Close(kIdOk);
}

bool EditLoan(EditorServices& services, const EditRequest& request) {
  LoanEditor editor(services, request);
  services.dialogs.RunModal(LoanTemplate(), editor);
  return editor.committed();
}

}  // namespace tarvel::ui
