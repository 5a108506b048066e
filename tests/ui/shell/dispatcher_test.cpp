// DispatchCommand: the open-editor guard, the save prompt, commands not built yet, and the
// refresh after an editor.
#include "ui/shell/dispatcher.h"

#include "ui/analysis/monte_carlo_folder.h"
#include "ui/commands/help_commands.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/folders.h"
#include "ui/shell_fixture.h"

namespace tarvel::ui {
namespace {

using test_support::ShellFixture;

class DispatcherTest : public ShellFixture {};

TEST_F(DispatcherTest, GuardRefusesASecondEditorAndRaisesTheOpenOne) {
  int raised = 0;
  editors.Open("withdrawal", [&raised] { ++raised; });
  EXPECT_EQ(dispatcher->DispatchCommand(106), DispatchResult::Refused);  // Deposit
  EXPECT_EQ(dispatcher->DispatchCommand(2), DispatchResult::Refused);    // Open
  EXPECT_EQ(raised, 2);
  EXPECT_TRUE(prompter.open_dialogs.empty());
  // Exit is not guarded.
  EXPECT_EQ(dispatcher->DispatchCommand(5), DispatchResult::Done);
  EXPECT_TRUE(view.Called("close"));
}

TEST_F(DispatcherTest, GuardRefusesWhilePrinting) {
  state.printing = true;
  EXPECT_EQ(dispatcher->DispatchCommand(104), DispatchResult::Refused);
  EXPECT_TRUE(help.topics.empty());
}

TEST_F(DispatcherTest, ReportsCommandsWhoseDialogsAreNotBuiltYet) {
  scenario->modified = true;
  EXPECT_EQ(dispatcher->DispatchCommand(881), DispatchResult::NotAvailable);
  EXPECT_EQ(view.statuses.back(), kNotAvailableStatus);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(dispatcher->DispatchCommand(4242), DispatchResult::Unknown);
}

TEST_F(DispatcherTest, CancelledSavePromptStopsOpenWithTheChangesKept) {
  scenario->modified = true;
  program.save_name = "mine.ret";
  prompter.answers = {platform::Answer::Cancel};
  EXPECT_EQ(dispatcher->DispatchCommand(2), DispatchResult::Cancelled);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Do you wish to save the file mine.ret?");
  EXPECT_EQ(prompter.messages[0].caption, "Tarvel Retirement Planner");
  EXPECT_TRUE(prompter.open_dialogs.empty());
  EXPECT_TRUE(scenario->modified);
}

TEST_F(DispatcherTest, TogglesTheKeywordSwitchesFromTheKeyboard) {
  dispatcher->DispatchCommand(911);
  EXPECT_TRUE(state.keywords.runs_suppressed);
  dispatcher->DispatchCommand(902);
  EXPECT_FALSE(state.keywords.summary_lines);
  dispatcher->DispatchCommand(911);
  EXPECT_FALSE(state.keywords.runs_suppressed);
}

TEST_F(DispatcherTest, ShowsHelpTopicsByContext) {
  dispatcher->DispatchCommand(104);
  dispatcher->DispatchCommand(105);
  dispatcher->DispatchCommand(778);
  dispatcher->DispatchCommand(6);
  EXPECT_EQ(help.topics, (std::vector<int>{platform::kHelpContents, platform::kHelpOnHelp, 1544}));
  EXPECT_TRUE(view.Called("about"));
}

// The Monte Carlo folder has no Help button: F1 over it opens its page, over the others the
// contents.
TEST_F(DispatcherTest, HelpContentsOverTheMonteCarloFolderOpensItsPage) {
  for (int folder : {kMonteCarloFolder, kSummaryFolder, kResultsFolder, kNetWorthFolder}) {
    state.current_folder = folder;
    dispatcher->DispatchCommand(kHelpContentsCommand);
  }
  EXPECT_EQ(help.topics, (std::vector<int>{kMonteCarloHelpContext, platform::kHelpContents,
                                           platform::kHelpContents, platform::kHelpContents}));
}

TEST(PlanRefreshAfterEditor, RefreshesTheFolderThatIsShowing) {
  ShellState state;
  state.current_folder = 3;
  state.results_folder_open = true;
  EXPECT_TRUE(PlanRefreshAfterEditor(state, Refresh::AfterEditor).run_again_in_results);
  EXPECT_TRUE(PlanRefreshAfterEditor(state, Refresh::ResultsFolderOnly).run_again_in_results);
  state.current_folder = 2;
  state.results_folder_open = false;
  EXPECT_TRUE(PlanRefreshAfterEditor(state, Refresh::AfterEditor).reselect_scenario_folder);
  EXPECT_FALSE(PlanRefreshAfterEditor(state, Refresh::ResultsFolderOnly).reselect_scenario_folder);
}

}  // namespace
}  // namespace tarvel::ui
