// Menus, accelerators and toolbar of the main window.
#include "app/menu_builder.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include "app/toolbar_icons.h"
#include "painting/text_1252.h"
#include "ui/shell/menu_mnemonics.h"

namespace tarvel::app {
namespace {

struct IconChoice {
  int id;
  const char* theme_name;  // the icon theme's picture, when it has one
  QStyle::StandardPixmap fallback;
  const char* own_icon;  // the planner's own drawing in data/icons/toolbar
};

constexpr IconChoice kIcons[] = {
    {1, "document-new", QStyle::SP_FileIcon, "new"},
    {2, "document-open", QStyle::SP_DialogOpenButton, "open"},
    {3, "document-save", QStyle::SP_DialogSaveButton, "save"},
    {4, "document-save-as", QStyle::SP_DriveFDIcon, "save-as"},
    {13, "document-import", QStyle::SP_ArrowDown, "import"},
    {12, "document-export", QStyle::SP_ArrowUp, "export"},
    {8, "x-office-address-book", QStyle::SP_FileDialogDetailedView, "save-accounts"},
    {9, "address-book-new", QStyle::SP_FileDialogListView, "read-accounts"},
    {401, "document-print", QStyle::SP_FileDialogContentsView, "print"},
    {11, "image-x-generic", QStyle::SP_FileDialogInfoView, "save-graphs"},
    {403, "document-print-preview", QStyle::SP_FileDialogContentsView, "print-graph"},
    {501, "window-new", QStyle::SP_TitleBarNormalButton, "graph-window"},
    {881, nullptr, QStyle::SP_CustomBase, "mortgage"},
    {882, nullptr, QStyle::SP_CustomBase, "refinance"},
    {883, nullptr, QStyle::SP_CustomBase, "accelerated"},
    {177, nullptr, QStyle::SP_CustomBase, "inflation"},
    {180, nullptr, QStyle::SP_CustomBase, "taxes"},
    {179, nullptr, QStyle::SP_CustomBase, "tradeoff"},
    {178, nullptr, QStyle::SP_CustomBase, "compare"},
    {886, nullptr, QStyle::SP_CustomBase, "effective-rate"},
    {467, nullptr, QStyle::SP_CustomBase, "credit-card"},
    {904, nullptr, QStyle::SP_CustomBase, "rule72t"},
    {884, "accessories-calculator", QStyle::SP_CustomBase, "calculator"},
    {6, "help-about", QStyle::SP_MessageBoxInformation, "about"},
    {104, "help-contents", QStyle::SP_CustomBase, "help"},
};

}  // namespace

QString MenuText(std::string_view text) { return painting::FromWindows1252(text); }

MenuBuilder::MenuBuilder(QMainWindow& window, Trigger trigger)
    : QObject(&window), window_(window), trigger_(std::move(trigger)) {
  for (const ui::Command& command : ui::CommandTable()) MakeAction(command);
  for (const ui::Menu& menu : ui::MainMenu()) {
    // Menu titles get their mnemonics from the key scheme: the classic keys give Alt+letter
    // to commands.
    QMenu* qt_menu =
        window.menuBar()->addMenu(QString::fromUtf8(menu.title.data(), menu.title.size()));
    menus_.emplace_back(menu.title, qt_menu);
    if (menu.title == "File") file_menu_ = qt_menu;
    if (menu.title == "Budgets") budget_menu_ = qt_menu;
    AddEntries(qt_menu, menu.entries);
  }
  BuildToolbar(window);
}

QAction* MenuBuilder::MakeAction(const ui::Command& command) {
  auto* action = new QAction(MenuText(command.text), &window_);
  action->setObjectName(QString("command_%1").arg(command.id));
  action->setData(command.id);
  if (!command.accelerator.empty()) {
    action->setShortcut(
        QKeySequence(QString::fromUtf8(command.accelerator.data(), command.accelerator.size())));
  }
  if (!command.tooltip.empty()) action->setToolTip(MenuText(command.tooltip));
  action->setIcon(IconFor(command.id));
  action->setIconVisibleInMenu(false);
  const int id = command.id;
  connect(action, &QAction::triggered, this, [this, id] { trigger_(id); });
  // Hidden commands still answer their accelerators.
  window_.addAction(action);
  actions_[id] = action;
  return action;
}

void MenuBuilder::AddEntries(QMenu* menu, const std::vector<ui::MenuEntry>& entries) {
  for (const ui::MenuEntry& entry : entries) {
    switch (entry.kind) {
      case ui::MenuEntry::Kind::Item:
        menu->addAction(Action(entry.id));
        if (entry.id == ui::kAboutCommand && recent_anchor_ == nullptr)
          recent_anchor_ = Action(entry.id);
        break;
      case ui::MenuEntry::Kind::Separator:
        menu->addSeparator();
        break;
      case ui::MenuEntry::Kind::Submenu:
        AddEntries(menu->addMenu(QString::fromUtf8(entry.title.data(), entry.title.size())),
                   entry.entries);
        break;
      case ui::MenuEntry::Kind::RecentFiles:
        break;  // filled by SetRecentFiles before the About item that follows
    }
  }
  GiveMnemonics(menu);
}

void MenuBuilder::GiveMnemonics(QMenu* menu) {
  QList<QAction*> items;
  std::vector<std::string> texts;
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) continue;
    items.append(action);
    texts.push_back(action->text().toStdString());
  }
  texts = ui::WithMnemonics(std::move(texts));
  for (qsizetype i = 0; i < items.size(); ++i) {
    items[i]->setText(QString::fromStdString(texts[static_cast<std::size_t>(i)]));
  }
}

void MenuBuilder::BuildToolbar(QMainWindow& window) {
  toolbar_ = window.addToolBar(tr("Toolbar"));
  toolbar_->setObjectName("toolbar");
  toolbar_->setMovable(false);
  toolbar_->setIconSize(QSize(22, 22));
  for (const ui::ToolbarButton& button : ui::ToolbarButtons()) {
    if (button.id == 0) {
      toolbar_->addSeparator();
    } else {
      toolbar_->addAction(Action(button.id));
    }
  }
}

QIcon MenuBuilder::IconFor(int id) const {
  for (const IconChoice& choice : kIcons) {
    if (choice.id != id) continue;
    if (choice.theme_name != nullptr && QIcon::hasThemeIcon(choice.theme_name)) {
      return QIcon::fromTheme(choice.theme_name);
    }
    if (choice.own_icon != nullptr) {
      const QIcon own = ToolbarIcon(choice.own_icon, window_.palette());
      if (!own.isNull()) return own;
    }
    return window_.style()->standardIcon(choice.fallback);
  }
  return {};
}

void MenuBuilder::ApplyKeyScheme(ui::KeyScheme scheme) {
  for (const auto& [id, action] : actions_) action->setShortcut(QKeySequence());
  for (const ui::KeyBinding& binding : ui::Accelerators(scheme)) {
    if (QAction* action = Action(binding.id)) {
      action->setShortcut(QKeySequence(QString::fromStdString(binding.keys)));
    }
  }
  for (const auto& [title, menu] : menus_) {
    menu->setTitle(QString::fromStdString(ui::MenuTitle(title, scheme)));
  }
}

QMenu* MenuBuilder::menu(std::string_view title) const {
  for (const auto& [name, menu] : menus_) {
    if (name == title) return menu;
  }
  return nullptr;
}

QAction* MenuBuilder::Action(int id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

void MenuBuilder::SetRecentFiles(const std::vector<ui::RecentMenuItem>& items) {
  for (QAction* action : recent_actions_) {
    file_menu_->removeAction(action);
    if (action->isSeparator()) action->deleteLater();
  }
  recent_actions_.clear();
  for (const ui::RecentMenuItem& item : items) {
    QAction* action = nullptr;
    if (item.separator) {
      action = new QAction(this);
      action->setSeparator(true);
      action->setObjectName("command_607");
    } else {
      action = Action(item.id);
      // "&" in a path is not a mnemonic; the item's number is.
      action->setText(QString::fromStdString(item.text).replace("&", "&&"));
    }
    file_menu_->insertAction(recent_anchor_, action);
    recent_actions_.push_back(action);
  }
  GiveMnemonics(file_menu_);
}

void MenuBuilder::SetBudgets(const std::vector<ui::BudgetMenuItem>& items) {
  for (const ui::BudgetMenuItem& item : items) {
    QAction* action = Action(item.id);
    action->setText(MenuText(item.text).replace("&", "&&"));
    action->setCheckable(true);
    action->setChecked(item.checked);
  }
  GiveMnemonics(budget_menu_);
}

void MenuBuilder::SetChecked(int id, bool checked) {
  QAction* action = Action(id);
  action->setCheckable(true);
  action->setChecked(checked);
}

void MenuBuilder::SetGroupFolderName(const std::string& folder_name) {
  // The menu follows the folder name only once it is longer than 3 characters.
  const std::string name = folder_name.size() > 3 ? folder_name : std::string();
  // "&" in the folder name is not a mnemonic.
  Action(ui::kGroupReportCommand)
      ->setText(MenuText(ui::GroupReportMenuText(name)).replace("&", "&&"));
  Action(ui::kGroupAllocationsCommand)
      ->setText(MenuText(ui::GroupAllocationsMenuText(name)).replace("&", "&&"));
  GiveMnemonics(menu("Reports"));
}

void MenuBuilder::EnableScenarioCommands(bool enabled) {
  for (const ui::Command& command : ui::CommandTable()) {
    if (command.needs_scenario) Action(command.id)->setEnabled(enabled);
  }
}

}  // namespace tarvel::app
