// The print commands over a recording page printer: which pages each command prints, that the
// shell counts as printing while the pages go out, what a failure tells the user, and where
// the page setup is kept.
#include "ui/printing/print_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "engine/run_scenario.h"
#include "model/planner_options_file.h"
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
                             const results::PrintLook&, const PrintToFile& to_file) override {
    printed.push_back({document, job.prefix, job.title, job.page_count, state_.printing});
    proposed_paths.push_back(to_file.proposed_path);
    // "Print to File" chosen in the print dialog, with the path it proposed.
    if (to_file_chosen) {
      const std::optional<std::string> path = to_file.ask(to_file.proposed_path);
      if (!path) return {results::PrintOutcome::Cancelled, "", "", 0};
      files.push_back(*path);
    }
    return answer;
  }
  int SchedulePageHalfLines(const results::PrintLook&) override { return page_half_lines; }
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
  std::vector<std::string> proposed_paths;
  std::vector<std::string> files;  // the PDF files printed to
  bool to_file_chosen = false;
  int page_half_lines = results::kDefaultPageHalfLines;
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

TEST_F(PrintCommandsTest, DocumentsAreNamedAfterThePlanAndTheirTitle) {
  program.open_name = "plans/couple-saving.ret";
  print->Execute(kPrintResultsCommand);
  print->PrintReport({1, 1, "Net Worth", ""});
  ASSERT_EQ(printer.printed.size(), 2u);
  EXPECT_EQ(printer.printed[0].document, "couple-saving \xE2\x80\x94 Financial Schedule");
  EXPECT_EQ(printer.printed[1].document, "couple-saving \xE2\x80\x94 Net Worth");
}

TEST_F(PrintCommandsTest, SchedulePagesAreCutToTheRoomThePrinterMeasured) {
  // A run of 15 years cut for a short page and for a long one.
  printer.page_half_lines = 30;
  print->Execute(kPrintResultsCommand);
  printer.page_half_lines = 300;
  print->Execute(kPrintResultsCommand);
  ASSERT_EQ(printer.printed.size(), 2u);
  EXPECT_GT(printer.printed[0].pages, 2 * printer.printed[1].pages);
}

TEST_F(PrintCommandsTest, PrintToFileAsksWhereStartingInThePlansFolderAndRemembersTheFolder) {
  const std::filesystem::path plans = std::filesystem::path(folder.path()) / "plans";
  const std::filesystem::path elsewhere = std::filesystem::path(folder.path()) / "elsewhere";
  std::filesystem::create_directories(plans);
  std::filesystem::create_directories(elsewhere);
  program.open_name = (plans / "couple-saving.ret").string();
  printer.to_file_chosen = true;
  prompter.save_choices = {(elsewhere / "first.pdf").string(), (elsewhere / "second.pdf").string()};

  print->Execute(kPrintResultsCommand);
  ASSERT_EQ(prompter.save_dialogs.size(), 1u);
  const platform::FileDialog& first = prompter.save_dialogs[0];
  EXPECT_EQ(first.start_folder, plans.string());
  EXPECT_EQ(first.initial_name, "couple-saving - Financial Schedule.pdf");
  EXPECT_EQ(first.default_extension, "pdf");
  EXPECT_EQ(printer.proposed_paths[0], (plans / "couple-saving - Financial Schedule.pdf").string());
  EXPECT_EQ(printer.files, std::vector<std::string>{(elsewhere / "first.pdf").string()});

  // The next print to a file starts where the last one went, in this session and the next.
  print->Execute(kPrintScenarioCommand);
  ASSERT_EQ(prompter.save_dialogs.size(), 2u);
  EXPECT_EQ(prompter.save_dialogs[1].start_folder, elsewhere.string());
  model::Program next_session;
  model::ReadPlannerOptions(folder.path(), next_session);
  EXPECT_EQ(next_session.print_folder, elsewhere.string());

  // Cancelling the file dialog prints nothing.
  print->Execute(kPrintResultsCommand);
  EXPECT_EQ(printer.files.size(), 2u);
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(PrintCommandsTest, PrintToFileAsksBeforeReplacingAFile) {
  const std::string existing = folder.File("report.pdf");
  std::ofstream(existing) << "old";
  printer.to_file_chosen = true;
  prompter.save_choices = {existing, existing};
  prompter.answers = {platform::Answer::No, platform::Answer::Yes};
  print->Execute(kPrintResultsCommand);
  EXPECT_TRUE(printer.files.empty());
  print->Execute(kPrintResultsCommand);
  EXPECT_EQ(printer.files, std::vector<std::string>{existing});
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[0].text, existing + " already exists. Do you want to replace it?");
}

}  // namespace
}  // namespace tarvel::ui
