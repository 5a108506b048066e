// Command lines of the sibling programs and the schedule plotter's data file.
#include "ui/commands/sibling_programs.h"

#include <cmath>

#include "model/atomic_file.h"
#include "model/money_format.h"
#include "model/working_file_names.h"

namespace tarvel::ui {

ProgramStart ScenarioComparerStart(const std::string& plot_file, const std::string& currency_word) {
  return {"tarvelcomp", {plot_file, currency_word}, true};
}

ProgramStart Rule72TCalculatorStart(const std::string& currency_word) {
  return {"tarvelrule", {currency_word}, true};
}

ProgramStart TradeOffPlotterStart(const std::string& currency_word) {
  return {"tarveltplot", {model::kTradeOffFileName, currency_word}, true};
}

ProgramStart RefinancePlotterStart(const std::string& currency_word) {
  return {"tarvelref", {model::kRefinanceFileName, currency_word}, true};
}

ProgramStart ViewerStart() { return {"tarvelviewer", {}, true}; }

ProgramStart SchedulePlotterStart() { return {"plotter", {model::kPlotterFileName}, false}; }

void StartSibling(platform::Launcher& launcher, const ProgramStart& start) {
  launcher.StartProgram(start.program, start.arguments, start.shown);
}

namespace {

void AppendHeader(const PlotterSettings& settings, const PlotterLoan& loan, std::string& text) {
  text += settings.banner ? "BANNER\n" : "NOBANNER\n";
  text += "COLOR\n";
  for (std::uint32_t colour : settings.colours) {
    text += model::Format("%lx\n", static_cast<unsigned long>(colour));
  }
  text += settings.logo ? "LOGO\n" : "NOLOGO\n";
  text += settings.watermark ? "WATERMARK\n" : "NOWATERMARK\n";
  for (const std::string& title : loan.titles) text += title + "\n";
  text += settings.report_graphs ? "PLOT\n" : "NOPLOT\n";
  text += "DATA\n";
  for (const std::string& detail : loan.details) text += detail + "\n";
  text += " Year \t Yearly Principal \t Yearly Interest \t Total Interest \t Loan Balance \n";
}

// Monthly amortisation in four-byte floats, one line per completed year.
void AppendYears(const PlotterLoan& loan, std::string& text) {
  const float yearly = loan.rate * 0.01f;
  const float monthly = yearly * (1.0f / 12.0f);
  const float growth = 1.0f + monthly;
  const float months = loan.years * 12.0f;
  const int month_count = static_cast<int>(months);
  if (month_count <= 0) return;
  // A loan without interest is paid off in equal parts instead of dividing by zero.
  const float payment = yearly == 0.0f
                            ? loan.amount / static_cast<float>(month_count)
                            : static_cast<float>(loan.amount * yearly * (1.0f / 12.0f) /
                                                 (1.0f - 1.0f / std::pow(growth, months)));
  float balance = loan.amount;
  float month_of_year = 1.0f;
  float year_principal = 0, year_interest = 0, total_interest = 0;
  int year = loan.first_year;
  for (int month = 1; month <= month_count; ++month) {
    const float interest = (1.0f / 12.0f) * yearly * balance;
    year_interest += interest;
    total_interest += interest;
    const float principal = payment - interest;
    year_principal += principal;
    balance -= principal;
    if (balance < 0) balance = 0;
    month_of_year += 1.0f;
    if (month_of_year > 12.0f) {
      text += model::Format("%d\t%.2f\t%.2f\t%.2f\t%.2f\n", year, year_principal, year_interest,
                            total_interest, balance);
      ++year;
      year_principal = 0;
      year_interest = 0;
      month_of_year = 1.0f;
    }
  }
}

}  // namespace

std::string PlotterFileText(const PlotterSettings& settings, const PlotterLoan& loan) {
  std::string text;
  AppendHeader(settings, loan, text);
  AppendYears(loan, text);
  text += "ENDOFDATA\n";
  return text;
}

bool WritePlotterFile(const std::string& path, const PlotterSettings& settings,
                      const PlotterLoan& loan) {
  return model::WriteFileAtomically(path, PlotterFileText(settings, loan));
}

}  // namespace tarvel::ui
