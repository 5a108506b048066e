// The Accelerated Mortgage Payment Analysis dialog.
#include "ui/calculators/accelerated_payment_dialog.h"

#include <array>

#include "model/event_views.h"
#include "ui/calculators/calculator_fields.h"
#include "ui/editors/loan_fields.h"

namespace tarvel::ui {
namespace {

namespace calc = calculators;

enum AcceleratedControl {
  kLoan = 1,
  kYears = 2,
  kRate = 3,
  kExtra = 4,
  kPayment = 5,
  kTotalPayments = 6,
  kTotalInterest = 7,
  kPaymentYears = 8,
  kAcceleratedPayment = 9,
  kAcceleratedTotalPayments = 10,
  kAcceleratedTotalInterest = 11,
  kSavings = 12,
  kYearsLeft = 13,
  kExtraShown = 14,
  kInvestmentRate = 15,
  kTaxRate = 16,
  kInflationRate = 17,
  kInvestedValue = 18,
  kInvestedYears = 19,
  kOk = 20,
  kCalculate = 21,
  kHelp = 22,
  kExistingGroup = 23,
  kAcceleratedGroup = 24,
  kInvestmentGroup = 25,
};

// The fields of the analysis's inputs, by input number.
constexpr std::array<int, 8> kInputControls = {kLoan,  kYears,          kYearsLeft, kRate,
                                               kExtra, kInvestmentRate, kTaxRate,   kInflationRate};
constexpr int kHelpContext = 259;

void AddResult(std::vector<Control>& controls, int id, const char* label, int row, int column) {
  AddLabelledField(controls, ControlKind::Edit, id, label, row, column).enabled = false;
}

}  // namespace

DialogTemplate AcceleratedPaymentTemplate() {
  DialogTemplate dialog{"accelerated", "Accelerated Mortgage Payment Analysis", {}};
  auto& c = dialog.controls;
  AddLabelledField(c, ControlKind::Edit, kLoan, "Loan Amount", 0);
  AddLabelledField(c, ControlKind::Edit, kRate, "Rate (%)", 0, 2);
  AddLabelledField(c, ControlKind::Edit, kYears, "Number of Years", 1);
  AddLabelledField(c, ControlKind::Edit, kYearsLeft, "Years Left", 1, 2);
  AddLabelledField(c, ControlKind::Edit, kExtra, "Additional Monthly Payment", 2);
  c.push_back(MakeControl(kExistingGroup, ControlKind::GroupBox, "Existing Mortgage", 3, 0, 4));
  AddResult(c, kPayment, "Monthly Payment", 4, 0);
  AddResult(c, kTotalPayments, "Total Payments", 4, 2);
  AddResult(c, kTotalInterest, "Total Interest", 5, 0);
  c.push_back(
      MakeControl(kAcceleratedGroup, ControlKind::GroupBox, "Accelerated Mortgage", 6, 0, 4));
  AddResult(c, kPaymentYears, "Payment Years", 7, 0);
  AddResult(c, kAcceleratedPayment, "Monthly Payment", 7, 2);
  AddResult(c, kAcceleratedTotalPayments, "Total Payments", 8, 0);
  AddResult(c, kAcceleratedTotalInterest, "Total Interest", 8, 2);
  AddResult(c, kSavings, "Savings", 9, 0);
  c.push_back(MakeControl(kInvestmentGroup, ControlKind::GroupBox,
                          "Investing the Additional Payment Instead", 10, 0, 4));
  AddLabelledField(c, ControlKind::Edit, kInvestmentRate, "Investment Rate (%)", 11);
  AddLabelledField(c, ControlKind::Edit, kTaxRate, "Tax Rate (%)", 11, 2);
  AddLabelledField(c, ControlKind::Edit, kInflationRate, "Inflation Rate (%)", 12);
  AddResult(c, kExtraShown, "Additional Payment", 12, 2);
  AddResult(c, kInvestedValue, "Grows To", 13, 0);
  AddResult(c, kInvestedYears, "In Years", 13, 2);
  c.push_back(MakeControl(kCalculate, ControlKind::DefaultButton, "&Calculate"));
  c.push_back(MakeControl(kOk, ControlKind::PushButton, "OK"));
  c.push_back(MakeControl(kHelp, ControlKind::PushButton, "&Help"));
  return dialog;
}

calc::AcceleratedInputs AcceleratedMenuStart(const model::Scenario& scenario,
                                             const model::AcceleratedAnalysisInputs& kept) {
  const model::InitialValues& initial = scenario.initial;
  return {kept.loan,
          static_cast<double>(kept.years),
          static_cast<double>(kept.years_left),
          kept.rate,
          kept.extra_payment,
          5.0,
          initial.tax_rate,
          initial.inflation_rate};
}

calc::AcceleratedInputs AcceleratedMortgageStart(const model::Scenario& scenario,
                                                 const model::FinancialEvent& mortgage) {
  const model::MortgageTerms terms(mortgage);
  calc::AcceleratedInputs start = AcceleratedMenuStart(scenario, {});
  const int years = terms.term_years();
  start[calc::kAcceleratedLoan] = static_cast<float>(terms.principal());
  start[calc::kAcceleratedYears] = years;
  start[calc::kAcceleratedYearsLeft] =
      calc::YearsLeft(years, mortgage.start_age, scenario.initial.start_age);
  start[calc::kAcceleratedRate] = terms.yearly_rate_percent();
  start[calc::kAcceleratedExtra] = terms.accelerated_amount();
  return start;
}

void AcceleratedPaymentDialog::Initialise(platform::DialogView& view) {
  const model::Currency& currency = services_.program.currency;
  for (int input : {calc::kAcceleratedLoan, calc::kAcceleratedExtra}) {
    view.SetText(kInputControls[input], MoneyText(start_[input], currency));
  }
  for (int input : {calc::kAcceleratedYears, calc::kAcceleratedYearsLeft}) {
    view.SetText(kInputControls[input], model::Format("%d", static_cast<int>(start_[input])));
  }
  for (int input : {calc::kAcceleratedRate, calc::kAcceleratedInvestmentRate,
                    calc::kAcceleratedTaxRate, calc::kAcceleratedInflationRate}) {
    view.SetText(kInputControls[input], model::RateText(start_[input]));
  }
}

void AcceleratedPaymentDialog::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kCalculate:
      Calculate(view);
      break;
    case kOk:
    case kIdCancel:
      view.Close(kIdOk);
      break;
    case kHelp:
      services_.help.ShowTopic(kHelpContext);
      break;
    default:
      break;
  }
}

void AcceleratedPaymentDialog::Calculate(platform::DialogView& view) {
  const model::Currency& currency = services_.program.currency;
  calc::AcceleratedInputs inputs{};
  for (std::size_t input = 0; input < inputs.size(); ++input) {
    inputs[input] = FieldNumber(view, kInputControls[input], currency.symbol);
  }
  if (!AcceptInputs(view, services_.prompter, calc::CheckAccelerated(inputs), kInputControls,
                    services_.program.currency.symbol)) {
    return;
  }
  KeepInputs(inputs);
  const calc::AcceleratedResult r = calc::AnalyzeAccelerated(inputs);
  view.SetText(kPayment, MoneyText(r.payment, currency));
  view.SetText(kTotalPayments, MoneyText(r.total_payments, currency));
  view.SetText(kTotalInterest, MoneyText(r.total_interest, currency));
  view.SetText(kPaymentYears, model::Format("%-7.3f", r.paying_months * (1.0f / 12.0f)));
  view.SetText(kAcceleratedPayment, MoneyText(r.accelerated_payment, currency));
  view.SetText(kAcceleratedTotalPayments, MoneyText(r.accelerated_total_payments, currency));
  view.SetText(kAcceleratedTotalInterest, MoneyText(r.accelerated_total_interest, currency));
  view.SetText(kSavings, MoneyText(r.savings, currency));
  view.SetText(kExtraShown, MoneyText(inputs[calc::kAcceleratedExtra], currency));
  view.SetText(kInvestedValue, MoneyText(r.invested_value, currency));
  view.SetText(kInvestedYears, model::Format("%3d", r.invested_years));
}

void AcceleratedPaymentDialog::KeepInputs(const calc::AcceleratedInputs& inputs) {
  model::AcceleratedAnalysisInputs& kept = services_.program.calculators.accelerated;
  kept.loan = static_cast<float>(inputs[calc::kAcceleratedLoan]);
  kept.years = static_cast<int>(calc::WholePart(inputs[calc::kAcceleratedYears]));
  kept.years_left = static_cast<int>(calc::WholePart(inputs[calc::kAcceleratedYearsLeft]));
  kept.rate = static_cast<float>(inputs[calc::kAcceleratedRate]);
  kept.extra_payment = static_cast<float>(inputs[calc::kAcceleratedExtra]);
}

void ShowAcceleratedAnalysis(EditorServices& services, const calc::AcceleratedInputs& start) {
  AcceleratedPaymentDialog dialog(services, start);
  services.dialogs.RunModal(AcceleratedPaymentTemplate(), dialog);
}

bool RunAcceleratedPaymentAnalysis(EditorServices& services, const EditRequest&) {
  ShowAcceleratedAnalysis(
      services, AcceleratedMenuStart(services.scenario, services.program.calculators.accelerated));
  return false;
}

}  // namespace tarvel::ui
