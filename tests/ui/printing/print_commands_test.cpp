// The print commands over a recording page printer: which pages each command prints, that the
// shell counts as printing while the pages go out, what a failure tells the user, and where
// the page setup is kept.
#include "ui/printing/print_commands.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/run_scenario.h"
#include "model/scenario_ops.h"
#include "results/schedule_run.h"
#include "support/fixed_clock.h"
#include "support/scenario_builder.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/folders.h"
#include "ui/shell_fixture.h"

namespace tarvel::ui {
namespace {

// Records what it is asked to print; answers with the result and page setup it is given.
class RecordingPagePrinter : public PagePrinter {
 public:
  explicit RecordingPagePrinter(const ShellState& state) : state_(state) {}

  results::PrintResult Print(const std::string& document, const results::PageFileJob& job,
                             const results::PrintLook&) override {
    printed.push_back({document, job.prefix, job.title, job.page_count, state_.printing});
    return answer;
  }
  bool SavePdf(const results::PageFileJob& job, const results::PrintLook&, const std::string& path,
               std::string& error) override {
    printed.push_back({path, job.prefix, job.title, job.page_count, state_.printing});
    error = "The disk is full.";
    return false;
  }
  void Preview(const results::PageFileJob& job, const results::PrintLook&) override {
    printed.push_back({"preview", job.prefix, job.title, job.page_count, state_.printing});
  }
  std::optional<platform::PageSetup> SetUpPage(const platform::PageSetup&) override {
    return setup;
  }
  std::optional<model::PrinterFontChoice> ChooseFont(const model::PrinterFontChoice&) override {
    return std::nullopt;
  }

  struct Job {
    std::string document;  // the document name, "preview" or the PDF path
    std::string prefix;
    std::string title;
    int pages = 0;
    bool shell_printing = false;  // the shell's printing flag while the pages went out
  };
  std::vector<Job> printed;
  results::PrintResult answer;
  std::optional<platform::PageSetup> setup;

 private:
  const ShellState& state_;
};

class NoGraphPrinter : public GraphPrinter {
 public:
  bool PrintCurrentGraph(int folder) override {
    folders.push_back(folder);
    return true;
  }
  bool PrintAllGraphs(int, graphs::ChartStyle) override { return true; }
  std::vector<int> folders;
};

class PrintCommandsTest : public test_support::ShellFixture {
 protected:
  PrintCommandsTest() {
    *scenario = *test_support::MakeClearedScenario();
    scenario->initial.start_age = 60;
    scenario->initial.end_age = 75;
    test_support::AddAccount(*scenario, model::AccountType::Investment, 100000, 5, "Savings");
    model::RecomputeInitialTotals(*scenario);
    state.scenario_loaded = true;
    print = std::make_unique<PrintCommands>(
        *context,
        PrintCommandServices{printer, dialogs, graphs, clock,
                             [this](const engine::RunOptions& options) -> const engine::Run& {
                               run = std::make_unique<results::ScheduleRun>();
                               run->options = options;
                               run->clock = &clock;
                               engine::RunScenario(*scenario, *run);
                               return *run;
                             }});
  }

  RecordingPagePrinter printer{state};
  NoGraphPrinter graphs;
  test_support::FixedClock clock;
  std::unique_ptr<results::ScheduleRun> run;
  std::unique_ptr<PrintCommands> print;
};

TEST_F(PrintCommandsTest, EachCommandPrintsItsPagesWhileTheShellCountsAsPrinting) {
  struct Case {
    int command;
    int folder;            // the folder showing when the command is given
    std::string document;  // "preview" for the preview
    std::string title_has;
  };
  const Case cases[] = {
      {kPrintResultsCommand, kSummaryFolder, "", "Financial Schedule"},
      {kPrintScenarioCommand, kSummaryFolder, "", "Scenario"},
      {kPrintPreviewCommand, kSummaryFolder, "preview", "Financial Schedule"},
      {kPrintWindowCommand, kResultsFolder, "", "Financial Schedule"},
      {kPrintWindowCommand, kSummaryFolder + 1, "", "Scenario"},
  };
  for (const Case& c : cases) {
    printer.printed.clear();
    view.calls.clear();
    state.current_folder = c.folder;
    print->Execute(c.command);
    ASSERT_EQ(printer.printed.size(), 1u) << c.command;
    const auto& job = printer.printed.front();
    EXPECT_GT(job.pages, 0) << c.command;
    EXPECT_NE(job.title.find(c.title_has), std::string::npos) << c.command << ": " << job.title;
    if (c.document == "preview") {
      EXPECT_EQ(job.document, "preview");
      EXPECT_FALSE(job.shell_printing);
    } else {
      EXPECT_TRUE(job.shell_printing) << c.command;
    }
    EXPECT_FALSE(state.printing) << c.command;
    // The print run replaced the results list: the shell shows the scenario's again.
    EXPECT_EQ(view.calls, std::vector<std::string>{"run"}) << c.command;
  }
  EXPECT_EQ(view.folders, std::vector<int>{kResultsFolder});  // Print Results Report shows it
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(PrintCommandsTest, FailuresAreToldWithTheirCaption) {
  printer.answer = {results::PrintOutcome::Failed, "The printer is out of paper.", "Print", 0};
  print->Execute(kPrintResultsCommand);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "The printer is out of paper.");
  EXPECT_EQ(prompter.messages[0].caption, "Print");

  print->PrintReport({1, 1, "Net Worth", folder.File("nw.pdf")});
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[1].text, "The disk is full.");
  EXPECT_EQ(prompter.messages[1].caption, "Save As");

  state.scenario_loaded = false;  // nothing to print before a scenario is open
  printer.printed.clear();
  print->Execute(kPrintScenarioCommand);
  EXPECT_TRUE(printer.printed.empty());
}

TEST_F(PrintCommandsTest, PageSetupKeepsTheMarginsAndOrientationUntilCancelled) {
  platform::PageSetup landscape;
  landscape.orientation = platform::Orientation::Landscape;
  landscape.margin_left = 11;
  landscape.margin_top = 12;
  landscape.margin_right = 13;
  landscape.margin_bottom = 14;
  printer.setup = landscape;
  print->Execute(kPageSetupCommand);
  EXPECT_EQ(program.print_option, 2);
  EXPECT_EQ(program.margins.left, 11);
  EXPECT_EQ(program.margins.bottom, 14);

  printer.setup.reset();  // cancelled
  print->Execute(kPageSetupCommand);
  EXPECT_EQ(program.print_option, 2);
  EXPECT_EQ(program.margins.top, 12);
}

}  // namespace
}  // namespace tarvel::ui
