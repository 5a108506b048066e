// The Accounts folder page: the account list with its 18 columns, "Sort by withdrawal order",
// the selected account, count and total, and the Add, Edit, Import, Delete, Print and Help
// buttons. Its behaviour is the AccountsFolder presenter's; this page only shows it.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "model/money_format.h"
#include "model/records.h"
#include "platform/help.h"
#include "platform/prompter.h"
#include "ui/accounts/accounts_folder.h"

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace tarvel::app {

// What the page asks of the main window.
struct AccountsFolderActions {
  std::function<bool()> editor_is_open;
  std::function<void(int position)> open_account_dialog;  // command 200; -1 adds
  std::function<void()> accounts_changed;
  std::function<void()> import_accounts;  // command 13, the update-from-a-file chooser
  std::function<void(const std::vector<int>& shown_order)> print_list;  // the Print button
};

class AccountsFolderPage : public QWidget, private ui::AccountsFolderHost {
  Q_OBJECT
 public:
  AccountsFolderPage(model::Scenario& scenario, platform::Prompter& prompter, platform::Help& help,
                     AccountsFolderActions actions, QWidget* parent = nullptr);
  ~AccountsFolderPage() override;

  // Rebuilds the list from the scenario, keeping the selected position where it can.
  void Fill(const model::Currency& currency);
  QTreeWidget* list() const { return list_; }
  QPushButton* button(int id) const;
  // The position of the selected account, or -1.
  int SelectedPosition() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // ui::AccountsFolderHost
  bool EditorIsOpen() override;
  void OpenAccountDialog(int position) override;
  void AccountsChanged() override;

  QPushButton* AddButton(QHBoxLayout* row, int id, const QString& text);
  void ShowRows();
  void ShowSelection();
  void FitColumns();

  model::Scenario& scenario_;
  AccountsFolderActions actions_;
  std::unique_ptr<ui::AccountsFolder> folder_;
  model::Currency currency_;
  QTreeWidget* list_;
  QCheckBox* withdrawal_order_;
  QLabel* selected_;
  QLabel* count_;
  QLabel* total_;
  std::map<int, QPushButton*> buttons_;
  int selected_position_ = -1;
};

}  // namespace tarvel::app
