// The Trade-Off Analysis dialog.
#include "ui/calculators/tradeoff_dialog.h"

#include <filesystem>

#include "calculators/tradeoff.h"
#include "calculators/tradeoff_file.h"
#include "model/atomic_file.h"
#include "model/working_file_names.h"
#include "ui/calculators/calculator_fields.h"
#include "ui/commands/sibling_programs.h"
#include "ui/editors/field_check.h"
#include "ui/editors/field_text.h"
#include "ui/editors/loan_fields.h"

namespace tarvel::ui {
namespace {

// Each row holds options 1, 2 and 3 at its first id and the two after it.
enum TradeOffControl {
  kGraph = 104,
  kDifference12 = 108,
  kDifference23 = 109,
  kDifference13 = 110,
  kFixedCost = 101,
  kCostPerPeriod = 201,
  kFixedAmount = 301,
  kIncomePerPeriod = 401,
  kOk = 501,
  kCalculate = 502,
  kHelp = 503,
  kPeriods = 601,
  kName = 901,
  kValue = 950,
  kUseTaxRate = 953,
};

constexpr int kHelpContext = 1540;
constexpr model::FixedFormat kValueFormat{10, 2, true};  // "%-10.2f"
constexpr char kFileError[] = "FILE ERROR";

void AddOptionRow(std::vector<Control>& controls, int first_id, const std::string& label, int row,
                  bool enabled = true) {
  controls.push_back(MakeControl(first_id + kLabelIdOffset, ControlKind::Label, label, row, 0));
  for (int option = 0; option < model::kTradeOffOptions; ++option) {
    Control field = MakeControl(first_id + option, ControlKind::Edit, "", row, option + 1);
    field.enabled = enabled;
    controls.push_back(field);
  }
}

void ShowOptionRow(platform::DialogView& view, int first_id,
                   const std::array<float, model::kTradeOffOptions>& values) {
  for (int option = 0; option < model::kTradeOffOptions; ++option) {
    view.SetText(first_id + option, FieldText(values[option], model::kTwoPlaces));
  }
}

void ReadOptionRow(const platform::DialogView& view, int first_id, char symbol,
                   std::array<float, model::kTradeOffOptions>& values) {
  for (int option = 0; option < model::kTradeOffOptions; ++option) {
    values[option] = TypedNumber(view, first_id + option, symbol);
  }
}

}  // namespace

DialogTemplate TradeOffTemplate() {
  DialogTemplate dialog{"trade", "Trade-Off Analysis", {}};
  auto& controls = dialog.controls;
  controls.push_back(MakeControl(kName + kLabelIdOffset, ControlKind::Label, "Option Name", 0));
  for (int option = 0; option < model::kTradeOffOptions; ++option) {
    Control name = MakeControl(kName + option, ControlKind::Edit, "", 0, option + 1);
    name.max_chars = model::kTradeOffNameChars;
    controls.push_back(name);
  }
  AddOptionRow(controls, kFixedCost, "Fixed Cost", 1);
  AddOptionRow(controls, kCostPerPeriod, "Cost per Period", 2);
  AddOptionRow(controls, kFixedAmount, "Fixed Amount", 3);
  AddOptionRow(controls, kIncomePerPeriod, "Income per Period", 4);
  AddOptionRow(controls, kValue, "Value after the Periods", 5, false);
  Control& periods =
      AddLabelledField(controls, ControlKind::UpDown, kPeriods, "Number of Periods", 6);
  periods.minimum = 0;
  periods.maximum = calculators::kMostTradeOffPeriods;
  Control& tax = controls.emplace_back(
      MakeControl(kUseTaxRate, ControlKind::CheckBox, "Use Initial Values Tax Rate", 6, 2));
  tax.column_span = 2;
  AddLabelledField(controls, ControlKind::Edit, kDifference12, "Difference 1 and 2", 7).enabled =
      false;
  AddLabelledField(controls, ControlKind::Edit, kDifference23, "Difference 2 and 3", 8).enabled =
      false;
  AddLabelledField(controls, ControlKind::Edit, kDifference13, "Difference 1 and 3", 9).enabled =
      false;
  controls.push_back(MakeControl(kOk, ControlKind::DefaultButton, "OK"));
  controls.push_back(MakeControl(kGraph, ControlKind::PushButton, "&Graph"));
  controls.push_back(MakeControl(kCalculate, ControlKind::PushButton, "&Calculate"));
  controls.push_back(MakeControl(kHelp, ControlKind::PushButton, "&Help"));
  return dialog;
}

TradeOffDialog::TradeOffDialog(EditorServices& services) : services_(services) {}

std::string TradeOffDialog::PathOf(const char* name) const {
  return (std::filesystem::path(services_.program.working_directory) / name).string();
}

void TradeOffDialog::Initialise(platform::DialogView& view) {
  model::TradeOffInputs& kept = services_.program.calculators.trade_off;
  if (!kept.read)
    kept = calculators::ReadTradeOffFile(PathOf(calculators::kTradeOffInputsFileName));
  for (int option = 0; option < model::kTradeOffOptions; ++option) {
    view.SetText(kName + option, kept.names[option]);
  }
  ShowOptionRow(view, kFixedCost, kept.fixed_cost);
  ShowOptionRow(view, kCostPerPeriod, kept.cost_per_period);
  ShowOptionRow(view, kFixedAmount, kept.fixed_amount);
  ShowOptionRow(view, kIncomePerPeriod, kept.income_per_period);
  view.SetPosition(kPeriods, kept.periods);
  view.SetChecked(kUseTaxRate, kept.use_tax_rate);
}

void TradeOffDialog::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kCalculate:
    case kUseTaxRate:
    case kPeriods:
      Recompute(view);
      break;
    case kGraph:
      Graph(view);
      break;
    case kOk:
      Confirm(view);
      break;
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

model::TradeOffInputs TradeOffDialog::ReadGrid(const platform::DialogView& view) const {
  const char symbol = services_.program.currency.symbol;
  model::TradeOffInputs inputs = services_.program.calculators.trade_off;
  for (int option = 0; option < model::kTradeOffOptions; ++option) {
    inputs.names[option] = ReadFieldText(view, kName + option, model::kTradeOffNameChars);
  }
  ReadOptionRow(view, kFixedCost, symbol, inputs.fixed_cost);
  ReadOptionRow(view, kCostPerPeriod, symbol, inputs.cost_per_period);
  ReadOptionRow(view, kFixedAmount, symbol, inputs.fixed_amount);
  ReadOptionRow(view, kIncomePerPeriod, symbol, inputs.income_per_period);
  inputs.periods = view.Position(kPeriods);
  inputs.use_tax_rate = view.Checked(kUseTaxRate);
  return inputs;
}

float TradeOffDialog::TaxFactor(const model::TradeOffInputs& inputs) const {
  return calculators::TradeOffTaxFactor(inputs.use_tax_rate, services_.scenario.initial.tax_rate);
}

model::TradeOffInputs TradeOffDialog::Recompute(platform::DialogView& view) {
  const model::TradeOffInputs inputs = ReadGrid(view);
  const calculators::TradeOffResults results =
      calculators::CompareTradeOffs(inputs, TaxFactor(inputs));
  for (int option = 0; option < model::kTradeOffOptions; ++option) {
    view.SetText(kValue + option, FieldText(results.values[option], kValueFormat));
  }
  view.SetText(kDifference12, FieldText(results.difference_1_2, kValueFormat));
  view.SetText(kDifference23, FieldText(results.difference_2_3, kValueFormat));
  view.SetText(kDifference13, FieldText(results.difference_1_3, kValueFormat));
  services_.program.calculators.trade_off = inputs;
  return inputs;
}

void TradeOffDialog::Graph(platform::DialogView& view) {
  const model::TradeOffInputs inputs = Recompute(view);
  if (const auto problem = calculators::CheckGraphPeriods(inputs.periods)) {
    ShowStop(services_.prompter, *problem, kFileError);
    return;
  }
  const std::string text = calculators::TradeGraphText(inputs, TaxFactor(inputs));
  if (!model::WriteFileAtomically(PathOf(model::kTradeOffFileName), text)) {
    ShowStop(services_.prompter, "Cannot open trad.tmp for writing!", kFileError);
    return;
  }
  StartSibling(services_.launcher, TradeOffPlotterStart(services_.program.currency.word));
}

void TradeOffDialog::Confirm(platform::DialogView& view) {
  const model::TradeOffInputs inputs = ReadGrid(view);
  services_.program.calculators.trade_off = inputs;
  if (!calculators::WriteTradeOffFile(PathOf(calculators::kTradeOffInputsFileName), inputs)) {
    ShowStop(services_.prompter, "Cannot open tradeinf.dat for writing!", kFileError);
  }
  view.Close(kIdOk);
}

bool ShowTradeOffAnalysis(EditorServices& services, const EditRequest&) {
  TradeOffDialog dialog(services);
  services.dialogs.RunModal(TradeOffTemplate(), dialog);
  return false;
}

}  // namespace tarvel::ui
