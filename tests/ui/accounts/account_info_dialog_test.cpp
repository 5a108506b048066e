// The account dialog: its checks in order, what OK stores, the new-account rules, Cancel, and
// the dividend dialog working on the same copy.
#include "ui/accounts/account_info_dialog.h"

#include <gtest/gtest.h>

#include "model/scenario_ops.h"
#include "ui/accounts/account_fixture.h"
#include "ui/accounts/dividend_dialog.h"

namespace tarvel::ui {
namespace {

using test_support::AccountFixture;
using test_support::AddAccount;
using test_support::AddEvent;
using test_support::FakeDialogView;

constexpr char kAllocationProblem[] =
    "You cannot assign this account for Asset Allocation Withdrawal\nwhile it is selected as a "
    "Withdrawal Event Account | Asset Allocation Problem";

TEST(AccountInfoDialog, ChecksEveryFieldInOrderAndStoresNothingUntilAllPass) {
  AccountFixture f;
  const int ira = AddAccount(*f.scenario, model::AccountType::Retirement, 1000, 5, "IRA");
  model::FinancialEvent& withdrawal = AddEvent(*f.scenario, model::EventKind::Withdrawal, 60, 70);
  withdrawal.account_24 = f.scenario->accounts.records[ira].id;
  withdrawal.word_44 = model::kChosenAccountMarker;
  const auto before = f.Bytes();
  // Every field holds a bad value; each OK reports the first one, which is then corrected.
  struct Step {
    int control;
    const char* bad;
    const char* good;
    const char* shown;
  } steps[] = {
      {kInitialAmountField, "100000001", "2500",
       "This amount must be greater than -100000000.00 and less than 100000000.00. | AMOUNT ERROR"},
      {kYearlyRateField, "abc", "6.5",
       "This amount must be greater than -200.00 and less than 200.00. | RATE ERROR"},
      {kRandomMinField, "-200.01", "-3",
       "This amount must be greater than -200.00 and less than 200.00. | RATE ERROR"},
      {kRandomMaxField, "201", "12",
       "This amount must be greater than -200.00 and less than 200.00. | RATE ERROR"},
      {kPenaltyRateField, "999", "25",
       "This amount must be greater than -200.00 and less than 200.00. | RATE ERROR"},
      {kPenaltyAgeField, "121", "55.5",
       "This amount must be greater than 0.00 and less than 120.00. | PENALTY AGE ERROR"},
      {kDeviationField, "250", "15",
       "Standard Deviation values must be between 0.00 to 200.0 | Standard Deviation Value Error"},
      {kAllocationCheck, nullptr, nullptr, kAllocationProblem},
  };
  f.dialogs.scripts.push_back([&](FakeDialogView& view, DialogPresenter& dialog) {
    for (const Step& step : steps) {
      if (step.bad != nullptr) view.texts[step.control] = step.bad;
    }
    view.checks[kAllocationCheck] = true;
    view.checks[kPenaltyCheck] = true;
    view.texts[kAccountNameField] = "Roth IRA of a rather long name here";
    view.texts[kAccessOrderField] = "12345";
    for (const Step& step : steps) {
      const std::size_t shown = f.prompter.messages.size();
      dialog.Command(view, kIdOk);
      ASSERT_EQ(f.prompter.messages.size(), shown + 1) << step.shown;
      EXPECT_EQ(f.Messages().back(), step.shown);
      EXPECT_FALSE(view.result.has_value());
      EXPECT_EQ(f.Bytes(), before) << step.shown;
      if (step.good != nullptr) view.texts[step.control] = step.good;
    }
    EXPECT_FALSE(view.checks[kAllocationCheck]);  // the refused box is unticked
    dialog.Command(view, kIdOk);
    EXPECT_EQ(view.result, kIdOk);
  });
  EXPECT_TRUE(EditAccountInfo(f.services, EditRequest{ira}));

  const model::Account& account = f.scenario->accounts.records[ira];
  const int slot = account.slot;
  EXPECT_EQ(account.name.str(), "Roth IRA of a rather long na");  // 28 characters
  EXPECT_EQ(account.access_order.str(), "123");
  EXPECT_EQ(account.initial_amount, 2500.0f);
  EXPECT_EQ(account.balance, 2500.0f);
  EXPECT_EQ(account.yearly_rate, 6.5f);
  EXPECT_EQ(account.rate, 6.5f);
  EXPECT_EQ(account.random_min_rate, -3.0f);
  EXPECT_EQ(account.random_max_rate, 12.0f);
  EXPECT_EQ(account.penalty_flag, 1);
  EXPECT_EQ(f.scenario->settings.penalty_rate[slot], 25.0f);
  EXPECT_EQ(f.scenario->settings.penalty_age[slot], 55.5f);
  EXPECT_EQ(f.scenario->settings.standard_deviation[slot], 15.0f);
  EXPECT_EQ(f.scenario->settings.allocation_flag[slot], 0);
  EXPECT_TRUE(f.scenario->modified);
}

TEST(AccountInfoDialog, PenaltyBelongsToRetirementAndTaxFreeTypesOnly) {
  AccountFixture f;
  AddAccount(*f.scenario, model::AccountType::Retirement, 1000, 5, "IRA");
  f.scenario->accounts.records[0].penalty_flag = 1;
  f.dialogs.scripts.push_back([&](FakeDialogView& view, DialogPresenter& dialog) {
    EXPECT_TRUE(view.enabled_controls[kPenaltyAgeField]);
    EXPECT_TRUE(view.checks[kPenaltyCheck]);
    view.selections[kAccountTypeChoice] = static_cast<int>(model::AccountType::Investment);
    dialog.Command(view, kAccountTypeChoice);
    EXPECT_FALSE(view.checks[kPenaltyCheck]);
    for (int control : {kPenaltyCheck, kPenaltyRateField, kPenaltyAgeField}) {
      EXPECT_FALSE(view.enabled_controls[control]) << control;
    }
    EXPECT_TRUE(view.enabled_controls[kEffectiveRateButton]);
    dialog.Command(view, kIdOk);
  });
  EXPECT_TRUE(EditAccountInfo(f.services, EditRequest{0}));
  EXPECT_EQ(f.scenario->accounts.records[0].type, model::AccountType::Investment);
  EXPECT_EQ(f.scenario->accounts.records[0].penalty_flag, 0);
}

TEST(AccountInfoDialog, RmdTableBoxesAllowOneOrNoneAndWarnWithoutATransferAccount) {
  AccountFixture f;
  AddAccount(*f.scenario, model::AccountType::Retirement, 1000, 5, "IRA");
  f.scenario->settings.rmd_transfer_account = -1;
  f.scenario->settings.rmd_life_expectancy[1].fill(20.0f);  // a filled table asks nothing
  f.dialogs.scripts.push_back([&](FakeDialogView& view, DialogPresenter& dialog) {
    view.checks[kRmdTable1Check] = true;
    dialog.Command(view, kRmdTable1Check);
    view.checks[kRmdTable2Check] = true;
    dialog.Command(view, kRmdTable2Check);
    EXPECT_FALSE(view.checks[kRmdTable1Check]);
    EXPECT_FALSE(view.checks[kRmdTable3Check]);
    dialog.Command(view, kIdOk);
    EXPECT_EQ(view.result, kIdOk);  // the warning lets OK go on
  });
  EXPECT_TRUE(EditAccountInfo(f.services, EditRequest{0}));
  EXPECT_EQ(f.Messages(), std::vector<std::string>{
                              "You have not selected an RMD \"Transfer Funds To\" account.\nThis "
                              "selection is made from the Edit/Required Minimum Distribution menu "
                              "item. | RMD Problem"});
  EXPECT_EQ(f.scenario->settings.rmd_table[f.scenario->accounts.records[0].slot], 20);
  // The table now has its listing entry; unticking every box ("none") removes it again.
  ASSERT_EQ(f.scenario->initial.event_count, 1);
  EXPECT_EQ(f.scenario->events[0].kind, model::EventKind::RmdLine);
  f.dialogs.scripts.push_back([&](FakeDialogView& view, DialogPresenter& dialog) {
    view.checks[kRmdTable2Check] = false;
    dialog.Command(view, kIdOk);
  });
  EXPECT_TRUE(EditAccountInfo(f.services, EditRequest{0}));
  EXPECT_EQ(f.scenario->settings.rmd_table[f.scenario->accounts.records[0].slot], 0);
  EXPECT_EQ(f.scenario->initial.event_count, 0);
}

TEST(AccountInfoDialog, AssigningATableThatHoldsNoValuesOffersToFillIt) {
  AccountFixture f;
  AddAccount(*f.scenario, model::AccountType::Retirement, 1000, 5, "IRA");
  const int broker = AddAccount(*f.scenario, model::AccountType::Investment, 0, 0, "Broker");
  f.scenario->settings.rmd_transfer_account =
      static_cast<std::int16_t>(f.scenario->accounts.records[broker].id);
  f.scenario->settings.rmd_start_age[2] = 75;
  f.scenario->settings.rmd_table_name[2].assign("IRA 3");
  f.prompter.answers = {platform::Answer::Yes};
  f.dialogs.scripts.push_back([&](FakeDialogView& view, DialogPresenter& dialog) {
    view.checks[kRmdTable3Check] = true;
    dialog.Command(view, kRmdTable3Check);
    dialog.Command(view, kIdOk);
  });
  EXPECT_TRUE(EditAccountInfo(f.services, EditRequest{0}));
  EXPECT_EQ(f.Messages(), std::vector<std::string>{
                              "Table 3 (IRA 3) holds no life-expectancy values, so no minimum "
                              "distribution can be computed from it.\nFill it from the IRS "
                              "Uniform Lifetime Table for the ages 75 to 104? | Empty RMD Table"});
  EXPECT_FLOAT_EQ(f.scenario->settings.rmd_life_expectancy[2][0], 24.6f);
  EXPECT_FLOAT_EQ(f.scenario->settings.rmd_life_expectancy[2][29], 4.9f);
}

TEST(AccountInfoDialog, CancelAfterTypeGroupPenaltyAndDividendChangesRestoresEverything) {
  AccountFixture f;
  f.scenario->groups.names[0].assign("Stocks");
  f.scenario->groups.names[1].assign("Bonds");
  AddAccount(*f.scenario, model::AccountType::Retirement, 1000, 5, "IRA");
  AddAccount(*f.scenario, model::AccountType::Investment, 10, 1, "Cash");
  model::ApplyDividendDefaults(*f.scenario);
  const auto before = f.Bytes();
  f.dialogs.scripts.push_back([&](FakeDialogView& view, DialogPresenter& dialog) {
    EXPECT_EQ(view.items[kGroupChoice], (std::vector<std::string>{"Bonds", "Stocks"}));
    view.selections[kAccountTypeChoice] = 4;
    dialog.Command(view, kAccountTypeChoice);
    view.selections[kGroupChoice] = 0;
    view.checks[kPenaltyCheck] = true;
    dialog.Command(view, kPenaltyCheck);
    view.texts[kYearlyRateField] = "900";
    dialog.Command(view, kIdOk);  // refused
    dialog.Command(view, kDividendButton);
    dialog.Command(view, kIdCancel);
  });
  f.dialogs.scripts.push_back([&](FakeDialogView& view, DialogPresenter& dialog) {
    view.texts[kYearlyDividendField] = "3";
    view.texts[kTaxableDividendField] = "40";
    view.selections[kDividendAccountChoice] = 1;  // "Cash" after "No Selection"
    dialog.Command(view, kIdOk);
    EXPECT_EQ(view.result, kIdOk);
  });
  EXPECT_FALSE(EditAccountInfo(f.services, EditRequest{0}));
  EXPECT_EQ(f.dialogs.titles,
            (std::vector<std::string>{"Account Information", "Dividend Information"}));
  EXPECT_EQ(f.Bytes(), before);
  EXPECT_FALSE(f.scenario->modified);
}

TEST(AccountInfoDialog, DividendNoSelectionIsStoredAsNoAccount) {
  AccountFixture f;
  AddAccount(*f.scenario, model::AccountType::Investment, 10, 1, "Cash");
  model::ApplyDividendDefaults(*f.scenario);
  const int slot = f.scenario->accounts.records[0].slot;
  f.scenario->dividends.deposit_account[slot] =
      static_cast<std::int16_t>(f.scenario->accounts.records[0].id);
  f.dialogs.scripts.push_back([&](FakeDialogView& view, DialogPresenter& dialog) {
    dialog.Command(view, kDividendButton);
    dialog.Command(view, kIdOk);
  });
  f.dialogs.scripts.push_back([&](FakeDialogView& view, DialogPresenter& dialog) {
    EXPECT_EQ(view.selections[kDividendAccountChoice], 1);
    EXPECT_EQ(view.texts[kTaxableDividendField], "100.00");
    view.texts[kYearlyDividendField] = "2.5";
    view.selections[kDividendAccountChoice] = 0;
    dialog.Command(view, kIdOk);
  });
  EXPECT_TRUE(EditAccountInfo(f.services, EditRequest{0}));
  EXPECT_EQ(f.scenario->dividends.deposit_account[slot], -1);
  EXPECT_EQ(f.scenario->dividends.yearly_percent[slot], 2.5f);
  EXPECT_EQ(f.scenario->dividends.taxable_percent[slot], 100.0f);
}

TEST(AccountInfoDialog, NewAccountTakesAFreeResetSlotAndTheNextUnusedId) {
  AccountFixture f;
  AddAccount(*f.scenario, model::AccountType::Investment, 10, 1, "A");
  AddAccount(*f.scenario, model::AccountType::Investment, 10, 1, "B");
  model::ApplyDividendDefaults(*f.scenario);
  model::RemoveAccount(*f.scenario, 0);  // slot 0 is free again
  // Leftovers in the free slot must not reach the new account.
  f.scenario->settings.rmd_table[0] = 30;
  f.scenario->dividends.taxable_percent[0] = 7;
  f.scenario->allocation.percent[2][0] = 55;
  f.scenario->accounts.next_id = 30000;
  f.scenario->accounts.records[0].id = 10;  // "B" holds 10: the restart must skip it
  f.dialogs.scripts.push_back([&](FakeDialogView& view, DialogPresenter& dialog) {
    EXPECT_EQ(view.texts[kDeviationField], "0.00");
    EXPECT_EQ(view.selections[kAccountTypeChoice], 0);
    view.texts[kAccountNameField] = "New";
    dialog.Command(view, kIdOk);
  });
  EXPECT_TRUE(EditAccountInfo(f.services, EditRequest{}));
  const model::Account& added = f.scenario->accounts.records[1];
  EXPECT_EQ(f.scenario->accounts.count, 2);
  EXPECT_EQ(added.name.str(), "New");
  EXPECT_EQ(added.slot, 0);
  EXPECT_EQ(added.id, 11);
  EXPECT_EQ(f.scenario->accounts.next_id, 12u);
  EXPECT_EQ(f.scenario->settings.rmd_table[0], 0);
  EXPECT_EQ(f.scenario->settings.penalty_rate[0], 10.0f);
  EXPECT_EQ(f.scenario->settings.penalty_age[0], 59.0f);
  EXPECT_EQ(f.scenario->dividends.taxable_percent[0], 100.0f);
  EXPECT_EQ(f.scenario->dividends.deposit_account[0], -1);
  EXPECT_EQ(f.scenario->allocation.percent[2][0], 0.0f);
}

}  // namespace
}  // namespace tarvel::ui
