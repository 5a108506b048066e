// The command table, the menu bar and the toolbar of the main window.
#include "ui/shell/command_table.h"

#include <algorithm>
#include <array>

namespace tarvel::ui {
namespace {

using F = CommandFamily;
using R = Refresh;

// id, text, accelerator, tooltip, family, guarded, save prompt, needs scenario, refresh
constexpr std::array kCommands = {
    Command{1, "&New", "Alt+N", "Create a New Scenario", F::File, true, true, false, R::None},
    Command{2, "&Open...", "Alt+O", "Open a Scenario", F::File, true, true, false, R::None},
    Command{3, "&Save", "Alt+S", "Save the Scenario", F::File, true, false, true, R::None},
    Command{4, "S&ave as..", "Alt+A", "Save Scenario Under a Different Name", F::File, true, false,
            true, R::None},
    Command{5, "E&xit", "Alt+X", "", F::File, false, false, false, R::None},
    Command{6, "A&bout..", "Alt+B", "About the Financial Planner", F::Help, true, false, false,
            R::None},
    Command{7, "Initial &Values", "Alt+V", "", F::Editor, true, false, true, R::ResultsFolderOnly},
    Command{8, "Save A&ccounts", "Alt+C", "Write Accounts To a File", F::File, true, false, true,
            R::None},
    Command{9, "&Read Accounts", "Alt+R", "Read Accounts From a File", F::File, true, false, true,
            R::None},
    Command{10, "", "", "", F::Posted, true, false, false, R::AfterEditor},
    Command{11, "Save &Graphs", "Alt+G", "Save Graphs To a File", F::Graph, true, false, true,
            R::None},
    Command{12, "&Export Account Results", "Alt+E", "Export Accounts", F::Report, true, false, true,
            R::None},
    Command{13, "&Import Account Data", "Alt+I", "Import Accounts", F::Editor, true, false, true,
            R::None},
    Command{14, "Re-Index Accounts", "", "", F::Editor, false, false, false, R::None},
    Command{15, "&Keep Backup Copies", "", "", F::File, true, false, false, R::None},
    Command{101, "&Withdrawal", "Alt+W", "", F::Editor, true, false, true, R::AfterEditor},
    Command{102, "Gro&up Names", "Alt+U", "", F::Editor, true, false, true, R::None},
    Command{104, "Table Of Contents", "F1", "Help", F::Help, true, false, false, R::None},
    Command{105, "Help On Help", "F4", "", F::Help, true, false, false, R::None},
    Command{106, "&Deposit", "Alt+D", "", F::Editor, true, false, true, R::AfterEditor},
    Command{107, "&Loan", "Alt+L", "", F::Editor, true, false, true, R::AfterEditor},
    Command{108, "&Mortgage", "Alt+M", "", F::Editor, true, false, true, R::AfterEditor},
    Command{109, "&Transfer", "Alt+T", "", F::Editor, true, false, true, R::AfterEditor},
    Command{110, "&Fundamentals", "Alt+F", "", F::Editor, true, false, true, R::AfterEditor},
    Command{112, "", "Ctrl+F", "", F::Report, true, false, false, R::None},
    Command{177, "Inflation", "Ctrl+N", "Inflation Calculator", F::Calculator, true, false, true,
            R::None},
    Command{178, "&Compare Scenarios", "Ctrl+C", "Compare Scenarios", F::Sibling, true, false, true,
            R::None},
    Command{179, "Trade-off", "Ctrl+T", "Trade-off Analysis", F::Calculator, true, false, true,
            R::None},
    Command{180, "Taxes/Inflation/Investment", "Ctrl+X", "Tax/Inflation/Investment Analysis",
            F::Calculator, true, false, false, R::None},
    Command{200, "Add Account", "Alt+K", "", F::Editor, true, false, false, R::None},
    Command{401, "&Print Results Report", "Ctrl+F1", "Print the Results", F::Report, true, false,
            true, R::None},
    Command{403, "&Print Current Graph", "Ctrl+G", "Print Current Graph", F::Graph, false, false,
            true, R::None},
    Command{404, "", "", "", F::Graph, false, false, true, R::None},
    Command{405, "Report Option&s", "Ctrl+S", "", F::Report, true, false, false, R::None},
    Command{406, "Pag&e Setup", "Ctrl+Y", "", F::Report, true, false, false, R::None},
    Command{441, "", "", "", F::Posted, true, false, false, R::None},
    Command{442, "", "", "", F::Posted, true, false, false, R::None},
    Command{443, "", "", "", F::Posted, true, false, false, R::None},
    Command{444, "", "", "", F::Posted, true, false, false, R::None},
    Command{445, "", "", "", F::Posted, true, false, false, R::None},
    Command{446, "", "", "", F::Posted, true, false, false, R::None},
    Command{447, "", "", "", F::Posted, true, false, false, R::None},
    Command{461, "Budget 1", "", "", F::Budget, true, false, false, R::None},
    Command{462, "Budget 2", "", "", F::Budget, true, false, false, R::None},
    Command{463, "Budget 3", "", "", F::Budget, true, false, false, R::None},
    Command{464, "Budget 4", "", "", F::Budget, true, false, false, R::None},
    Command{465, "Budget 5", "", "", F::Budget, true, false, false, R::None},
    Command{466, "Credit Card Debt", "Alt+Z", "", F::Editor, true, false, true, R::AfterEditor},
    Command{467, "Calculate Cre&dit Card Debt Payoff", "Ctrl+D",
            "Calculate Credit Card Debt Payoff", F::Calculator, true, false, false, R::None},
    Command{501, "Create Graph Window", "F2", "Open A Graph Window", F::Sibling, true, false, true,
            R::None},
    Command{602, "", "", "", F::File, true, true, false, R::None},
    Command{603, "", "", "", F::File, true, true, false, R::None},
    Command{604, "", "", "", F::File, true, true, false, R::None},
    Command{605, "", "", "", F::File, true, true, false, R::None},
    Command{606, "", "", "", F::File, true, true, false, R::None},
    Command{609, "", "", "", F::File, true, true, false, R::None},
    Command{671, "Download PDF version of the manual", "F10", "", F::Link, true, false, false,
            R::None},
    Command{776, "Entering Your Accounts", "", "", F::Help, true, false, true, R::None},
    Command{777, "Adding Events", "", "", F::Help, true, false, true, R::None},
    Command{778, "Reading the Results", "", "", F::Help, true, false, true, R::None},
    Command{779, "Graphs", "", "", F::Help, true, false, false, R::None},
    Command{780, "Budgets", "", "", F::Help, true, false, false, R::None},
    Command{781, "Account Groups", "", "", F::Help, true, false, false, R::None},
    Command{782, "Reports", "", "", F::Help, true, false, true, R::None},
    Command{783, "Printing", "", "", F::Help, true, false, true, R::None},
    Command{784, "Loans and Mortgages", "", "", F::Help, true, false, true, R::None},
    Command{785, "Required Minimum Distributions", "", "", F::Help, true, false, false, R::None},
    Command{786, "Asset Allocation", "", "", F::Help, true, false, false, R::None},
    Command{787, "Calculators", "", "", F::Help, true, false, false, R::None},
    Command{790, "&Print...", "Ctrl+P", "", F::Report, false, false, false, R::None},
    Command{792, "Group Allocations", "Ctrl+F11", "", F::Report, true, false, false, R::None},
    Command{793, "Account A&llocations", "", "", F::Report, true, false, false, R::None},
    Command{794, "Rule 72T Distribution", "Alt+P", "", F::Editor, true, false, false,
            R::AfterEditor},
    Command{881, "Mortgage Calculator", "Ctrl+O", "Mortgage Calculator", F::Calculator, true, false,
            true, R::None},
    Command{882, "Refinance Analysis", "Ctrl+R", "Refinance Mortgage Calculator", F::Calculator,
            true, false, true, R::None},
    Command{883, "Accelerated Mortgage Payment Analysis", "Ctrl+A",
            "Accelerated Mortgage Calculator", F::Calculator, true, false, false, R::None},
    Command{884, "&Window's Calculator", "Ctrl+W", "Open Window's Calculator", F::Link, true, false,
            false, R::None},
    Command{886, "Effective Yearly Interest Rate", "Ctrl+E", "Effective Interest Rate Calculator",
            F::Calculator, true, false, false, R::None},
    Command{887, "Contact Tarvel Software by Email", "F3", "", F::Link, false, false, false,
            R::None},
    Command{888, "Asset Allocation Wit&hdrawal Options", "Alt+H", "", F::Editor, true, false, true,
            R::AfterEditor},
    Command{889, "Re&quired Minimum Distribution", "Alt+Q", "", F::Editor, true, false, true,
            R::AfterEditor},
    Command{890, "Print Pre&view", "Ctrl+V", "", F::Report, false, false, false, R::None},
    Command{891, "&Net Worth", "", "", F::Report, true, false, true, R::None},
    Command{892, "In&coming", "", "", F::Report, true, false, true, R::None},
    Command{893, "&Outgoing", "", "", F::Report, true, false, true, R::None},
    Command{894, "&Account", "", "", F::Report, true, false, false, R::None},
    Command{895, "Group", "Ctrl+F6", "", F::Report, true, false, true, R::None},
    Command{897, "Inco&ming Events", "", "", F::Report, true, false, true, R::None},
    Command{898, "Outgoing E&vents", "", "", F::Report, true, false, true, R::None},
    Command{899, "Accoun&ts/Input/Output", "", "", F::Report, true, false, true, R::None},
    Command{902, "", "Shift+F11", "", F::Keyword, false, false, false, R::None},
    Command{903, "View Saved &Results...", "", "", F::Sibling, true, false, false, R::None},
    Command{904, "Calculate Rule 72T Distributions", "Ctrl+B", "Calculate Rule 72T Distributions",
            F::Sibling, false, false, false, R::None},
    Command{905, "Pr&int Scenario", "Ctrl+I", "", F::Report, true, false, false, R::None},
    Command{909, "Account Asset Allocation Ta&ble", "", "", F::Report, true, false, false, R::None},
    Command{917, "Asset B&y Allocation", "", "", F::Report, true, false, true, R::None},
    Command{911, "", "Alt+F12", "", F::Keyword, false, false, false, R::None},
    Command{912, "Line Graphs", "", "", F::Graph, false, false, false, R::None},
    Command{913, "Bar Graphs", "", "", F::Graph, false, false, false, R::None},
    Command{915, "3-D Bar Graphs", "", "", F::Graph, false, false, false, R::None},
    Command{916, "Getting Started", "", "", F::Help, true, false, false, R::None},
    Command{918, "Print Thumbnails", "", "", F::Graph, false, false, false, R::None},
    Command{919, "", "", "", F::Editor, true, false, true, R::AfterEditor},
};

constexpr std::array kToolbar = {
    ToolbarButton{1, 0},    ToolbarButton{2, 1},    ToolbarButton{3, 2},    ToolbarButton{4, 3},
    ToolbarButton{0, 0},    ToolbarButton{13, 4},   ToolbarButton{12, 5},   ToolbarButton{8, 6},
    ToolbarButton{9, 7},    ToolbarButton{0, 0},    ToolbarButton{401, 8},  ToolbarButton{0, 0},
    ToolbarButton{11, 9},   ToolbarButton{403, 10}, ToolbarButton{501, 11}, ToolbarButton{0, 0},
    ToolbarButton{881, 13}, ToolbarButton{882, 14}, ToolbarButton{883, 15}, ToolbarButton{177, 16},
    ToolbarButton{180, 17}, ToolbarButton{179, 18}, ToolbarButton{178, 19}, ToolbarButton{886, 22},
    ToolbarButton{467, 23}, ToolbarButton{904, 24}, ToolbarButton{884, 20}, ToolbarButton{6, 21},
    ToolbarButton{0, 0},    ToolbarButton{104, 12},
};

constexpr std::array<std::pair<int, int>, 13> kHelpContexts = {{
    {776, 1542},
    {777, 1543},
    {778, 1544},
    {779, 1553},
    {780, 1554},
    {781, 1557},
    {782, 1576},
    {783, 1574},
    {784, 1575},
    {785, 1577},
    {786, 1584},
    {787, 1587},
    {916, 1592},
}};

MenuEntry Item(int id) { return MenuEntry{MenuEntry::Kind::Item, id, {}, {}}; }
MenuEntry Separator() { return MenuEntry{MenuEntry::Kind::Separator, 0, {}, {}}; }
MenuEntry Submenu(std::string_view title, std::vector<MenuEntry> entries) {
  return MenuEntry{MenuEntry::Kind::Submenu, 0, title, std::move(entries)};
}
void Items(std::initializer_list<int> ids, std::vector<MenuEntry>& into) {
  for (int id : ids) into.push_back(Item(id));
}

std::vector<MenuEntry> ItemList(std::initializer_list<int> ids) {
  std::vector<MenuEntry> entries;
  for (int id : ids) entries.push_back(Item(id));
  return entries;
}

}  // namespace

std::span<const Command> CommandTable() { return kCommands; }

const Command* FindCommand(int id) {
  const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                  [id](const Command& command) { return command.id == id; });
  return found == kCommands.end() ? nullptr : &*found;
}

std::vector<Menu> MainMenu() {
  std::vector<MenuEntry> file = ItemList({1, 2, 3, 4});
  file.push_back(Separator());
  Items({8, 9, 13, 12}, file);
  file.push_back(Separator());
  file.push_back(Item(15));
  file.push_back(Separator());
  Items({790, 890}, file);
  file.push_back(Separator());
  file.push_back(MenuEntry{MenuEntry::Kind::RecentFiles, 607, {}, {}});
  file.push_back(Item(6));
  file.push_back(Separator());
  file.push_back(Item(5));

  std::vector<MenuEntry> edit = ItemList({7});
  edit.push_back(Submenu("Add &Event To Scenario", ItemList({101, 106, 107, 466, 108, 109, 110})));
  edit.push_back(Separator());
  Items({200, 102, 14}, edit);
  edit.push_back(Separator());
  Items({888, 889, 794}, edit);

  std::vector<MenuEntry> reports =
      ItemList({891, 892, 893, 894, 793, 895, 792, 897, 898, 899, 909, 917});
  reports.push_back(Separator());
  Items({401, 905, 405, 406}, reports);
  reports.push_back(Separator());
  reports.push_back(Item(903));

  std::vector<MenuEntry> graphs = ItemList({501, 178, 11, 403});
  graphs.push_back(Submenu("Print All Graphs", ItemList({912, 913, 915})));
  graphs.push_back(Item(918));

  std::vector<MenuEntry> calculators = ItemList({881, 882, 883});
  calculators.push_back(Separator());
  Items({177, 886, 467, 180, 179, 904}, calculators);
  calculators.push_back(Separator());
  calculators.push_back(Item(884));

  std::vector<MenuEntry> help = ItemList({104, 105});
  help.push_back(Submenu("Quick Tips",
                         ItemList({776, 777, 778, 779, 780, 781, 782, 783, 784, 785, 786, 787})));
  help.push_back(Item(916));
  help.push_back(Separator());
  Items({887, 671}, help);

  return {{"File", std::move(file)},
          {"Edit", std::move(edit)},
          {"Reports", std::move(reports)},
          {"Graphs", std::move(graphs)},
          {"Budgets", ItemList({461, 462, 463, 464, 465})},
          {"Calculators", std::move(calculators)},
          {"Help", std::move(help)}};
}

std::span<const ToolbarButton> ToolbarButtons() { return kToolbar; }

std::optional<int> HelpContextOf(int command_id) {
  for (const auto& [id, context] : kHelpContexts) {
    if (id == command_id) return context;
  }
  return std::nullopt;
}

std::string GroupReportMenuText(std::string_view folder_name) {
  if (folder_name.size() <= 3) return "Group";
  return std::string(folder_name);
}

std::string GroupAllocationsMenuText(std::string_view folder_name) {
  if (folder_name.size() <= 3) return "Group Allocations";
  return std::string(folder_name) + " Allocations";
}

}  // namespace tarvel::ui
