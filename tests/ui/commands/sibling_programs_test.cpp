// Sibling program command lines, the links to the calculator, e-mail and manual, and the
// schedule plotter's data file.
#include "ui/commands/sibling_programs.h"

#include <sstream>

#include "ui/shell_fixture.h"

namespace tarvel::ui {
namespace {

using test_support::ShellFixture;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

PlotterLoan ThirtyYearLoan() {
  PlotterLoan loan;
  loan.first_year = 2024;
  loan.amount = 200000.0f;
  loan.years = 30.0f;
  loan.rate = 6.0f;
  loan.titles = {"Tarvel Software Retirement Planner", "Loan Schedule", "DATE"};
  loan.details = {"Loan Amount: $200,000.00", "Rate: 6.000%", "Monthly Payment: $1,199.10",
                  "Term: 30 Years"};
  return loan;
}

TEST(SiblingPrograms, StartByNameWithTheirArguments) {
  const ProgramStart comparer = ScenarioComparerStart("plotinf01.tmp", "Yen");
  EXPECT_EQ(comparer.program, "tarvelcomp");
  EXPECT_EQ(comparer.arguments, (std::vector<std::string>{"plotinf01.tmp", "Yen"}));
  EXPECT_EQ(Rule72TCalculatorStart("Pounds").arguments, std::vector<std::string>{"Pounds"});
  EXPECT_EQ(TradeOffPlotterStart("Dollars").arguments[0], "trade.tmp");
  EXPECT_EQ(RefinancePlotterStart("Dollars").arguments[0], "ref.tmp");
  EXPECT_FALSE(SchedulePlotterStart().shown);
  EXPECT_EQ(SchedulePlotterStart().arguments, std::vector<std::string>{"plotter.dat"});
}

TEST(PlotterFileText, WritesOneLinePerYearEndingWithAPaidOffBalance) {
  const auto lines = Lines(PlotterFileText(PlotterSettings{}, ThirtyYearLoan()));
  EXPECT_EQ(lines[0], "NOBANNER");
  EXPECT_EQ(lines[1], "COLOR");
  EXPECT_EQ(lines[2], "8e1c52");
  EXPECT_EQ(lines[18], "NOLOGO");
  EXPECT_EQ(lines[19], "NOWATERMARK");
  EXPECT_EQ(lines[21], "Loan Schedule");
  EXPECT_EQ(lines[23], "NOPLOT");
  EXPECT_EQ(lines[24], "DATA");
  EXPECT_EQ(lines[29],
            " Year \t Yearly Principal \t Yearly Interest \t Total Interest \t Loan Balance ");
  ASSERT_EQ(lines.size(), 30u + 30u + 1u);
  EXPECT_EQ(lines[30].substr(0, 5), "2024\t");
  EXPECT_EQ(lines[59].substr(0, 5), "2053\t");
  EXPECT_EQ(lines[59].substr(lines[59].rfind('\t')), "\t0.00");
  EXPECT_EQ(lines.back(), "ENDOFDATA");
}

TEST(PlotterFileText, HonoursTheSettingsAndSkipsAPartYear) {
  PlotterSettings settings;
  settings.banner = settings.logo = settings.watermark = settings.report_graphs = true;
  PlotterLoan loan = ThirtyYearLoan();
  loan.years = 1.5f;
  const auto lines = Lines(PlotterFileText(settings, loan));
  EXPECT_EQ(lines[0], "BANNER");
  EXPECT_EQ(lines[18], "LOGO");
  EXPECT_EQ(lines[23], "PLOT");
  EXPECT_EQ(lines.size(), 30u + 1u + 1u);
}

TEST(PlotterFileText, PaysAnInterestFreeLoanInEqualParts) {
  PlotterLoan loan = ThirtyYearLoan();
  loan.rate = 0;
  loan.amount = 1200;
  loan.years = 1;
  const auto lines = Lines(PlotterFileText(PlotterSettings{}, loan));
  ASSERT_EQ(lines.size(), 32u);
  EXPECT_EQ(lines[30], "2024\t1200.00\t0.00\t0.00\t0.00");
}

TEST(WritePlotterFile, FailsWithoutAFolder) {
  EXPECT_FALSE(WritePlotterFile("/nonexistent/folder/plotter.dat", {}, ThirtyYearLoan()));
}

class LinkCommandsTest : public ShellFixture {};

TEST_F(LinkCommandsTest, MissingSiblingPassesSilently) {
  state.keywords.currency = model::Currency::Euros();
  dispatcher->DispatchCommand(178);
  dispatcher->DispatchCommand(904);
  ASSERT_EQ(launcher.programs.size(), 2u);
  EXPECT_EQ(launcher.programs[0].name, "tarvelcomp");
  EXPECT_EQ(launcher.programs[0].arguments[1], "Euros");
  EXPECT_EQ(launcher.programs[1].name, "tarvelrule");
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(LinkCommandsTest, MissingCalculatorIsReported) {
  launcher.calculator_found = false;
  dispatcher->DispatchCommand(884);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "The Window's Calculator could not be found in the path.");
  EXPECT_EQ(prompter.messages[0].caption, "Execution Error");
}

TEST_F(LinkCommandsTest, ManualIsOpenedOnlyAfterYes) {
  prompter.answers = {platform::Answer::No, platform::Answer::Yes};
  dispatcher->DispatchCommand(671);
  EXPECT_TRUE(launcher.addresses.empty());
  dispatcher->DispatchCommand(671);
  EXPECT_EQ(launcher.addresses, std::vector<std::string>{"file:///manual"});
  EXPECT_EQ(prompter.messages[0].caption, "Download Manual");
}

TEST_F(LinkCommandsTest, FailingEmailProgramIsReported) {
  launcher.addresses_open = false;
  dispatcher->DispatchCommand(887);
  EXPECT_EQ(launcher.addresses, std::vector<std::string>{"mailto:someone@example.org"});
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, "Email Error");
}

}  // namespace
}  // namespace tarvel::ui
