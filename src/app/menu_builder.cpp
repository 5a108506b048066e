// Menus, accelerators and toolbar of the main window.
#include "app/menu_builder.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QToolBar>

#include "painting/text_1252.h"

namespace tarvel::app {
namespace {

struct IconChoice {
  int id;
  const char* theme_name;
  QStyle::StandardPixmap fallback;
  const char* badge;  // drawn when the theme has no icon and there is no fitting fallback
};

constexpr IconChoice kIcons[] = {
    {1, "document-new", QStyle::SP_FileIcon, nullptr},
    {2, "document-open", QStyle::SP_DialogOpenButton, nullptr},
    {3, "document-save", QStyle::SP_DialogSaveButton, nullptr},
    {4, "document-save-as", QStyle::SP_DriveFDIcon, nullptr},
    {13, "document-import", QStyle::SP_ArrowDown, nullptr},
    {12, "document-export", QStyle::SP_ArrowUp, nullptr},
    {8, "x-office-address-book", QStyle::SP_FileDialogDetailedView, nullptr},
    {9, "address-book-new", QStyle::SP_FileDialogListView, nullptr},
    {401, "document-print", QStyle::SP_FileDialogContentsView, nullptr},
    {11, "image-x-generic", QStyle::SP_FileDialogInfoView, nullptr},
    {403, "document-print-preview", QStyle::SP_FileDialogContentsView, nullptr},
    {501, "window-new", QStyle::SP_TitleBarNormalButton, nullptr},
    {881, nullptr, QStyle::SP_CustomBase, "M"},
    {882, nullptr, QStyle::SP_CustomBase, "R"},
    {883, nullptr, QStyle::SP_CustomBase, "A"},
    {177, nullptr, QStyle::SP_CustomBase, "I"},
    {180, nullptr, QStyle::SP_CustomBase, "TI"},
    {179, nullptr, QStyle::SP_CustomBase, "T"},
    {178, nullptr, QStyle::SP_CustomBase, "C"},
    {886, nullptr, QStyle::SP_CustomBase, "%"},
    {467, nullptr, QStyle::SP_CustomBase, "CC"},
    {904, nullptr, QStyle::SP_CustomBase, "72"},
    {884, "accessories-calculator", QStyle::SP_CustomBase, "="},
    {6, "help-about", QStyle::SP_MessageBoxInformation, nullptr},
    {104, "help-contents", QStyle::SP_DialogHelpButton, nullptr},
};

// A small rounded badge with a letter or two, in the palette's highlight colour.
QIcon BadgeIcon(const QString& text, const QPalette& palette) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette.color(QPalette::Highlight));
  painter.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(text.size() > 1 ? 13 : 17);
  painter.setFont(font);
  painter.setPen(palette.color(QPalette::HighlightedText));
  painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, text);
  return QIcon(pixmap);
}

}  // namespace

QString MenuText(std::string_view text) { return painting::FromWindows1252(text); }

MenuBuilder::MenuBuilder(QMainWindow& window, Trigger trigger)
    : QObject(&window), window_(window), trigger_(std::move(trigger)) {
  for (const ui::Command& command : ui::CommandTable()) MakeAction(command);
  for (const ui::Menu& menu : ui::MainMenu()) {
    // Menu titles carry no mnemonic: the Alt+letter accelerators of the commands own them.
    QMenu* qt_menu =
        window.menuBar()->addMenu(QString::fromUtf8(menu.title.data(), menu.title.size()));
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
    if (choice.badge != nullptr) return BadgeIcon(choice.badge, window_.palette());
    return window_.style()->standardIcon(choice.fallback);
  }
  return {};
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
      // "&" in a path is not a mnemonic.
      action->setText(QString::fromStdString(item.text).replace("&", "&&"));
    }
    file_menu_->insertAction(recent_anchor_, action);
    recent_actions_.push_back(action);
  }
}

void MenuBuilder::SetBudgets(const std::vector<ui::BudgetMenuItem>& items) {
  for (const ui::BudgetMenuItem& item : items) {
    QAction* action = Action(item.id);
    action->setText(MenuText(item.text).replace("&", "&&"));
    action->setCheckable(true);
    action->setChecked(item.checked);
  }
}

void MenuBuilder::SetGroupFolderName(const std::string& folder_name) {
  // The menu follows the folder name only once it is longer than 3 characters.
  const std::string name = folder_name.size() > 3 ? folder_name : std::string();
  Action(ui::kGroupReportCommand)->setText(MenuText(ui::GroupReportMenuText(name)));
  Action(ui::kGroupAllocationsCommand)->setText(MenuText(ui::GroupAllocationsMenuText(name)));
}

void MenuBuilder::EnableScenarioCommands(bool enabled) {
  for (const ui::Command& command : ui::CommandTable()) {
    if (command.needs_scenario) Action(command.id)->setEnabled(enabled);
  }
}

}  // namespace tarvel::app
