// Tab captions, graph folders and folder switching.
#include "ui/shell/folders.h"

#include <gtest/gtest.h>

namespace tarvel::ui {
namespace {

using Captions = std::vector<std::string>;

TEST(AccountTabCaptions, FollowTheAccountCount) {
  EXPECT_EQ(AccountTabCaptions(0), Captions{});
  EXPECT_EQ(AccountTabCaptions(1), Captions{"Account 1"});
  EXPECT_EQ(AccountTabCaptions(6), Captions{"Accounts 1-6"});
  EXPECT_EQ(AccountTabCaptions(10), Captions{"Accounts 1-10"});
  EXPECT_EQ(AccountTabCaptions(11), (Captions{"Accounts 1-10", "Account 11"}));
  EXPECT_EQ(AccountTabCaptions(23),
            (Captions{"Accounts 1-10", "Accounts 11-20", "Accounts 21-23"}));
  EXPECT_EQ(AccountTabCaptions(50), (Captions{"Accounts 1-10", "Accounts 11-20", "Accounts 21-30",
                                              "Accounts 31-40", "Accounts 41-50"}));
}

TEST(FolderCaptions, ShowTheMakerUntilTheStartPageAndTheGroupFolderName) {
  const Captions pending = FolderCaptions(11, "", true);
  ASSERT_EQ(pending.size(), 11u);
  EXPECT_EQ(pending[0], "Tarvel Software");
  EXPECT_EQ(pending[8], "Groups");
  EXPECT_EQ(pending[10], "Account 11");
  const Captions shown = FolderCaptions(0, "Pot", false);
  EXPECT_EQ(shown, (Captions{"Summary", "Accounts", "Scenario", "Results", "Net Worth",
                             "Incoming/Outgoing", "Incoming", "Outgoing", "Pot"}));
  EXPECT_EQ(GroupTabCaption("Po"), "Groups");
}

TEST(GraphFolderOf, GivesKindTitleAndAccountRange) {
  EXPECT_EQ(GraphFolderOf(4, 0, "")->title, "NET WORTH");
  EXPECT_EQ(GraphFolderOf(5, 0, "")->kind, 2);
  EXPECT_EQ(GraphFolderOf(8, 0, "Buckets")->title, "Buckets");
  const auto accounts = GraphFolderOf(10, 14, "");
  ASSERT_TRUE(accounts.has_value());
  EXPECT_EQ(accounts->title, "ACCOUNTS 11 to 14");
  EXPECT_EQ(accounts->first_account, 11);
  EXPECT_FALSE(GraphFolderOf(11, 14, "").has_value());
  EXPECT_FALSE(GraphFolderOf(kResultsFolder, 14, "").has_value());
}

TEST(DecideFolderSwitch, RefusesWhileAnEditorIsOpen) {
  FolderSwitchState state;
  state.current_folder = kScenarioFolder;
  state.editor_open = true;
  EXPECT_TRUE(DecideFolderSwitch(state, kResultsFolder).refused);
  state.event_chooser_open = true;  // the event chooser may stay open over folder changes
  EXPECT_FALSE(DecideFolderSwitch(state, kResultsFolder).refused);
}

TEST(DecideFolderSwitch, RunsStaleGraphFoldersAndLeavesFoldersCleanly) {
  FolderSwitchState state;
  state.current_folder = kResultsFolder;
  state.results_folder_built = true;
  FolderSwitch to_graph = DecideFolderSwitch(state, kNetWorthFolder);
  EXPECT_FALSE(to_graph.recompute_and_run);
  EXPECT_TRUE(to_graph.leave_results_folder);
  EXPECT_TRUE(to_graph.print_graph_enabled);
  state.results_stale = true;
  EXPECT_TRUE(DecideFolderSwitch(state, kNetWorthFolder).recompute_and_run);
  EXPECT_FALSE(DecideFolderSwitch(state, kAccountsFolder).recompute_and_run);
  EXPECT_FALSE(DecideFolderSwitch(state, kAccountsFolder).print_graph_enabled);
  state.current_folder = kScenarioFolder;
  EXPECT_TRUE(DecideFolderSwitch(state, kAccountsFolder).close_event_chooser);
}

TEST(DecideFolderSwitch, BuildsTheResultsFolderAfreshOnlyFromStaleResults) {
  FolderSwitchState state;
  state.current_folder = kAccountsFolder;
  state.results_folder_built = true;
  EXPECT_FALSE(DecideFolderSwitch(state, kResultsFolder).recompute_and_run);
  state.results_stale = true;
  EXPECT_TRUE(DecideFolderSwitch(state, kResultsFolder).recompute_and_run);
}

}  // namespace
}  // namespace tarvel::ui
