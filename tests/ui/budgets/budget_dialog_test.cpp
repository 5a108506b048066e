// The budget dialog: the item limit, the checks on OK, the budget's withdrawal event, Cancel.
#include "ui/budgets/budget_dialog.h"

#include <gtest/gtest.h>

#include "model/event_views.h"
#include "ui/budgets/budget_file.h"
#include "ui/budgets/dialog_harness.h"

namespace tarvel::ui {
namespace {

using namespace budget_controls;
using test_support::DialogHarness;
using test_support::FakeDialogView;

void TypeItem(BudgetDialog& dialog, FakeDialogView& view, const std::string& name,
              const std::string& amount, bool monthly = false) {
  view.texts[kItemName] = name;
  view.texts[kItemAmount] = amount;
  view.texts[kItemRate] = "0";
  view.checks[kItemMonthly] = monthly;
  dialog.Command(view, kEnter);
}

void TypeBudget(FakeDialogView& view, const std::string& start, const std::string& end,
                bool active) {
  view.texts[kStartAge] = start;
  view.texts[kEndAge] = end;
  view.checks[kActivate] = active;
}

TEST(BudgetDialog, RefusesANewThirtyFirstItemButUpdatesAnItemByName) {
  DialogHarness h;
  BudgetDialog dialog(h.services, 2);
  FakeDialogView view;
  dialog.Initialise(view);
  for (int i = 0; i < 30; ++i) {
    TypeItem(dialog, view, "Household items " + std::to_string(100 + i), "10");
  }
  ASSERT_EQ(dialog.working().item_count, 30);
  ASSERT_TRUE(h.prompter.messages.empty());

  struct Case {
    const char* typed;
    const char* stored;  // what the item is called afterwards
    const char* amount;
    int position;  // the item's place (sorted by name), -1 when refused
    float yearly;
  } cases[] = {
      {"Extra", "", "5", -1, 0},
      {"HOUSEHOLD ITEMS 105", "HOUSEHOLD ITEMS 105", "2", 5, 24},  // updated whatever the case
      {"Household items 129 and more", "Household items 129", "7", 29, 12 * 7},  // 19 characters
  };
  for (const Case& c : cases) {
    h.prompter.messages.clear();
    TypeItem(dialog, view, c.typed, c.amount, true);
    EXPECT_EQ(dialog.working().item_count, 30) << c.typed;
    if (c.position < 0) {
      EXPECT_EQ(
          h.Messages(),
          std::vector<std::string>{
              "Budget Warning: You have reached the maximum number of items for this budget"});
      EXPECT_EQ(view.texts[kItemName], c.typed);  // the typed item stays to be changed
      continue;
    }
    EXPECT_TRUE(h.prompter.messages.empty()) << c.typed;
    EXPECT_EQ(dialog.working().item_names[c.position].str(), c.stored);
    EXPECT_EQ(dialog.working().yearly_amount[c.position], c.yearly);
  }
  EXPECT_EQ(dialog.working().total, 28 * 10 + 24 + 84);
  EXPECT_EQ(view.items[kItems].size(), 30u);
  EXPECT_EQ(view.texts[kYearlyTotal], "$388.00");
}

TEST(BudgetDialog, RefusesBadAgesAndAssetAccountsAndStaysOpen) {
  DialogHarness h;
  test_support::AddAccount(*h.scenario, model::AccountType::Asset, 1, 0, "Car");
  test_support::AddAccount(*h.scenario, model::AccountType::Investment, 1, 0, "Fund");
  struct Case {
    const char* start;
    const char* end;
    int account;  // list position: 0 "No Selection", 1 "Car", 2 "Fund"
    const char* message;
  } cases[] = {
      {"", "80", 0, "START AGE ERROR: This age must be between 1 and 120.0."},
      {"0", "80", 0, "START AGE ERROR: This age must be between 1 and 120.0."},
      {"65", "121", 0, "END AGE ERROR: This age must be between 1 and 120.0."},
      {"65", "x", 0, "END AGE ERROR: End age: \"x\" is not a number."},
      {"65", "80", 1, "Account Warning: You cannot select an account that is an Asset Type!"},
  };
  const auto before = test_support::BudgetAndEventBytes(*h.scenario);
  for (const Case& c : cases) {
    BudgetDialog dialog(h.services, 0);
    FakeDialogView view;
    dialog.Initialise(view);
    TypeBudget(view, c.start, c.end, true);
    view.selections[kAccount] = c.account;
    h.prompter.messages.clear();
    dialog.Command(view, kIdOk);
    EXPECT_EQ(h.Messages(), std::vector<std::string>{c.message});
    EXPECT_FALSE(view.result.has_value());
    EXPECT_EQ(test_support::BudgetAndEventBytes(*h.scenario), before);
  }
}

TEST(BudgetDialog, ActivationWritesOneWithdrawalAndDeactivationRemovesIt) {
  DialogHarness h;
  const int fund = test_support::AddAccount(*h.scenario, model::AccountType::Investment, 1, 0);
  test_support::AddEvent(*h.scenario, model::EventKind::Deposit, 40, 50);
  struct Case {
    const char* name;
    bool active;
    int account;  // list position
    const char* amount;
    int event_count;
  } cases[] = {
      {"Living", true, 0, "1000", 2},
      {"Living costs", true, 1, "1500", 2},  // the same withdrawal, updated
      {"Living costs", false, 1, "1500", 1},
      {"Again", true, 0, "200", 2},
  };
  for (const Case& c : cases) {
    BudgetDialog dialog(h.services, 3);
    FakeDialogView view;
    dialog.Initialise(view);
    view.texts[kName] = c.name;
    TypeBudget(view, "62", "90", c.active);
    view.checks[kTodaysDollars] = true;
    view.selections[kAccount] = c.account;
    TypeItem(dialog, view, "Food", c.amount, true);
    dialog.Command(view, kIdOk);
    ASSERT_EQ(view.result, kIdOk) << c.name;
    ASSERT_EQ(h.scenario->initial.event_count, c.event_count) << c.name;
    EXPECT_EQ(h.scenario->events[0].kind, model::EventKind::Deposit);
    EXPECT_EQ(h.scenario->budgets[3].name.str(), c.name);
    EXPECT_EQ(h.scenario->budgets[3].active, c.active ? 1 : 0);
    if (!c.active) continue;
    const model::FinancialEvent& event = h.scenario->events[1];
    const float total = 12 * std::stof(c.amount);
    EXPECT_TRUE(model::IsBudgetWithdrawal(event));
    EXPECT_EQ(event.budget_number, 4);
    EXPECT_EQ(event.description.str(), c.name);
    EXPECT_EQ(event.start_age, 62);
    EXPECT_EQ(event.end_age, 90);
    EXPECT_EQ(event.amount, total);
    EXPECT_EQ(event.working_amount_46, total);
    EXPECT_EQ(event.todays_dollars, 1);
    const std::uint16_t id = h.scenario->accounts.records[fund].id;
    EXPECT_EQ(event.account_24, c.account == 1 ? id : model::kNoAccount);
    EXPECT_EQ(event.word_44, c.account == 1 ? model::kChosenAccountMarker : 0);
  }
}

TEST(BudgetDialog, CancelLeavesTheBudgetsAndEventsByteForByte) {
  DialogHarness h;
  {
    BudgetDialog dialog(h.services, 1);
    FakeDialogView view;
    dialog.Initialise(view);
    TypeItem(dialog, view, "Rent", "900", true);
    TypeBudget(view, "60", "85", true);
    dialog.Command(view, kIdOk);
    ASSERT_EQ(h.scenario->initial.event_count, 1);
  }
  const auto before = test_support::BudgetAndEventBytes(*h.scenario);
  BudgetDialog dialog(h.services, 1);
  FakeDialogView view;
  dialog.Initialise(view);
  EXPECT_EQ(view.texts[kTodaysDollars], "Use amounts in age 30.0 Dollars");
  dialog.Command(view, kCopyAll);
  TypeItem(dialog, view, "Travel", "3000");
  dialog.Command(view, kClearAll);
  view.checks[kActivate] = false;
  view.texts[kStartAge] = "";
  dialog.Command(view, kIdOk);  // refused: the dialog stays open
  dialog.Command(view, kPasteAll);
  dialog.Command(view, kCancel);
  EXPECT_EQ(view.result, kIdCancel);
  EXPECT_FALSE(dialog.committed());
  EXPECT_EQ(test_support::BudgetAndEventBytes(*h.scenario), before);
}

TEST(BudgetDialog, PasteAllBringsACopiedBudgetButNeverMoreThanThirtyItems) {
  DialogHarness h;
  BudgetDialog first(h.services, 0);
  FakeDialogView first_view;
  first.Initialise(first_view);
  TypeItem(first, first_view, "Water", "40", true);
  TypeItem(first, first_view, "Power", "60", true);
  first.Command(first_view, kCopyAll);

  BudgetDialog second(h.services, 4);
  FakeDialogView view;
  second.Initialise(view);
  second.Command(view, kPasteAll);
  EXPECT_EQ(second.working().item_count, 2);
  EXPECT_EQ(second.working().name.str(), "Budget 1");  // the whole budget is pasted
  EXPECT_EQ(view.texts[kName], "Budget 1");
  EXPECT_EQ(second.working().total, 1200);
  EXPECT_EQ(view.items[kItems].size(), 2u);

  // A file with 31 items is refused whole; the budget keeps its two items.
  std::string text = "31\nToo many\n 60\n 80\n  0\n  0\n";
  for (int i = 0; i < 31; ++i) text += "Item" + std::to_string(i) + "\t1.0\t0\t0\t0.0\t0\n";
  text += "Dooone\n";
  test_support::WriteAll(h.folder.File("budout.tmp"),
                         std::vector<std::uint8_t>(text.begin(), text.end()));
  second.Command(view, kPasteAll);
  EXPECT_EQ(h.Messages(),
            std::vector<std::string>{
                "Budget Warning: You have reached the maximum number of items for this budget"});
  EXPECT_EQ(second.working().item_count, 2);
  EXPECT_EQ(second.working().name.str(), "Budget 1");
}

}  // namespace
}  // namespace tarvel::ui
