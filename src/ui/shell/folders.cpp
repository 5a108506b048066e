// Tab captions and folder switching of the main window.
#include "ui/shell/folders.h"

#include <algorithm>

#include "model/money_format.h"

namespace tarvel::ui {
namespace {

constexpr int kAccountsPerTab = 10;
constexpr int kMaxAccountTabs = 5;

}  // namespace

std::vector<std::string> AccountTabCaptions(int account_count) {
  const int count = std::clamp(account_count, 0, kAccountsPerTab * kMaxAccountTabs);
  std::vector<std::string> captions;
  for (int first = 1; first <= count; first += kAccountsPerTab) {
    const int last = std::min(first + kAccountsPerTab - 1, count);
    if (last == first) {
      captions.push_back(model::Format("Account %d", first));
    } else if (first == 1) {
      captions.push_back(model::Format("Accounts 1-%1d", last));
    } else {
      captions.push_back(model::Format("Accounts %d-%2d", first, last));
    }
  }
  return captions;
}

std::string GroupTabCaption(std::string_view folder_name) {
  return folder_name.size() >= 3 ? std::string(folder_name) : std::string("Groups");
}

std::vector<std::string> FolderCaptions(int account_count, std::string_view folder_name,
                                        bool start_page_pending) {
  std::vector<std::string> captions = {start_page_pending ? kMakerCaption : "Summary",
                                       "Accounts",
                                       "Scenario",
                                       "Results",
                                       "Net Worth",
                                       "Incoming/Outgoing",
                                       "Incoming",
                                       "Outgoing",
                                       GroupTabCaption(folder_name)};
  for (std::string& caption : AccountTabCaptions(account_count)) {
    captions.push_back(std::move(caption));
  }
  return captions;
}

int FolderCount(int account_count) {
  return kFirstAccountGraphFolder + static_cast<int>(AccountTabCaptions(account_count).size());
}

bool IsGraphFolder(int folder) { return folder == kSummaryFolder || folder >= kNetWorthFolder; }

std::optional<GraphFolder> GraphFolderOf(int folder, int account_count,
                                         std::string_view folder_name) {
  switch (folder) {
    case kSummaryFolder:
      return GraphFolder{0, "SUMMARY", 0, 0};
    case 4:
      return GraphFolder{1, "NET WORTH", 0, 0};
    case 5:
      return GraphFolder{2, "INCOMING / OUTGOING", 0, 0};
    case 6:
      return GraphFolder{3, "INCOMING", 0, 0};
    case 7:
      return GraphFolder{4, "OUTGOING", 0, 0};
    case kGroupsFolder:
      return GraphFolder{7, folder_name.size() >= 3 ? std::string(folder_name) : "GROUPS", 0, 0};
    default:
      break;
  }
  if (folder < kFirstAccountGraphFolder || folder >= FolderCount(account_count)) {
    return std::nullopt;
  }
  const int first = (folder - kFirstAccountGraphFolder) * kAccountsPerTab + 1;
  const int last = std::min(first + kAccountsPerTab - 1, account_count);
  return GraphFolder{5, model::Format("ACCOUNTS %d to %d", first, last), first, last};
}

FolderSwitch DecideFolderSwitch(const FolderSwitchState& state, int folder) {
  FolderSwitch decision;
  if (!state.event_chooser_open && state.editor_open) {
    decision.refused = true;
    return decision;
  }
  decision.print_graph_enabled = IsGraphFolder(folder);
  // A graph folder draws the latest run; the results folder is built afresh from a new run
  // when the inputs changed since its last one.
  decision.recompute_and_run =
      (IsGraphFolder(folder) && (state.results_stale || !state.results_folder_built)) ||
      (folder == kResultsFolder && state.results_stale);
  decision.leave_results_folder =
      state.current_folder == kResultsFolder && folder != kResultsFolder;
  decision.close_event_chooser =
      state.current_folder == kScenarioFolder && folder != kScenarioFolder;
  return decision;
}

}  // namespace tarvel::ui
