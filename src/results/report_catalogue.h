// The reports of the Reports menu: which command stands for which report, the title of its
// window and of its printed pages, and the kind number printing knows it by.
#pragma once

#include <optional>
#include <string>

#include "model/records.h"

namespace tarvel::results {

// Each report is known by the Reports menu command that shows it.
enum class ReportKind : int {
  NetWorth = 891,
  Incoming = 892,
  Outgoing = 893,
  Accounts = 894,
  AccountAllocations = 793,
  Groups = 895,
  GroupAllocations = 792,
  IncomingEvents = 897,
  OutgoingEvents = 898,
  AccountsInOut = 899,
  AccountAssetAllocation = 909,
  AssetByAllocation = 917,
};

inline constexpr ReportKind kAllReports[] = {ReportKind::NetWorth,
                                             ReportKind::Incoming,
                                             ReportKind::Outgoing,
                                             ReportKind::Accounts,
                                             ReportKind::AccountAllocations,
                                             ReportKind::Groups,
                                             ReportKind::GroupAllocations,
                                             ReportKind::IncomingEvents,
                                             ReportKind::OutgoingEvents,
                                             ReportKind::AccountsInOut,
                                             ReportKind::AccountAssetAllocation,
                                             ReportKind::AssetByAllocation};

// The report a menu command shows; nothing for other commands.
std::optional<ReportKind> ReportOfCommand(int command_id);

// The kind number the printed pages are drawn by (1 net worth ... 16 accounts by allocation).
int PrintedReportKind(ReportKind kind);
// Kind numbers of the pages that are not a catalogue report.
inline constexpr int kSelectedAgePrintKind = 9;
inline constexpr int kMortgageSchedulePrintKind = 12;

// The title of the report window: "Net Worth Report"; the group reports use the group
// folder's name when it has 3 or more characters.
std::string ReportWindowTitle(ReportKind kind, const model::Scenario& scenario);
// The title on the printed pages: "Net Worth", "OutGoing", "Groups" ...
std::string PrintedReportTitle(ReportKind kind, const model::Scenario& scenario);

// The account asset allocation table has one row per account, so no age can be chosen.
bool OffersSelectedAge(ReportKind kind);
// Percentages of the whole rather than amounts.
bool IsPercentageForm(ReportKind kind);

}  // namespace tarvel::results
