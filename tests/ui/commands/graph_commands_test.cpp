// The Graphs menu's commands over fakes: the graph program, Save Graphs' dialog, printing
// only from graph folders, the styles of Print All Graphs, and the re-run of stale results.
#include "ui/commands/graph_commands.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/shell/folders.h"
#include "ui/shell_fixture.h"

namespace tarvel::ui {
namespace {

// Records what was printed and whether the printing flag was up meanwhile.
class FakeGraphPrinter : public GraphPrinter {
 public:
  explicit FakeGraphPrinter(const ShellState& state) : state_(state) {}
  bool PrintCurrentGraph(int folder) override {
    current_folders.push_back(folder);
    printing_seen = state_.printing;
    return true;
  }
  bool PrintAllGraphs(int folder, graphs::ChartStyle style) override {
    all_folders.push_back(folder);
    styles.push_back(style);
    printing_seen = state_.printing;
    return true;
  }

  std::vector<int> current_folders;
  std::vector<int> all_folders;
  std::vector<graphs::ChartStyle> styles;
  bool printing_seen = false;

 private:
  const ShellState& state_;
};

class GraphCommandsTest : public test_support::ShellFixture {
 protected:
  GraphCommandsTest() {
    graphs = std::make_unique<GraphCommands>(*context, launcher, printer);
    dispatcher->AddHandler(*graphs);
    state.scenario_loaded = true;
  }

  FakeGraphPrinter printer{state};
  std::unique_ptr<GraphCommands> graphs;
};

TEST_F(GraphCommandsTest, GraphWindowStartsTheGraphProgramAndAFailurePassesSilently) {
  state.keywords.currency = model::Currency::Euros();
  EXPECT_EQ(dispatcher->DispatchCommand(501), DispatchResult::Done);
  ASSERT_EQ(launcher.programs.size(), 1u);
  EXPECT_EQ(launcher.programs[0].name, "tarvelplot3");
  EXPECT_EQ(launcher.programs[0].arguments, (std::vector<std::string>{"plotinf01.tmp", "Euros"}));
  EXPECT_TRUE(launcher.programs[0].shown);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_FALSE(view.Called("run"));
}

TEST_F(GraphCommandsTest, StaleResultsAreRunAgainFirst) {
  for (int id : {501, 11, 912}) {
    view.calls.clear();
    state.results_stale = true;
    dispatcher->DispatchCommand(id);
    EXPECT_TRUE(view.Called("run")) << id;
  }
}

TEST_F(GraphCommandsTest, SaveGraphsAsksForAPlotFileInTheWorkingDirectory) {
  EXPECT_EQ(dispatcher->DispatchCommand(11), DispatchResult::Done);
  ASSERT_EQ(prompter.save_dialogs.size(), 1u);
  EXPECT_EQ(prompter.save_dialogs[0].title, "Save Graphs To a File");
  ASSERT_EQ(prompter.save_dialogs[0].filters.size(), 1u);
  EXPECT_EQ(prompter.save_dialogs[0].filters[0].label, "Plot Files (*.TVP)");
  EXPECT_EQ(prompter.save_dialogs[0].start_folder, folder.path());
  EXPECT_TRUE(prompter.messages.empty());  // cancelled
}

TEST_F(GraphCommandsTest, SaveGraphsWithoutAPlotFileSaysSo) {
  prompter.save_choices = {folder.File("mine.tvp")};
  dispatcher->DispatchCommand(11);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Cannot open plotinf for reading!");
  EXPECT_EQ(prompter.messages[0].caption, "FILE ERROR");
}

TEST_F(GraphCommandsTest, PrintCurrentGraphPrintsOnlyFromGraphFolders) {
  for (int folder : {kAccountsFolder, kScenarioFolder, kResultsFolder}) {
    state.current_folder = folder;
    dispatcher->DispatchCommand(403);
  }
  EXPECT_TRUE(printer.current_folders.empty());
  for (int folder : {kSummaryFolder, kNetWorthFolder, kGroupsFolder, kFirstAccountGraphFolder}) {
    state.current_folder = folder;
    dispatcher->DispatchCommand(403);
  }
  state.current_folder = 6;
  dispatcher->DispatchCommand(404);
  EXPECT_EQ(printer.current_folders, (std::vector<int>{0, 4, 8, 9, 6}));
  EXPECT_TRUE(printer.printing_seen);
  EXPECT_FALSE(state.printing);
}

TEST_F(GraphCommandsTest, PrintAllGraphsUsesTheCommandsStyle) {
  state.current_folder = kResultsFolder;
  for (int id : {912, 913, 915}) dispatcher->DispatchCommand(id);
  EXPECT_EQ(printer.styles,
            (std::vector<graphs::ChartStyle>{graphs::ChartStyle::Line, graphs::ChartStyle::Bar,
                                             graphs::ChartStyle::Bar3D}));
  EXPECT_EQ(printer.all_folders, (std::vector<int>{3, 3, 3}));
  EXPECT_FALSE(state.printing);
  EXPECT_EQ(PrintAllGraphsStyle(918), std::nullopt);
}

TEST_F(GraphCommandsTest, NothingHappensWithoutAScenario) {
  state.scenario_loaded = false;
  state.results_stale = true;
  for (int id : {11, 403, 501, 912}) dispatcher->DispatchCommand(id);
  EXPECT_TRUE(launcher.programs.empty());
  EXPECT_TRUE(prompter.save_dialogs.empty());
  EXPECT_TRUE(printer.styles.empty());
  EXPECT_FALSE(view.Called("run"));
}

}  // namespace
}  // namespace tarvel::ui
