// The programs installed beside the planner that it hands work to, with their command lines,
// and the plotter data file "plotter.dat" of the schedule plotter.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/records.h"
#include "platform/launcher.h"

namespace tarvel::ui {

struct ProgramStart {
  std::string program;  // looked up beside the planner and on the search path
  std::vector<std::string> arguments;
  bool shown = true;
};

ProgramStart ScenarioComparerStart(const std::string& plot_file, const std::string& currency_word);
ProgramStart Rule72TCalculatorStart(const std::string& currency_word);
ProgramStart TradeOffPlotterStart(const std::string& currency_word);
ProgramStart RefinancePlotterStart(const std::string& currency_word);
ProgramStart ViewerStart();
ProgramStart SchedulePlotterStart();

// Starts a sibling program; whether it started is not looked at, as a missing sibling
// program passes without a message.
void StartSibling(platform::Launcher& launcher, const ProgramStart& start);

// What the schedule plotter prints around its table.
struct PlotterSettings {
  bool banner = false;
  bool logo = false;
  bool watermark = false;
  bool report_graphs = false;
  std::array<std::uint32_t, model::kColourCount> colours = model::kDefaultColours;
};

struct PlotterLoan {
  int first_year = 1;                  // number of the first year line
  float amount = 0;                    // financed amount
  float years = 0;                     // term; a part year writes no line
  float rate = 0;                      // percent per year
  std::array<std::string, 3> titles;   // program title, schedule title, "DATE"
  std::array<std::string, 4> details;  // "Loan Amount: ..", "Rate: ..", "Monthly Payment: ..",
                                       // "Term: .. Years"
};

// The complete text of the plotter data file, with one line per completed year of the loan's
// monthly amortisation.
std::string PlotterFileText(const PlotterSettings& settings, const PlotterLoan& loan);
// WritePlotterFile: writes that text to the path; false when it cannot be written.
bool WritePlotterFile(const std::string& path, const PlotterSettings& settings,
                      const PlotterLoan& loan);

}  // namespace tarvel::ui
