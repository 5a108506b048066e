// The ids of the main window's commands that code refers to by name: menu items,
// accelerators, toolbar buttons and the commands dialogs post to the main window.
#pragma once

#include <array>

namespace tarvel::ui {

// File menu.
inline constexpr int kNewCommand = 1;
inline constexpr int kOpenCommand = 2;
inline constexpr int kSaveCommand = 3;
inline constexpr int kSaveAsCommand = 4;
inline constexpr int kExitCommand = 5;
inline constexpr int kAboutCommand = 6;
inline constexpr int kSaveAccountsCommand = 8;
inline constexpr int kReadAccountsCommand = 9;
inline constexpr int kKeepBackupsCommand = 15;  // checked while saves keep "NAME.ret.bak"
// Recent files (1) to (6), and the separator after them.
inline constexpr std::array<int, 6> kRecentFileCommands = {602, 603, 604, 605, 606, 609};
inline constexpr int kRecentSeparatorId = 607;

// Edit menu and the editors.
inline constexpr int kInitialValuesCommand = 7;
inline constexpr int kAddEventChooserCommand = 10;  // posted by the Scenario folder's Add
inline constexpr int kWithdrawalCommand = 101;
inline constexpr int kDepositCommand = 106;
inline constexpr int kLoanCommand = 107;
inline constexpr int kMortgageCommand = 108;
inline constexpr int kTransferCommand = 109;
inline constexpr int kFundamentalsCommand = 110;
inline constexpr int kCreditCardCommand = 466;
inline constexpr int kRule72TCommand = 794;
inline constexpr int kAllocationOptionsCommand = 888;
inline constexpr int kMinimumDistributionCommand = 889;
inline constexpr int kEquityLoanCommand = 919;  // opened from the Scenario folder and Mortgage

// The accounts.
inline constexpr int kReindexAccountsCommand = 14;
inline constexpr int kGroupNamesCommand = 102;
inline constexpr int kAddAccountCommand = 200;

// Posted by the "Create New Accounts" chooser.
inline constexpr int kNewAccountsFromTabFile = 441;
inline constexpr int kNewAccountsFromCommaFile = 442;
inline constexpr int kNewAccountsByHand = 443;

// Reports and printing.
inline constexpr int kPrintResultsCommand = 401;
inline constexpr int kGroupAllocationsCommand = 792;
inline constexpr int kGroupReportCommand = 895;

// Graphs.
inline constexpr int kSaveGraphsCommand = 11;
inline constexpr int kPrintCurrentGraphCommand = 403;
inline constexpr int kPrintCurrentGraphKeyCommand = 404;
inline constexpr int kGraphWindowCommand = 501;
inline constexpr int kPrintLineGraphsCommand = 912;
inline constexpr int kPrintBarGraphsCommand = 913;
inline constexpr int kPrint3DBarGraphsCommand = 915;

// Budgets menu: "Budget 1" to "Budget 5".
inline constexpr int kFirstBudgetCommand = 461;
inline constexpr int kBudgetCommandCount = 5;

// Help menu.
inline constexpr int kHelpContentsCommand = 104;
inline constexpr int kHelpOnHelpCommand = 105;
inline constexpr int kDownloadManualCommand = 671;
inline constexpr int kEmailCommand = 887;

// Sibling programs and the desktop calculator.
inline constexpr int kCompareScenariosCommand = 178;
inline constexpr int kCalculatorCommand = 884;
inline constexpr int kViewerCommand = 903;
inline constexpr int kRule72TCalculatorCommand = 904;

// Keyword toggles.
inline constexpr int kToggleSummaryLines = 902;
inline constexpr int kToggleRunsSuppressed = 911;

}  // namespace tarvel::ui
