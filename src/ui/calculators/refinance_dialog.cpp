// The Refinance Analysis dialog and its details window.
#include "ui/calculators/refinance_dialog.h"

#include <array>
#include <filesystem>

#include "model/atomic_file.h"
#include "model/event_views.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"
#include "model/working_file_names.h"
#include "ui/calculators/calculator_fields.h"
#include "ui/commands/sibling_programs.h"
#include "ui/editors/event_editing.h"
#include "ui/editors/field_check.h"
#include "ui/editors/loan_fields.h"

namespace tarvel::ui {
namespace {

namespace calc = calculators;

enum RefinanceControl {
  kStartAge = 104,
  kAmount = 105,
  kRate = 106,
  kYears = 107,
  kPayment = 108,
  kRefinanceAge = 109,
  kNewAmount = 110,
  kNewRate = 111,
  kNewYears = 112,
  kNewPayment = 113,
  kClosingCosts = 114,
  kIncludeClosing = 115,
  kPoints = 116,
  kIncludePoints = 117,
  kOk = 118,
  kCancel = 119,
  kDoAnalysis = 120,
  kHelp = 121,
  kTaxRate = 122,
  kSavingsRate = 123,
  kShowDetails = 124,
  kRefinancedAmount = 125,
  kTotalCosts = 126,
  kBreakEven = 127,
  kCashOut = 128,
  kCashOutSavings = 129,
  kGraph = 130,
  kCreateEvent = 131,
  kExistingGroup = 132,
  kRefinancedGroup = 133,
  kResultsGroup = 134,
  kDetailsList = 101,
  kDetailsPrint = 102,
};

// The fields of the analysis's inputs, by input number.
constexpr std::array<int, model::kRefinanceFields> kInputControls = {
    kStartAge, kAmount,   kRate,         kYears,  kRefinanceAge, kNewAmount,  kCashOut,
    kNewRate,  kNewYears, kClosingCosts, kPoints, kTaxRate,      kSavingsRate};
constexpr int kHelpContext = 259;
constexpr char kRefinancePrefix[] = "RF-";

// The plan's first active mortgage, else its first mortgage; -1 when it has none.
int PlanMortgage(const model::Scenario& scenario) {
  int first = -1;
  const int count = model::EventCount(scenario);
  for (int slot = 0; slot < count; ++slot) {
    const model::FinancialEvent& event = scenario.events[slot];
    if (event.kind != model::EventKind::Mortgage) continue;
    if (!model::IsInactive(event)) return slot;
    if (first < 0) first = slot;
  }
  return first;
}

void WriteWorkingFile(const std::string& path, const std::string& text, bool& written) {
  written = model::WriteFileAtomically(path, text);
}

class DetailsWindow : public DialogPresenter {
 public:
  explicit DetailsWindow(const calc::RefinanceResult& result) : result_(result) {}
  void Initialise(platform::DialogView& view) override {
    std::vector<std::string> rows;
    for (const calc::RefinanceRow& row : result_.rows) {
      std::string item;
      for (const std::string& cell : calc::RefinanceRowCells(row)) {
        item += item.empty() ? cell : "\t" + cell;
      }
      rows.push_back(item);
    }
    view.SetItems(kDetailsList, rows);
  }
  void Command(platform::DialogView& view, int control) override {
    if (control == kIdOk || control == kIdCancel) view.Close(kIdOk);
  }

 private:
  const calc::RefinanceResult& result_;
};

}  // namespace

DialogTemplate RefinanceTemplate() {
  DialogTemplate dialog{"refinance", "Refinance Analysis", {}};
  auto& c = dialog.controls;
  c.push_back(MakeControl(kExistingGroup, ControlKind::GroupBox, "Existing Mortgage", 0, 0, 4));
  AddLabelledField(c, ControlKind::Edit, kStartAge, "Start Age of Mortgage", 1);
  AddLabelledField(c, ControlKind::Edit, kAmount, "Amount ", 1, 2);
  AddLabelledField(c, ControlKind::Edit, kRate, "Rate (%)", 2);
  AddLabelledField(c, ControlKind::Edit, kYears, "No. of Years", 2, 2);
  AddLabelledField(c, ControlKind::Edit, kPayment, "Monthly Payment", 3).enabled = false;
  c.push_back(MakeControl(kRefinancedGroup, ControlKind::GroupBox, "Refinanced Mortgage", 4, 0, 4));
  AddLabelledField(c, ControlKind::Edit, kRefinanceAge, "Age at Refinancing", 5);
  AddLabelledField(c, ControlKind::Edit, kNewAmount, "Amount ", 5, 2);
  AddLabelledField(c, ControlKind::Edit, kCashOut, "Cash Out", 6);
  c.push_back(
      MakeControl(kCashOutSavings, ControlKind::CheckBox, "Use Cash Out as savings", 6, 2, 2));
  AddLabelledField(c, ControlKind::Edit, kNewRate, "Rate (%)", 7);
  AddLabelledField(c, ControlKind::Edit, kNewYears, "No. of Years", 7, 2);
  AddLabelledField(c, ControlKind::Edit, kClosingCosts, "Closing Costs", 8);
  c.push_back(MakeControl(kIncludeClosing, ControlKind::CheckBox,
                          "Include closing costs in mortgage", 8, 2, 2));
  AddLabelledField(c, ControlKind::Edit, kPoints, "Mortgage Points (%)", 9);
  c.push_back(
      MakeControl(kIncludePoints, ControlKind::CheckBox, "Include points in mortgage", 9, 2, 2));
  AddLabelledField(c, ControlKind::Edit, kNewPayment, "Monthly Payment", 10).enabled = false;
  AddLabelledField(c, ControlKind::Edit, kTaxRate, "Effective Tax Rate (%)", 11);
  AddLabelledField(c, ControlKind::Edit, kSavingsRate, "Savings Rate (%)", 11, 2);
  c.push_back(MakeControl(kResultsGroup, ControlKind::GroupBox, "Results", 12, 0, 4));
  AddLabelledField(c, ControlKind::Edit, kRefinancedAmount, "Refinanced Amount", 13).enabled =
      false;
  AddLabelledField(c, ControlKind::Edit, kTotalCosts, "Total Mortgage Costs", 13, 2).enabled =
      false;
  AddLabelledField(c, ControlKind::Edit, kBreakEven, "Months to Break Even", 14).enabled = false;
  c.push_back(MakeControl(kDoAnalysis, ControlKind::DefaultButton, "Do &Analysis"));
  c.push_back(MakeControl(kShowDetails, ControlKind::PushButton, "Show &Details"));
  c.push_back(MakeControl(kGraph, ControlKind::PushButton, "&Graph"));
  c.push_back(MakeControl(kCreateEvent, ControlKind::PushButton, "Create This &Refinance Event"));
  c.push_back(MakeControl(kOk, ControlKind::PushButton, "OK"));
  c.push_back(MakeControl(kCancel, ControlKind::PushButton, "Cancel"));
  c.push_back(MakeControl(kHelp, ControlKind::PushButton, "&Help"));
  return dialog;
}

DialogTemplate RefinanceDetailsTemplate() {
  DialogTemplate dialog{"refdetails", "Refinance Analysis", {}};
  Control list = MakeControl(kDetailsList, ControlKind::ListView, "");
  list.columns = {"Age",
                  "Net Worth",
                  "Savings",
                  "Equity",
                  "+Diff. in Mon. Pay.",
                  "+Principal",
                  "-Interest",
                  "+Tax Savings",
                  "+Savings Interest",
                  "-Tax on Interest"};
  dialog.controls.push_back(list);
  dialog.controls.push_back(MakeControl(kIdOk, ControlKind::DefaultButton, "OK"));
  Control print = MakeControl(kDetailsPrint, ControlKind::PushButton, "&Print");
  print.enabled = false;  // printed with the reports
  dialog.controls.push_back(print);
  return dialog;
}

void RefinanceDialog::Initialise(platform::DialogView& view) {
  const model::RefinanceAnalysisInputs& kept = services_.program.calculators.refinance;
  if (mortgage_slot_ < 0 && kept.kept) {
    for (std::size_t field = 0; field < kInputControls.size(); ++field) {
      view.SetText(kInputControls[field], kept.fields[field]);
    }
    view.SetChecked(kCashOutSavings, kept.cash_out_as_savings);
    view.SetChecked(kIncludeClosing, kept.include_closing_costs);
    view.SetChecked(kIncludePoints, kept.include_points);
    return;
  }
  const model::Scenario& scenario = services_.scenario;
  const model::InitialValues& initial = scenario.initial;
  float start_age = static_cast<float>(static_cast<int>(initial.start_age));
  float amount = 0;
  float rate = 0;
  int years = 30;
  // From the menu the analysis starts from the plan's mortgage, when it has one.
  const int source = mortgage_slot_ >= 0 ? mortgage_slot_ : PlanMortgage(scenario);
  if (source >= 0) {
    const model::FinancialEvent& event = scenario.events[source];
    const model::MortgageTerms mortgage(event);
    start_age = model::RealStartAge(event);
    amount = static_cast<float>(mortgage.principal());
    rate = mortgage.yearly_rate_percent();
    years = mortgage.term_years();
  }
  const model::Currency& currency = services_.program.currency;
  const float refinance_age =
      std::max(start_age, static_cast<float>(static_cast<int>(initial.start_age)));
  view.SetText(kStartAge, model::Format("%d", static_cast<int>(start_age)));
  view.SetText(kAmount, MoneyText(amount, currency));
  view.SetText(kRate, model::RateText(rate));
  view.SetText(kYears, model::Format("%d", years));
  view.SetText(kRefinanceAge, model::Format("%d", static_cast<int>(refinance_age)));
  view.SetText(kNewAmount, MoneyText(0, currency));
  view.SetText(kCashOut, MoneyText(0, currency));
  view.SetText(kNewRate, model::RateText(rate));
  view.SetText(kNewYears, model::Format("%d", years));
  view.SetText(kClosingCosts, MoneyText(0, currency));
  view.SetText(kPoints, model::RateText(0));
  view.SetText(kTaxRate, model::RateText(initial.tax_rate));
  view.SetText(kSavingsRate, model::RateText(initial.investment_rate));
}

void RefinanceDialog::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kDoAnalysis:
      AnalyzeRefinance(view, RefinanceMode::Analysis);
      break;
    case kShowDetails:
      AnalyzeRefinance(view, RefinanceMode::Details);
      break;
    case kGraph:
      AnalyzeRefinance(view, RefinanceMode::Graph);
      break;
    case kCreateEvent:
      CreateRefinanceEvent(view);
      break;
    case kOk:
      view.Close(kIdOk);
      break;
    case kCancel:
    case kIdCancel:
      view.Close(kIdCancel);
      break;
    case kHelp:
      services_.help.ShowTopic(kHelpContext);
      break;
    default:
      break;
  }
}

std::optional<calc::RefinanceInputs> RefinanceDialog::ReadInputs(platform::DialogView& view) {
  calc::RefinanceInputs inputs;
  for (std::size_t input = 0; input < inputs.values.size(); ++input) {
    inputs.values[input] =
        FieldNumber(view, kInputControls[input], services_.program.currency.symbol);
  }
  inputs.cash_out_as_savings = view.Checked(kCashOutSavings);
  inputs.include_closing_costs = view.Checked(kIncludeClosing);
  inputs.include_points = view.Checked(kIncludePoints);
  if (!AcceptInputs(view, services_.prompter, calc::CheckRefinance(inputs.values), kInputControls,
                    services_.program.currency.symbol)) {
    return std::nullopt;
  }
  KeepFields(view, inputs);
  return inputs;
}

void RefinanceDialog::KeepFields(const platform::DialogView& view,
                                 const calc::RefinanceInputs& inputs) {
  model::RefinanceAnalysisInputs& kept = services_.program.calculators.refinance;
  kept.kept = true;
  for (std::size_t field = 0; field < kInputControls.size(); ++field) {
    kept.fields[field] = view.Text(kInputControls[field]);
  }
  kept.cash_out_as_savings = inputs.cash_out_as_savings;
  kept.include_closing_costs = inputs.include_closing_costs;
  kept.include_points = inputs.include_points;
}

bool RefinanceDialog::AnalyzeRefinance(platform::DialogView& view, RefinanceMode mode) {
  const std::optional<calc::RefinanceInputs> inputs = ReadInputs(view);
  if (!inputs) return false;
  const calc::RefinanceResult result = calc::CompareRefinance(*inputs);
  ShowResult(view, result);
  if (mode == RefinanceMode::Details) ShowDetails(result);
  if (mode == RefinanceMode::Graph) DrawGraph(result);
  return true;
}

void RefinanceDialog::ShowResult(platform::DialogView& view, const calc::RefinanceResult& result) {
  const model::Currency& currency = services_.program.currency;
  if (result.amount_computed)
    view.SetText(kNewAmount, model::Format("%-12.2f", result.owed_amount));
  view.SetText(kPayment,
               model::FormatMoney(model::Format("%-9.2f", result.existing_payment), currency));
  view.SetText(kNewPayment,
               model::FormatMoney(model::Format("%-12.2f", result.refinanced_payment), currency));
  view.SetText(kRefinancedAmount,
               model::FormatMoney(model::Format("%-12.2f", result.refinanced_amount), currency));
  view.SetText(kTotalCosts, model::FormatMoney(model::Format("%-12.2f", result.costs), currency));
  view.SetText(kBreakEven, result.break_even_month ? model::Format("%-3d", *result.break_even_month)
                                                   : std::string("Never"));
}

std::string RefinanceDialog::WorkingPath(const char* name) const {
  return (std::filesystem::path(services_.program.working_directory) / name).string();
}

void RefinanceDialog::ShowDetails(const calc::RefinanceResult& result) {
  bool written = false;
  WriteWorkingFile(WorkingPath("refprt.tmp"), calc::RefinanceDetailsText(result), written);
  if (!written) ShowStop(services_.prompter, "Cannot open refprt.tmp for writing!", "FILE ERROR");
  DetailsWindow details(result);
  services_.dialogs.RunModal(RefinanceDetailsTemplate(), details);
}

void RefinanceDialog::DrawGraph(const calc::RefinanceResult& result) {
  bool written = false;
  WriteWorkingFile(WorkingPath(model::kRefinanceFileName), calc::RefinanceGraphText(result),
                   written);
  if (!written) {
    ShowStop(services_.prompter, "Cannot open ref.tmp for writing!", "FILE ERROR");
    return;  // nothing for the plotter to draw
  }
  StartSibling(services_.launcher, RefinancePlotterStart(services_.program.currency.word));
}

void RefinanceDialog::CreateRefinanceEvent(platform::DialogView& view) {
  if (mortgage_slot_ < 0) {
    view.Close(kIdOk);
    return;
  }
  const std::optional<calc::RefinanceInputs> inputs = ReadInputs(view);
  if (!inputs) return;
  const calc::RefinanceResult result = calc::CompareRefinance(*inputs);
  ShowResult(view, result);
  model::Scenario& scenario = services_.scenario;
  if (!RoomForEvent(scenario, services_.prompter)) return;
  model::FinancialEvent& existing = scenario.events[mortgage_slot_];
  const float refinance_age =
      static_cast<float>(calc::WholePart(inputs->values[calc::kRefinanceAge]));
  const int years = static_cast<int>(calc::WholePart(inputs->values[calc::kRefinancedYears]));
  EventEditing editing(scenario, EditRequest{});
  model::FinancialEvent& copy = editing.event();
  copy = existing;
  copy.description.assign(kRefinancePrefix + existing.description.str());
  copy.start_age = refinance_age;
  copy.end_age = refinance_age + static_cast<float>(years);
  const model::MortgageTerms terms(copy);
  // The refinanced loan pays off the old one: it buys nothing, costs no down payment and
  // leaves the property, its taxes and its sale with the existing mortgage.
  terms.purchase_price() = result.refinanced_amount;
  terms.down_payment() = 0;
  terms.keep_down_payment() = 1;
  terms.yearly_rate_percent() = static_cast<float>(inputs->values[calc::kRefinancedRate]);
  terms.term_years() = static_cast<std::int16_t>(years);
  terms.monthly_payment() = result.refinanced_payment;
  terms.closing_costs() = inputs->include_closing_costs
                              ? 0.0f
                              : static_cast<float>(inputs->values[calc::kClosingCosts]);
  terms.property_taxes() = 0;
  terms.appreciation_rate_percent() = 0;
  terms.sell_age() = 0;
  terms.accelerated_option() = 0;
  terms.accelerated_amount() = 0;
  terms.equity_account() = model::kNoAccount;
  if (!editing.Commit(scenario, services_.prompter)) return;
  // The existing mortgage is paid off by the refinancing.
  if (existing.end_age > refinance_age) existing.end_age = refinance_age;
  event_created_ = true;
  view.Close(kIdOk);
}

bool RunRefinanceAnalysis(EditorServices& services, const EditRequest&) {
  RefinanceDialog dialog(services, -1);
  services.dialogs.RunModal(RefinanceTemplate(), dialog);
  return false;
}

bool RefinanceStoredMortgage(EditorServices& services, int mortgage_slot) {
  RefinanceDialog dialog(services, mortgage_slot);
  services.dialogs.RunModal(RefinanceTemplate(), dialog);
  return dialog.event_created();
}

}  // namespace tarvel::ui
