// The mortgage calculator, accelerated payment and refinance dialogs: what they show, the
// files and programs they hand over, and the events they add to the scenario.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "model/event_views.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"
#include "ui/calculators/accelerated_payment_dialog.h"
#include "ui/calculators/mortgage_calculator_dialog.h"
#include "ui/calculators/refinance_dialog.h"
#include "ui/editors/debt_editor_fixture.h"
#include "ui/editors/field_check.h"
#include "ui/editors/mortgage_editor.h"

namespace tarvel::ui {
namespace {

using test_support::CheckStep;
using test_support::FakeDialogView;

std::string FileText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

class LoanCalculatorDialogs : public test_support::DebtEditorTest {
 protected:
  // A stored 200,000 mortgage with 40,000 down at 6 % over 30 years from 35, the plan at 40.
  int AddStoredMortgage() {
    model::FinancialEvent& event = AddHouseMortgage();
    event.start_age = 35;
    event.description.assign("Home");
    const model::MortgageTerms mortgage(event);
    mortgage.purchase_price() = 200000;
    mortgage.down_payment() = 40000;
    mortgage.yearly_rate_percent() = 6;
    mortgage.term_years() = 30;
    return model::EventCount(*scenario) - 1;
  }
};

TEST_F(LoanCalculatorDialogs, MortgageCalculatorChecksShowsAndPrintsItsSchedule) {
  MortgageCalculatorDialog dialog(services);
  FakeDialogView view;
  dialog.Initialise(view);
  EXPECT_EQ(view.texts[106], "8.0");
  EXPECT_EQ(view.texts[107], "30");
  WalkChecks(dialog, view, 112,
             {{106, "0.5", "6", "RATE ERROR", std::string(StringTableText(6))},
              {104, "abc", "200000", "AMOUNT ERROR", "Amount: \"abc\" is not a number."},
              {104, "0", "200000", "AMOUNT ERROR", std::string(StringTableText(2))},
              {107, "101", "30", "NO OF YEARS ERROR", std::string(StringTableText(5))},
              {105, "250000", "$40,000.00", "DOWN PAYMENT ERROR",
               "The down payment cannot be larger than the amount of the mortgage."}});
  dialog.Command(view, 112);
  EXPECT_EQ(view.texts[108], "959.28   ");
  EXPECT_EQ(view.focus, 105);

  dialog.Command(view, 114);
  const std::string plot = FileText(std::filesystem::path(folder.path()) / "plotter.dat");
  EXPECT_NE(plot.find("Mortgage Schedule\nDATE\n"), std::string::npos);
  EXPECT_NE(plot.find("Loan Amount: $160,000.00\nRate: 6.000%\nMonthly Payment: $959.28\nTerm: "
                      "30 Years\n"),
            std::string::npos);
  EXPECT_NE(plot.find("\n30\t"), std::string::npos);
  ASSERT_EQ(launcher.programs.size(), 1u);
  EXPECT_EQ(launcher.programs[0].name, "plotter");
  EXPECT_FALSE(launcher.programs[0].shown);
  EXPECT_FALSE(view.result);
}

TEST_F(LoanCalculatorDialogs, UseThisMortgageOpensTheMortgageEditorOnItsTerms) {
  const int count = model::EventCount(*scenario);
  FakeDialogView editor_view;
  dialogs.scripts.push_back([](FakeDialogView& view, DialogPresenter& calculator) {
    view.texts = {{104, "200000"}, {105, "40000"}, {106, "6"}, {107, "30"}};
    calculator.Command(view, 113);
  });
  dialogs.scripts.push_back([&](FakeDialogView& view, DialogPresenter& editor) {
    editor_view = view;
    view.texts[101] = "Lake house";
    view.texts[102] = "45";
    view.texts[103] = "75";
    editor.Command(view, 109);
  });
  EXPECT_TRUE(RunMortgageCalculator(services, EditRequest{}));
  ASSERT_EQ(dialogs.titles, (std::vector<std::string>{"Mortgage Calculator", "Mortgage"}));
  EXPECT_EQ(editor_view.texts[104], "$200,000.00");
  EXPECT_EQ(editor_view.texts[105], "$40,000.00");
  EXPECT_EQ(editor_view.texts[107], "30");
  EXPECT_EQ(editor_view.texts[108], "$959.28");
  ASSERT_EQ(model::EventCount(*scenario), count + 1);
  const model::FinancialEvent& added = scenario->events[count];
  EXPECT_EQ(added.kind, model::EventKind::Mortgage);
  EXPECT_FLOAT_EQ(model::MortgageTerms(added).purchase_price(), 200000);
  // Cancelled, the calculator adds nothing.
  dialogs.scripts.push_back(
      [](FakeDialogView& view, DialogPresenter& calculator) { calculator.Command(view, 110); });
  EXPECT_FALSE(RunMortgageCalculator(services, EditRequest{}));
  EXPECT_EQ(model::EventCount(*scenario), count + 1);
}

TEST_F(LoanCalculatorDialogs, AcceleratedAnalysisStartsFromTheMortgageBeingEdited) {
  const int slot = AddStoredMortgage();
  const model::FinancialEvent stored = scenario->events[slot];
  FakeDialogView analysis;
  dialogs.scripts.push_back([](FakeDialogView& view, DialogPresenter& editor) {
    editor.Command(view, 121);
    editor.Command(view, 110);
  });
  dialogs.scripts.push_back([&](FakeDialogView& view, DialogPresenter& dialog) {
    view.texts[4] = "0";
    dialog.Command(view, 21);
    analysis = view;
    view.texts[3] = "0";
    dialog.Command(view, 21);  // refused: the results stay
  });
  EXPECT_FALSE(EditMortgage(services, EditRequest{slot}));
  EXPECT_TRUE(test_support::SameBytes(scenario->events[slot], stored));
  EXPECT_EQ(analysis.texts[1], "$160,000.00");
  EXPECT_EQ(analysis.texts[2], "30");
  EXPECT_EQ(analysis.texts[13], "25");  // five years paid before the plan's start at 40
  EXPECT_EQ(analysis.texts[15], "5.000%");
  EXPECT_EQ(analysis.texts[5], "$959.28");
  EXPECT_EQ(analysis.texts[8], "30.000 ");
  EXPECT_EQ(analysis.texts[12], "$0.00");
  // The additional payment is invested over the 25 years it is actually paid.
  EXPECT_EQ(analysis.texts[19], " 25");
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, "Rate Error!");
}

class RefinanceDialogs : public LoanCalculatorDialogs {
 protected:
  // Refinances at 45 for 30 years at 5 %, with 1,000 closing costs.
  static void EnterRefinancing(FakeDialogView& view) {
    view.texts[109] = "45";
    view.texts[110] = "0";
    view.texts[111] = "5";
    view.texts[112] = "30";
    view.texts[114] = "1000";
    view.texts[122] = "15";
    view.texts[123] = "3";
  }
};

TEST_F(RefinanceDialogs, AnalysisShowsItsFiguresDetailsAndGraph) {
  const int slot = AddStoredMortgage();
  RefinanceDialog dialog(services, slot);
  FakeDialogView view;
  dialog.Initialise(view);
  EXPECT_EQ(view.texts[104], "35");
  EXPECT_EQ(view.texts[105], "$160,000.00");
  EnterRefinancing(view);
  view.texts[123] = "250";
  EXPECT_FALSE(dialog.AnalyzeRefinance(view, RefinanceMode::Analysis));
  EXPECT_EQ(prompter.messages.back().caption, "RATE ERROR");
  EXPECT_EQ(view.focus, 123);
  view.texts[123] = "3";

  FakeDialogView details;
  dialogs.scripts.push_back([&](FakeDialogView& shown, DialogPresenter&) { details = shown; });
  EXPECT_TRUE(dialog.AnalyzeRefinance(view, RefinanceMode::Details));
  EXPECT_EQ(view.texts[108], "$959.28");
  EXPECT_EQ(view.texts[126], "$1,000.00");
  EXPECT_NE(view.texts[127], "Never");
  EXPECT_EQ(view.texts[110], "133897.19   ");  // what is owed after ten years
  ASSERT_EQ(details.items[101].size(), 2u + 2u * 30u);
  EXPECT_EQ(details.items[101][0].substr(0, 6), " 45 O\t");
  const std::filesystem::path work(folder.path());
  EXPECT_EQ(FileText(work / "refprt.tmp").substr(0, 14), "Age\tNet Worth\t");

  EXPECT_TRUE(dialog.AnalyzeRefinance(view, RefinanceMode::Graph));
  EXPECT_EQ(FileText(work / "ref.tmp").substr(0, 8), "1\nDummy\n");
  ASSERT_EQ(launcher.programs.size(), 1u);
  EXPECT_EQ(launcher.programs[0].name, "tarvelref");
  EXPECT_EQ(launcher.programs[0].arguments, (std::vector<std::string>{"ref.tmp", "Dollars"}));

  // No graph file, no plotter.
  program.working_directory = (work / "missing").string();
  const std::size_t messages = prompter.messages.size();
  EXPECT_TRUE(dialog.AnalyzeRefinance(view, RefinanceMode::Graph));
  ASSERT_EQ(prompter.messages.size(), messages + 1);
  EXPECT_EQ(prompter.messages.back().text, "Cannot open ref.tmp for writing!");
  EXPECT_EQ(launcher.programs.size(), 1u);
}

TEST_F(RefinanceDialogs, FromTheMenuItStartsFromThePlansMortgage) {
  FakeDialogView without;
  RefinanceDialog(services, -1).Initialise(without);
  EXPECT_EQ(without.texts[105], "$0.00");
  AddStoredMortgage();
  FakeDialogView view;
  RefinanceDialog(services, -1).Initialise(view);
  EXPECT_EQ(view.texts[104], "35");
  EXPECT_EQ(view.texts[105], "$160,000.00");
  EXPECT_EQ(view.texts[106], "6.000%");
  EXPECT_EQ(view.texts[107], "30");
}

TEST_F(RefinanceDialogs, CreatingTheRefinanceEventClosesTheMortgageEditorAndKeepsTheEvent) {
  const int slot = AddStoredMortgage();
  const int count = model::EventCount(*scenario);
  dialogs.scripts.push_back([](FakeDialogView& view, DialogPresenter& editor) {
    view.texts[104] = "999999";  // an edit that is discarded
    editor.Command(view, 118);
  });
  dialogs.scripts.push_back([](FakeDialogView& view, DialogPresenter& dialog) {
    EnterRefinancing(view);
    dialog.Command(view, 131);
  });
  EXPECT_TRUE(EditMortgage(services, EditRequest{slot}));
  ASSERT_EQ(model::EventCount(*scenario), count + 1);
  const model::FinancialEvent& existing = scenario->events[slot];
  const model::FinancialEvent& refinanced = scenario->events[count];
  EXPECT_FLOAT_EQ(model::MortgageTerms(existing).purchase_price(), 200000);
  EXPECT_FLOAT_EQ(existing.end_age, 45);  // paid off by the refinancing
  EXPECT_EQ(refinanced.description.str(), "RF-Home");
  EXPECT_EQ(refinanced.kind, model::EventKind::Mortgage);
  EXPECT_FLOAT_EQ(refinanced.start_age, 45);
  EXPECT_FLOAT_EQ(refinanced.end_age, 75);
  const model::MortgageTerms terms(refinanced);
  EXPECT_NEAR(terms.principal(), 133897.19, 0.01);
  EXPECT_FLOAT_EQ(terms.yearly_rate_percent(), 5);
  EXPECT_EQ(terms.term_years(), 30);
  EXPECT_FLOAT_EQ(terms.closing_costs(), 1000);

  // A full event table refuses it with the event list's message and adds nothing.
  while (model::EventCount(*scenario) < model::kMaxEvents) {
    test_support::AddEvent(*scenario, model::EventKind::Deposit, 50, 60);
  }
  RefinanceDialog dialog(services, slot);
  FakeDialogView view;
  dialog.Initialise(view);
  EnterRefinancing(view);
  dialog.Command(view, 131);
  EXPECT_FALSE(view.result);
  EXPECT_EQ(model::EventCount(*scenario), model::kMaxEvents);
  EXPECT_FALSE(dialog.event_created());
}

TEST_F(RefinanceDialogs, EachLoanCalculatorOpensAgainOnWhatItWasLastUsedWith) {
  using Texts = std::map<int, std::string>;
  struct Case {
    const char* name;
    EditorFunction run;
    Texts typed;
    std::vector<int> presses;  // ending with the button that closes
    Texts reopened;
  };
  const std::vector<Case> cases = {
      {"mortgage",
       RunMortgageCalculator,
       {{104, "200000"}, {105, "40000"}, {106, "6"}, {107, "30"}},
       {112, 110},
       {{104, "200000"}, {105, "40000"}, {106, "6"}, {107, "30"}, {108, "959.28   "}}},
      {"accelerated",
       RunAcceleratedPaymentAnalysis,
       {{1, "200000"}, {2, "30"}, {13, "20"}, {3, "6"}, {4, "200"}, {15, "7"}},
       {21, 20},
       // The investment rate starts afresh.
       {{1, "$200,000.00"}, {2, "30"}, {13, "20"}, {3, "6.000%"}, {4, "$200.00"}, {15, "5.000%"}}},
      {"refinance",
       RunRefinanceAnalysis,
       {{104, "40"},
        {105, "100000"},
        {106, "8"},
        {107, "30"},
        {109, "45"},
        {110, "0"},
        {111, "5"},
        {112, "30"},
        {114, "1000"},
        {122, "15"},
        {123, "3"}},
       {120, 118},
       {{104, "40"}, {105, "100000"}, {110, "0"}, {114, "1000"}, {116, "0.000%"}, {123, "3"}}},
  };
  for (const Case& c : cases) {
    dialogs.scripts.push_back([&c](FakeDialogView& view, DialogPresenter& dialog) {
      for (const auto& [control, text] : c.typed) view.texts[control] = text;
      view.checks[117] = true;  // the refinance's "Include points in mortgage"
      for (int control : c.presses) dialog.Command(view, control);
    });
    EXPECT_FALSE(c.run(services, EditRequest{})) << c.name;
    FakeDialogView reopened;
    dialogs.scripts.push_back([&](FakeDialogView& view, DialogPresenter& dialog) {
      reopened = view;
      dialog.Command(view, kIdCancel);
    });
    c.run(services, EditRequest{});
    for (const auto& [control, text] : c.reopened) {
      EXPECT_EQ(reopened.texts[control], text) << c.name << " " << control;
    }
  }
  EXPECT_TRUE(prompter.messages.empty());
  FakeDialogView points;
  RefinanceDialog(services, -1).Initialise(points);
  EXPECT_TRUE(points.checks[117]);
  // Opened on a stored mortgage, the analysis starts from that mortgage instead.
  FakeDialogView on_mortgage;
  RefinanceDialog(services, AddStoredMortgage()).Initialise(on_mortgage);
  EXPECT_EQ(on_mortgage.texts[105], "$160,000.00");
  EXPECT_FALSE(on_mortgage.checks[117]);
}

}  // namespace
}  // namespace tarvel::ui
