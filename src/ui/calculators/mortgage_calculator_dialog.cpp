// The Mortgage Calculator dialog.
#include "ui/calculators/mortgage_calculator_dialog.h"

#include <array>
#include <filesystem>

#include "model/working_file_names.h"
#include "ui/calculators/calculator_fields.h"
#include "ui/commands/sibling_programs.h"
#include "ui/editors/event_editing.h"
#include "ui/editors/field_check.h"
#include "ui/editors/loan_fields.h"
#include "ui/editors/mortgage_editor.h"
#include "ui/printing/print_file_chooser.h"

namespace tarvel::ui {
namespace {

enum MortgageCalculatorControl {
  kAmount = 104,
  kDownPayment = 105,
  kRate = 106,
  kYears = 107,
  kPayment = 108,
  kOk = 109,
  kCancel = 110,
  kHelp = 111,
  kCalculate = 112,
  kUseInScenario = 113,
  kPrintSchedule = 114,
};

// The fields of the calculator's inputs, by input number.
constexpr std::array<int, 4> kInputControls = {kAmount, kDownPayment, kRate, kYears};
constexpr int kHelpContext = 259;
constexpr int kFieldChars = 10;  // each text holds at most 9 characters
constexpr char kSchedulePdfName[] = "Mortgage Schedule.pdf";

PlotterLoan MortgageSchedulePlot(const calculators::MortgageInputs& inputs, float payment,
                                 const model::Currency& currency) {
  PlotterLoan plot;
  plot.first_year = 1;
  plot.amount = calculators::FinancedAmount(inputs);
  plot.years = static_cast<float>(calculators::WholePart(inputs[calculators::kMortgageYears]));
  plot.rate = static_cast<float>(inputs[calculators::kMortgageRate]);
  plot.titles = {"Tarvel Software Retirement Planner", "Mortgage Schedule", "DATE"};
  plot.details = {"Loan Amount: " + model::Money(plot.amount, currency),
                  "Rate: " + model::RateText(plot.rate),
                  "Monthly Payment: " + model::Money(payment, currency),
                  model::Format("Term: %d Years", static_cast<int>(plot.years))};
  return plot;
}

}  // namespace

DialogTemplate MortgageCalculatorTemplate() {
  DialogTemplate dialog{"mortgagecalc", "Mortgage Calculator", {}};
  auto& controls = dialog.controls;
  const std::array<const char*, 4> labels = {"Amount", "Down Payment", "Rate (%)", "No Of Years"};
  for (std::size_t row = 0; row < labels.size(); ++row) {
    AddLabelledField(controls, ControlKind::Edit, kInputControls[row], labels[row],
                     static_cast<int>(row))
        .max_chars = kFieldChars;
  }
  AddLabelledField(controls, ControlKind::Edit, kPayment, "Monthly Payment", 4).enabled = false;
  controls.push_back(MakeControl(kCalculate, ControlKind::DefaultButton, "&Calculate"));
  controls.push_back(MakeControl(kOk, ControlKind::PushButton, "OK"));
  controls.push_back(MakeControl(kCancel, ControlKind::PushButton, "Cancel"));
  controls.push_back(MakeControl(kPrintSchedule, ControlKind::PushButton, "&Print Schedule"));
  controls.push_back(
      MakeControl(kUseInScenario, ControlKind::PushButton, "&Use This Mortgage in Scenario"));
  controls.push_back(MakeControl(kHelp, ControlKind::PushButton, "&Help"));
  return dialog;
}

void MortgageCalculatorDialog::Initialise(platform::DialogView& view) {
  const model::MortgageCalculatorInputs& kept = services_.program.calculators.mortgage;
  view.SetText(kAmount, kept.amount);
  view.SetText(kDownPayment, kept.down_payment);
  view.SetText(kRate, kept.rate);
  view.SetText(kYears, kept.years);
  view.SetText(kPayment, kept.payment);
}

void MortgageCalculatorDialog::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kCalculate:
      Calculate(view);
      break;
    case kOk:
      if (Calculate(view)) view.Close(kIdOk);
      break;
    case kCancel:
    case kIdCancel:
      view.Close(kIdCancel);
      break;
    case kPrintSchedule:
      PrintSchedule(view);
      break;
    case kUseInScenario:
      chosen_ = Calculate(view);
      if (chosen_) view.Close(kIdOk);
      break;
    case kHelp:
      services_.help.ShowTopic(kHelpContext);
      break;
    default:
      break;
  }
}

std::optional<calculators::MortgageInputs> MortgageCalculatorDialog::Calculate(
    platform::DialogView& view) {
  const char symbol = services_.program.currency.symbol;
  model::MortgageCalculatorInputs& kept = services_.program.calculators.mortgage;
  kept.amount = view.Text(kAmount);
  kept.down_payment = view.Text(kDownPayment);
  kept.rate = view.Text(kRate);
  kept.years = view.Text(kYears);
  calculators::MortgageInputs inputs{};
  for (std::size_t input = 0; input < inputs.size(); ++input) {
    inputs[input] = FieldNumber(view, kInputControls[input], symbol);
  }
  if (!AcceptInputs(view, services_.prompter, calculators::CheckMortgage(inputs), kInputControls,
                    symbol)) {
    return std::nullopt;
  }
  const float payment = calculators::MortgagePayment(inputs);
  kept.payment = model::Format("%-9.2f", payment);
  view.SetText(kPayment, kept.payment);
  kept.computed_amount = static_cast<float>(inputs[calculators::kMortgageAmount]);
  kept.computed_down_payment = static_cast<float>(inputs[calculators::kMortgageDownPayment]);
  kept.computed_rate = static_cast<float>(inputs[calculators::kMortgageRate]);
  kept.computed_years =
      static_cast<int>(calculators::WholePart(inputs[calculators::kMortgageYears]));
  kept.computed_payment = payment;
  return inputs;
}

void MortgageCalculatorDialog::PrintSchedule(platform::DialogView& view) {
  const std::optional<calculators::MortgageInputs> inputs = Calculate(view);
  if (!inputs) return;
  ProgramStart plotter = SchedulePlotterStart();
  // Without a printer the plotter writes a PDF file, which goes where the user says.
  if (services_.printer != nullptr && !services_.printer->PrinterInstalled()) {
    PrintFileChooser chooser(services_.prompter, services_.program);
    const std::optional<std::string> pdf =
        chooser.Ask((std::filesystem::path(chooser.StartFolder()) / kSchedulePdfName).string());
    if (!pdf) return;
    plotter.arguments.insert(plotter.arguments.end(), {"--pdf", *pdf});
  }
  PlotterSettings settings;
  settings.colours = services_.program.colours;
  const std::string path =
      (std::filesystem::path(services_.program.working_directory) / model::kPlotterFileName)
          .string();
  const PlotterLoan plot = MortgageSchedulePlot(*inputs, calculators::MortgagePayment(*inputs),
                                                services_.program.currency);
  if (!WritePlotterFile(path, settings, plot)) {
    ShowStop(services_.prompter, model::Format("Cannot create the file %s.", path.c_str()),
             "FILE ERROR");
    return;
  }
  StartSibling(services_.launcher, plotter);
}

bool RunMortgageCalculator(EditorServices& services, const EditRequest&) {
  MortgageCalculatorDialog dialog(services);
  services.dialogs.RunModal(MortgageCalculatorTemplate(), dialog);
  if (!dialog.chosen() || !RoomForEvent(services.scenario, services.prompter)) return false;
  const calculators::MortgageInputs& chosen = *dialog.chosen();
  MortgageStart start;
  start.price = static_cast<float>(chosen[calculators::kMortgageAmount]);
  start.down_payment = static_cast<float>(chosen[calculators::kMortgageDownPayment]);
  start.rate = static_cast<float>(chosen[calculators::kMortgageRate]);
  start.years = static_cast<int>(calculators::WholePart(chosen[calculators::kMortgageYears]));
  return EditNewMortgageFrom(services, start);
}

}  // namespace tarvel::ui
