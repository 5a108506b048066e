// The folders of the main window's tab strip: their captions for the scenario's account
// count and group folder name, what each graph folder draws, and SwitchFolder's decisions.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel::ui {

inline constexpr int kSummaryFolder = 0;
inline constexpr int kAccountsFolder = 1;
inline constexpr int kScenarioFolder = 2;
inline constexpr int kResultsFolder = 3;
inline constexpr int kNetWorthFolder = 4;
inline constexpr int kGroupsFolder = 8;
inline constexpr int kFirstAccountGraphFolder = 9;
inline constexpr char kMakerCaption[] = "Tarvel Software";

// "Accounts 1-10", ..., then the tab of the remaining accounts; none for 0 accounts.
std::vector<std::string> AccountTabCaptions(int account_count);
// "Groups", or the group folder name when it has 3 or more characters.
std::string GroupTabCaption(std::string_view folder_name);
// Every tab in order; tab 0 shows the maker's name until the start page has been shown.
std::vector<std::string> FolderCaptions(int account_count, std::string_view folder_name,
                                        bool start_page_pending);
int FolderCount(int account_count);

// What a graph folder draws.
struct GraphFolder {
  int kind = 0;  // 1 net worth .. 7 groups; 0 the four summary graphs
  std::string title;
  int first_account = 0;  // account graphs: 1-based numbers of the tab's accounts
  int last_account = 0;
};
// Nothing for the accounts, scenario and results folders.
std::optional<GraphFolder> GraphFolderOf(int folder, int account_count,
                                         std::string_view folder_name);
bool IsGraphFolder(int folder);

// The state SwitchFolder decides from.
struct FolderSwitchState {
  int current_folder = kSummaryFolder;
  bool editor_open = false;         // EditorIsOpen answered true
  bool event_chooser_open = false;  // the event list's chooser may stay open
  bool results_stale = false;
  bool results_folder_built = false;
};

struct FolderSwitch {
  bool refused = false;               // the tab strip goes back to the current folder
  bool recompute_and_run = false;     // fresh totals and a run first (graph folders, and
                                      // the results folder when results are stale)
  bool leave_results_folder = false;  // clears the results folder's open flag
  bool close_event_chooser = false;
  bool print_graph_enabled = false;  // 403, 404 and the toolbar button
};

FolderSwitch DecideFolderSwitch(const FolderSwitchState& state, int folder);

}  // namespace tarvel::ui
