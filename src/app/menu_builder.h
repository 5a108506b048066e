// The main window's menu bar, toolbar and accelerators, built from the command table: one
// QAction per command id, the recent-file items and the Budgets menu.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "model/startup_file.h"
#include "ui/shell/budget_menu.h"
#include "ui/shell/command_table.h"
#include "ui/shell/key_schemes.h"
#include "ui/shell/recent_menu.h"

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace tarvel::app {

class MenuBuilder : public QObject {
  Q_OBJECT

 public:
  using Trigger = std::function<void(int id)>;

  // Builds everything into the window; every action calls trigger with its command id.
  MenuBuilder(QMainWindow& window, Trigger trigger);

  QAction* Action(int id) const;
  QToolBar* toolbar() const { return toolbar_; }
  QMenu* file_menu() const { return file_menu_; }
  QMenu* budget_menu() const { return budget_menu_; }

  // UpdateRecentMenu: the items "(1) name" .. before About, and their separator (607).
  void SetRecentFiles(const std::vector<ui::RecentMenuItem>& items);
  void SetBudgets(const std::vector<ui::BudgetMenuItem>& items);
  // Gives a command's item a check mark, on or off.
  void SetChecked(int id, bool checked);
  // Renames the group report items after the group folder's name.
  void SetGroupFolderName(const std::string& folder_name);
  void EnableScenarioCommands(bool enabled);
  // Gives every command its key under the scheme and the menu titles their mnemonics or none.
  void ApplyKeyScheme(ui::KeyScheme scheme);
  QMenu* menu(std::string_view title) const;

 private:
  QAction* MakeAction(const ui::Command& command);
  void AddEntries(QMenu* menu, const std::vector<ui::MenuEntry>& entries);
  // Every item of the menu without a mnemonic gets a free one; the others keep theirs.
  void GiveMnemonics(QMenu* menu);
  void BuildToolbar(QMainWindow& window);
  QIcon IconFor(int id) const;

  QMainWindow& window_;
  Trigger trigger_;
  std::map<int, QAction*> actions_;
  std::vector<std::pair<std::string_view, QMenu*>> menus_;
  QMenu* file_menu_ = nullptr;
  QMenu* budget_menu_ = nullptr;
  QAction* recent_anchor_ = nullptr;  // the recent items go before it
  std::vector<QAction*> recent_actions_;
  QToolBar* toolbar_ = nullptr;
};

// Menu text as Qt shows it: Windows-1252 to Unicode, "&" kept as the mnemonic.
QString MenuText(std::string_view text);

}  // namespace tarvel::app
