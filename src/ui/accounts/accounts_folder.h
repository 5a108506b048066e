// The Accounts folder ("editaccounts"): the account list with its view-only sorting, and the
// Add, Edit, Delete and Help commands. The folder window shows what this presenter decides.
#pragma once

#include <array>
#include <vector>

#include "model/records.h"
#include "platform/help.h"
#include "platform/prompter.h"
#include "ui/accounts/account_rows.h"

namespace tarvel::ui {

inline constexpr int kAccountsFolderHelp = 513;

// The events that keep an account from being deleted: deposits, loans and fundamentals that
// name it, and transfers that take from it. Withdrawals do not.
std::vector<int> EventsNeedingAccount(const model::Scenario& scenario, std::uint16_t id);

// What the folder asks of the main window.
class AccountsFolderHost {
 public:
  virtual ~AccountsFolderHost() = default;
  virtual bool EditorIsOpen() = 0;
  // Opens the account dialog (command 200) on the account at a position, -1 for a new one.
  virtual void OpenAccountDialog(int position) = 0;
  // The accounts changed outside a dialog: results stale, tabs and folder rebuilt.
  virtual void AccountsChanged() = 0;
};

class AccountsFolder {
 public:
  AccountsFolder(model::Scenario& scenario, platform::Prompter& prompter, platform::Help& help,
                 AccountsFolderHost& host);

  // Account positions in the order the list shows them.
  std::vector<int> ShownOrder() const;
  // A click on one of the first nine headings: that column, its direction toggled.
  void SortByColumn(int column);
  // "Sort by withdrawal order": the Order column; unticked goes back to position order.
  void SortByWithdrawalOrder(bool ticked);
  bool withdrawal_order_ticked() const { return sort_column_ == kOrderColumn; }

  void Add();
  void Edit(int position);
  // Removes the account unless events need it; true when it was removed.
  bool Delete(int position);
  void Help();

 private:
  model::Scenario& scenario_;
  platform::Prompter& prompter_;
  platform::Help& help_;
  AccountsFolderHost& host_;
  int sort_column_ = -1;  // -1: position order
  std::array<bool, kSortableColumns> ascending_{};
};

}  // namespace tarvel::ui
