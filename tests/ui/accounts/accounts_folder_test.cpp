// The Accounts folder: its rows, view sorting, deletion rules and the account limit; the group
// names dialog and re-indexing behind their commands.
#include "ui/accounts/accounts_folder.h"

#include <gtest/gtest.h>

#include "model/scenario_ops.h"
#include "ui/accounts/account_fixture.h"
#include "ui/accounts/account_info_dialog.h"
#include "ui/accounts/groups_dialog.h"
#include "ui/accounts/reindex_command.h"

namespace tarvel::ui {
namespace {

using test_support::AccountFixture;
using test_support::AddAccount;
using test_support::AddEvent;
using test_support::FakeDialogView;

class RecordingHost : public AccountsFolderHost {
 public:
  bool EditorIsOpen() override { return editor_open; }
  void OpenAccountDialog(int position) override { opened.push_back(position); }
  void AccountsChanged() override { ++changes; }
  bool editor_open = false;
  std::vector<int> opened;
  int changes = 0;
};

TEST(AccountRows, ShowEveryColumnWithItsFormat) {
  AccountFixture f;
  model::Scenario& s = *f.scenario;
  model::ApplyDividendDefaults(s);
  s.groups.names[2].assign("Growth");
  const int cash = AddAccount(s, model::AccountType::Investment, 1234.5f, 4.25f, "Cash");
  const int ira = AddAccount(s, model::AccountType::Retirement, -20, -1.5f, "IRA");
  model::Account& account = s.accounts.records[ira];
  account.group = 2;
  account.penalty_flag = 1;
  account.access_order.assign("2");
  account.random_min_rate = -3;
  account.random_max_rate = 12.5f;
  const int slot = account.slot;
  s.settings.rmd_table[slot] = 30;
  s.settings.allocation_flag[slot] = 1;
  s.settings.standard_deviation[slot] = 250;  // out of range: shown as 0
  s.dividends.yearly_percent[slot] = 2;
  s.dividends.taxable_percent[slot] = 50;
  s.dividends.deposit_account[slot] = static_cast<std::int16_t>(s.accounts.records[cash].id);
  s.settings.penalty_rate[slot] = 10;
  s.settings.penalty_age[slot] = 59.5f;
  const AccountRow expected_cash = {
      "Cash",   "",       " ", " ", " ", "Investment Savings", "   4.250%", "      1234.50", " ",
      "  0.00", "100.00", "",  "",  "",  "   0.000",           "   0.000",  "  0.00",        "0"};
  const AccountRow expected_ira = {
      "IRA",       "Growth",        "x",        "3",        "x",      "Retirement Savings",
      "  -1.500%", "       -20.00", "2",        "  2.00",   " 50.00", "Cash",
      " 59.50",    "  10.000",      "  -3.000", "  12.500", "  0.00", "1"};
  const std::vector<AccountRow> rows = AccountRows(s);
  ASSERT_EQ(rows.size(), 2u);
  for (int column = 0; column < kAccountColumns; ++column) {
    EXPECT_EQ(rows[0][column], expected_cash[column]) << AccountColumnHeadings()[column];
    EXPECT_EQ(rows[1][column], expected_ira[column]) << AccountColumnHeadings()[column];
  }
  EXPECT_EQ(AccountCountText(s), " 2");
  EXPECT_EQ(AccountTotalText(s, model::Currency::Dollars()), "$1,214.50");
}

TEST(AccountsFolder, SortsTheViewOnlyAndTogglesEachColumn) {
  AccountFixture f;
  RecordingHost host;
  AccountsFolder folder(*f.scenario, f.prompter, f.help, host);
  AddAccount(*f.scenario, model::AccountType::Investment, 300, 1, "beta");
  AddAccount(*f.scenario, model::AccountType::Investment, 100, 1, "Alpha");
  AddAccount(*f.scenario, model::AccountType::Investment, 200, 1, "gamma");
  f.scenario->accounts.records[0].access_order.assign("10");
  f.scenario->accounts.records[1].access_order.assign("9");
  const auto before = f.Bytes();
  struct Step {
    int column;  // -1: tick "Sort by withdrawal order"
    std::vector<int> shown;
  } steps[] = {{0, {1, 0, 2}}, {0, {2, 0, 1}}, {7, {1, 2, 0}}, {7, {0, 2, 1}}, {-1, {2, 1, 0}}};
  EXPECT_EQ(folder.ShownOrder(), (std::vector<int>{0, 1, 2}));
  for (const Step& step : steps) {
    if (step.column < 0) {
      folder.SortByWithdrawalOrder(true);
    } else {
      folder.SortByColumn(step.column);
    }
    EXPECT_EQ(folder.ShownOrder(), step.shown) << step.column;
    EXPECT_EQ(folder.withdrawal_order_ticked(), step.column < 0);
  }
  EXPECT_EQ(f.Bytes(), before);
}

TEST(AccountsFolder, DeleteIsRefusedOncePerBlockingEventAndAllowedForWithdrawals) {
  struct Case {
    const char* name;
    model::EventKind kind;
    bool from_field;  // the account is a transfer's "from" account
    bool blocks;
  } cases[] = {
      {"deposit", model::EventKind::Deposit, false, true},
      {"loan", model::EventKind::Loan, false, true},
      {"fundamentals", model::EventKind::Fundamentals, false, true},
      {"transfer from", model::EventKind::Transfer, true, true},
      {"transfer to", model::EventKind::Transfer, false, false},
      {"withdrawal", model::EventKind::Withdrawal, false, false},
  };
  for (const Case& c : cases) {
    AccountFixture f;
    RecordingHost host;
    AccountsFolder folder(*f.scenario, f.prompter, f.help, host);
    model::ApplyDividendDefaults(*f.scenario);
    AddAccount(*f.scenario, model::AccountType::Investment, 1, 1, "Keep");
    const int doomed = AddAccount(*f.scenario, model::AccountType::Investment, 1, 1, "Doomed");
    AddAccount(*f.scenario, model::AccountType::Investment, 1, 1, "Last");
    const std::uint16_t id = f.scenario->accounts.records[doomed].id;
    for (int copy = 0; copy < 2; ++copy) {
      model::FinancialEvent& event = AddEvent(*f.scenario, c.kind, 60, 70);
      event.description.assign(std::string(c.name) + " " + std::to_string(copy));
      (c.from_field ? event.word_22 : event.account_24) = id;
    }
    const int slot = f.scenario->accounts.records[doomed].slot;
    f.scenario->settings.penalty_rate[slot] = 33;
    f.scenario->dividends.taxable_percent[slot] = 5;
    const auto before = f.Bytes();
    EXPECT_EQ(folder.Delete(doomed), !c.blocks) << c.name;
    if (c.blocks) {
      const std::string name = c.name;
      EXPECT_EQ(
          f.Messages(),
          (std::vector<std::string>{
              "This account is required by the " + name + " 0 event. | Account Deletion Problem!",
              "This account is required by the " + name + " 1 event. | Account Deletion Problem!",
              "Make the necessary changes to your Financial Scenario. | Cannot delete this "
              "account!"}));
      EXPECT_EQ(f.Bytes(), before) << c.name;
      EXPECT_EQ(host.changes, 0);
      continue;
    }
    EXPECT_TRUE(f.prompter.messages.empty()) << c.name;
    EXPECT_EQ(f.scenario->accounts.count, 2);
    EXPECT_EQ(f.scenario->accounts.records[1].name.str(), "Last");
    EXPECT_EQ(f.scenario->accounts.records[2].slot, slot);  // kept for the next account
    EXPECT_EQ(f.scenario->settings.penalty_rate[slot], 10.0f);
    EXPECT_EQ(f.scenario->settings.penalty_age[slot], 59.0f);
    EXPECT_EQ(f.scenario->dividends.taxable_percent[slot], 100.0f);
    EXPECT_EQ(f.scenario->dividends.deposit_account[slot], -1);
    EXPECT_EQ(host.changes, 1);
  }
}

TEST(AccountLimit, TheFiftyFirstAccountIsRefusedFromEveryPath) {
  AccountFixture f;
  for (int i = 0; i < model::kMaxAccounts; ++i) {
    AddAccount(*f.scenario, model::AccountType::Investment, 1, 1, "A" + std::to_string(i));
  }
  RecordingHost host;
  AccountsFolder folder(*f.scenario, f.prompter, f.help, host);
  folder.Add();
  EXPECT_FALSE(EditAccountInfo(f.services, EditRequest{}));
  EXPECT_TRUE(host.opened.empty());
  EXPECT_TRUE(f.dialogs.titles.empty());
  const std::string limit = "Maximum number of accounts reached! | Account Warning";
  EXPECT_EQ(f.Messages(), (std::vector<std::string>{limit, limit}));
  EXPECT_EQ(f.scenario->accounts.count, model::kMaxAccounts);
  // An existing account can still be edited.
  folder.Edit(49);
  EXPECT_EQ(host.opened, std::vector<int>{49});
}

TEST(GroupsDialog, ChecksRowsStoresShortNamesWithZeroRatesAndTheFolderNameOverThreeChars) {
  struct Case {
    const char* folder;
    const char* name;
    const char* minimum;
    const char* maximum;
    const char* shown;  // nullptr: accepted
    const char* stored_folder;
  } cases[] = {
      {"Buckets", "A", "50", "-50", nullptr, "Buckets"},
      {"Abc", "Stocks", "4", "4", nullptr, "Old name"},
      {"Abcd", "Stocks", "9", "3",
       "The minimum rate must be less than the maximum rate. | Rate Error", "Old name"},
      {"Abcd", "Stocks", "-201", "3", "The rate must be between -200.00% and 200.00%. | Rate Error",
       "Old name"},
  };
  for (const Case& c : cases) {
    AccountFixture f;
    f.scenario->groups.folder_name.assign("Old name");
    f.scenario->groups.names[4].assign("Gone");
    const auto before = f.Bytes();
    f.dialogs.scripts.push_back([&](FakeDialogView& view, DialogPresenter& dialog) {
      EXPECT_EQ(view.texts[kGroupFolderNameField], "Old name");
      EXPECT_EQ(view.texts[kFirstGroupNameField + 4], "Gone");
      view.texts[kGroupFolderNameField] = c.folder;
      view.texts[kFirstGroupNameField + 4] = "";
      view.texts[kFirstGroupNameField + 1] = c.name;
      view.texts[kFirstGroupMinField + 2] = c.minimum;
      view.texts[kFirstGroupMinField + 3] = c.maximum;
      dialog.Command(view, kGroupsOkButton);
      EXPECT_EQ(view.result.has_value(), c.shown == nullptr) << c.name;
    });
    EXPECT_EQ(EditGroups(f.services, EditRequest{}), c.shown == nullptr);
    if (c.shown != nullptr) {
      EXPECT_EQ(f.Messages(), std::vector<std::string>{c.shown});
      EXPECT_EQ(f.Bytes(), before);
      continue;
    }
    const model::GroupTable& groups = f.scenario->groups;
    const bool short_name = std::string(c.name).size() <= 1;
    EXPECT_EQ(groups.folder_name.str(), c.stored_folder);
    EXPECT_EQ(groups.names[1].str(), c.name);
    EXPECT_EQ(groups.random_min_rate[1], short_name ? 0.0f : 4.0f);
    EXPECT_EQ(groups.random_max_rate[1], short_name ? 0.0f : 4.0f);
    EXPECT_EQ(groups.names[4].str(), "");
  }
}

TEST(ReindexCommand, AsksFirstAndRenumbersOnlyOnYes) {
  for (platform::Answer answer : {platform::Answer::No, platform::Answer::Yes}) {
    AccountFixture f;
    AddAccount(*f.scenario, model::AccountType::Investment, 1, 1, "b");
    AddAccount(*f.scenario, model::AccountType::Investment, 1, 1, "a");
    f.prompter.answers = {answer};
    const bool yes = answer == platform::Answer::Yes;
    EXPECT_EQ(ReindexAccountsCommand(f.services, EditRequest{}), yes);
    EXPECT_EQ(f.prompter.messages.size(), yes ? 2u : 1u);
    EXPECT_EQ(f.prompter.messages[0].caption, "Accounts");
    EXPECT_EQ(f.scenario->accounts.records[0].name.str(), yes ? "a" : "b");
  }
}

}  // namespace
}  // namespace tarvel::ui
