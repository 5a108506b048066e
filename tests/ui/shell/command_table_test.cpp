// The command table, menu bar and toolbar of the main window.
#include "ui/shell/command_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tarvel::ui {
namespace {

void CollectIds(const std::vector<MenuEntry>& entries, std::set<int>& ids) {
  for (const MenuEntry& entry : entries) {
    if (entry.kind == MenuEntry::Kind::Item) ids.insert(entry.id);
    if (entry.kind == MenuEntry::Kind::Submenu) CollectIds(entry.entries, ids);
  }
}

TEST(CommandTable, HoldsEachIdOnceAndEachAcceleratorOnce) {
  std::set<int> ids;
  std::set<std::string> accelerators;
  for (const Command& command : CommandTable()) {
    EXPECT_TRUE(ids.insert(command.id).second) << command.id;
    if (!command.accelerator.empty()) {
      EXPECT_TRUE(accelerators.insert(std::string(command.accelerator)).second)
          << command.accelerator;
    }
  }
}

TEST(CommandTable, CarriesTheMenuTextsAndAccelerators) {
  const struct {
    int id;
    const char* text;
    const char* accelerator;
  } expected[] = {
      {1, "&New", "Alt+N"},
      {2, "&Open...", "Alt+O"},
      {4, "S&ave as..", "Alt+A"},
      {5, "E&xit", "Alt+X"},
      {6, "A&bout..", "Alt+B"},
      {110, "&Fundamentals", "Alt+F"},
      {466, "Credit Card Debt", "Alt+Z"},
      {104, "Table Of Contents", "F1"},
      {501, "Create Graph Window", "F2"},
      {884, "&Window's Calculator", "Ctrl+W"},
      {895, "Group", "Ctrl+F6"},
      {792, "Group Allocations", "Ctrl+F11"},
      {902, "", "Shift+F11"},
      {911, "", "Alt+F12"},
      {671, "Download PDF version of the manual", "F10"},
  };
  for (const auto& row : expected) {
    const Command* command = FindCommand(row.id);
    ASSERT_NE(command, nullptr) << row.id;
    EXPECT_EQ(command->text, row.text) << row.id;
    EXPECT_EQ(command->accelerator, row.accelerator) << row.id;
  }
  EXPECT_EQ(FindCommand(7777), nullptr);
}

TEST(CommandTable, PutsEveryNamedCommandInTheMenus) {
  std::set<int> in_menus;
  for (const Menu& menu : MainMenu()) CollectIds(menu.entries, in_menus);
  for (const Command& command : CommandTable()) {
    if (!command.text.empty()) {
      EXPECT_TRUE(in_menus.count(command.id)) << command.id;
    }
  }
  for (int id = 461; id <= 465; ++id) EXPECT_TRUE(in_menus.count(id)) << id;
}

TEST(CommandTable, AsksToSaveOnlyBeforeReplacingTheScenario) {
  std::set<int> prompting;
  for (const Command& command : CommandTable()) {
    if (command.save_prompt) prompting.insert(command.id);
  }
  EXPECT_EQ(prompting, (std::set<int>{1, 2, 602, 603, 604, 605, 606, 609}));
  EXPECT_FALSE(FindCommand(5)->guarded);  // Exit works while an editor is open
}

TEST(CommandTable, IgnoresTheOpenEditorOnlyForTheUnguardedCommands) {
  std::set<int> unguarded;
  for (const Command& command : CommandTable()) {
    if (!command.guarded) unguarded.insert(command.id);
  }
  // Exit, Re-Index Accounts, the current-window and preview prints, e-mail, the keyboard
  // switches, the Rule 72T program and the graph printing work while an editor is open.
  EXPECT_EQ(unguarded,
            (std::set<int>{5, 14, 403, 404, 790, 887, 890, 902, 904, 911, 912, 913, 915, 918}));
}

TEST(Toolbar, HasThirtyPlacesWithTooltipsOnEveryButton) {
  const auto buttons = ToolbarButtons();
  ASSERT_EQ(buttons.size(), 30u);
  EXPECT_EQ(buttons.front().id, 1);
  EXPECT_EQ(buttons.back().id, 104);
  int separators = 0;
  for (const ToolbarButton& button : buttons) {
    if (button.id == 0) {
      ++separators;
      continue;
    }
    EXPECT_FALSE(FindCommand(button.id)->tooltip.empty()) << button.id;
  }
  EXPECT_EQ(separators, 5);
  EXPECT_EQ(FindCommand(884)->tooltip, "Open Window's Calculator");
}

TEST(CommandTable, MapsQuickTipsToTheirHelpContexts) {
  EXPECT_EQ(HelpContextOf(776), 1542);
  EXPECT_EQ(HelpContextOf(787), 1587);
  EXPECT_EQ(HelpContextOf(916), 1592);
  EXPECT_FALSE(HelpContextOf(104).has_value());
}

TEST(CommandTable, NamesTheGroupReportsAfterALongFolderName) {
  EXPECT_EQ(GroupReportMenuText("Buckets"), "Buckets");
  EXPECT_EQ(GroupAllocationsMenuText("Buckets"), "Buckets Allocations");
  EXPECT_EQ(GroupReportMenuText("Box"), "Group");
  EXPECT_EQ(GroupAllocationsMenuText(""), "Group Allocations");
}

}  // namespace
}  // namespace tarvel::ui
