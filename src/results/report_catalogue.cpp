// Titles and kind numbers of the reports.
#include "results/report_catalogue.h"

#include <string_view>

namespace tarvel::results {
namespace {

struct CatalogueEntry {
  ReportKind kind;
  int printed_kind;
  const char* window_title;  // the group reports build theirs from the folder name
  const char* printed_title;
};

constexpr CatalogueEntry kCatalogue[] = {
    {ReportKind::NetWorth, 1, "Net Worth Report", "Net Worth"},
    {ReportKind::Incoming, 2, "Incoming Report", "Incoming"},
    {ReportKind::Outgoing, 3, "Outgoing Report", "OutGoing"},
    {ReportKind::Accounts, 4, "Account Report", "Accounts"},
    {ReportKind::AccountAllocations, 4, "Account Allocation Report", "Account Allocation"},
    {ReportKind::Groups, 5, "Group Report", "Groups"},
    {ReportKind::GroupAllocations, 5, "Group Allocation Report", "Group Allocations"},
    {ReportKind::IncomingEvents, 6, "Incoming Events Report", "Incoming Events"},
    {ReportKind::OutgoingEvents, 7, "Outgoing Events Report", "Outgoing Events"},
    {ReportKind::AccountsInOut, 8, "Accounts/Incoming/Outgoing Report",
     "Accounts Incoming/Outgoing"},
    {ReportKind::AccountAssetAllocation, 15, "Account Asset Allocation Report",
     "Account Asset Allocation"},
    {ReportKind::AssetByAllocation, 16, "Asset By Allocation Report",
     "Accounts By Asset Allocation"},
};

const CatalogueEntry& EntryOf(ReportKind kind) {
  for (const CatalogueEntry& entry : kCatalogue) {
    if (entry.kind == kind) return entry;
  }
  return kCatalogue[0];
}

// The group folder's own name when it is long enough to stand for "Group".
std::optional<std::string> GroupFolderName(const model::Scenario& scenario) {
  std::string name = scenario.groups.folder_name.str();
  if (name.size() < 3) return std::nullopt;
  return name;
}

}  // namespace

std::optional<ReportKind> ReportOfCommand(int command_id) {
  for (const CatalogueEntry& entry : kCatalogue) {
    if (static_cast<int>(entry.kind) == command_id) return entry.kind;
  }
  return std::nullopt;
}

int PrintedReportKind(ReportKind kind) { return EntryOf(kind).printed_kind; }

std::string ReportWindowTitle(ReportKind kind, const model::Scenario& scenario) {
  const std::optional<std::string> folder = GroupFolderName(scenario);
  if (folder && kind == ReportKind::Groups) return *folder + " Report";
  if (folder && kind == ReportKind::GroupAllocations) return *folder + " Allocation Report";
  return EntryOf(kind).window_title;
}

std::string PrintedReportTitle(ReportKind kind, const model::Scenario& scenario) {
  const std::optional<std::string> folder = GroupFolderName(scenario);
  if (folder && kind == ReportKind::Groups) return *folder;
  if (folder && kind == ReportKind::GroupAllocations) return *folder + " Allocation";
  return EntryOf(kind).printed_title;
}

bool OffersSelectedAge(ReportKind kind) { return kind != ReportKind::AccountAssetAllocation; }

bool IsPercentageForm(ReportKind kind) {
  return kind == ReportKind::AccountAllocations || kind == ReportKind::GroupAllocations;
}

}  // namespace tarvel::results
