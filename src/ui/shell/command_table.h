// Every command of the main window as data: its id, menu text, accelerator, tooltip and how
// the dispatcher treats it; the menu bar "retiremenu", the toolbar and the help contexts.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/shell/command_ids.h"

namespace tarvel::ui {

// What the dispatcher does after a command whose editor reported a change.
enum class Refresh {
  None,
  AfterEditor,        // run again in the results folder, rebuild the event list, repaint
  ResultsFolderOnly,  // as AfterEditor, but only the results folder is refreshed
};

// Who carries a command out.
enum class CommandFamily {
  File,        // New, Open, Save, Save as, recent files, accounts files, Exit
  Help,        // help topics and About
  Link,        // the desktop calculator, e-mail and the manual
  Sibling,     // the sibling programs
  Keyword,     // the start-up switches toggled from the keyboard
  Editor,      // editor dialogs of the scenario
  Report,      // reports, printing, page setup
  Graph,       // graph files and graph printing
  Calculator,  // the financial calculators
  Budget,      // the five budget dialogs
  Posted,      // sent by dialogs to the main window, never in a menu
};

struct Command {
  int id = 0;
  std::string_view text;         // menu text with "&" mnemonic; empty for hidden commands
  std::string_view accelerator;  // "Alt+N", "Ctrl+F1", "F2"; empty for none
  std::string_view tooltip;      // toolbar tooltip; empty without a button
  CommandFamily family = CommandFamily::File;
  bool guarded = true;          // refused while an editor is open or a print job runs
  bool save_prompt = false;     // replaces the scenario: asks to save unsaved work first
  bool needs_scenario = false;  // disabled until a scenario is created or opened
  Refresh refresh = Refresh::None;
};

std::span<const Command> CommandTable();
const Command* FindCommand(int id);

// The menu bar: menus of items, separators and submenus.
struct MenuEntry {
  enum class Kind { Item, Separator, Submenu, RecentFiles };
  Kind kind = Kind::Item;
  int id = 0;                      // items: the command id
  std::string_view title;          // submenus
  std::vector<MenuEntry> entries;  // submenus
};
struct Menu {
  std::string_view title;
  std::vector<MenuEntry> entries;
};
std::vector<Menu> MainMenu();

// Toolbar buttons left to right; 0 marks a separator.
struct ToolbarButton {
  int id = 0;
  int bitmap = 0;  // index in the original button strip, kept for the icon choice
};
std::span<const ToolbarButton> ToolbarButtons();

// Help context of a Quick Tips item or "Getting Started"; nothing for other ids.
std::optional<int> HelpContextOf(int command_id);

// Menu text of the group reports once the group folder has a name longer than 3 characters.
std::string GroupReportMenuText(std::string_view folder_name);
std::string GroupAllocationsMenuText(std::string_view folder_name);

}  // namespace tarvel::ui
