// The field checks, account checks and working copy every editor shares.
#include <gtest/gtest.h>

#include <cstring>

#include "support/fake_dialog_view.h"
#include "support/fake_prompter.h"
#include "support/scenario_builder.h"
#include "ui/editors/account_choices.h"
#include "ui/editors/event_editing.h"
#include "ui/editors/field_check.h"

namespace tarvel::ui {
namespace {

using test_support::FakeDialogView;
using test_support::FakePrompter;

TEST(FieldCheck, ParsesWhatTheFieldsShowAndRefusesTheRest) {
  struct Case {
    const char* text;
    std::optional<double> value;
  } cases[] = {
      {"65", 65.0},          {" 65.70 ", 65.7},
      {"$1,234.50", 1234.5}, {"-20", -20.0},
      {"4.000%", 4.0},       {"", 0.0},
      {"+3", 3.0},           {"12abc", std::nullopt},
      {"abc", std::nullopt}, {"1e999", std::nullopt},
      {"--1", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseFieldNumber(c.text), c.value) << c.text;
  }
}

TEST(FieldCheck, AcceptsInsideTheBoundsAndOtherwiseShowsTheMessageOnce) {
  const FieldRule age{103, true, 0, 1.0, 120.0, 7, "START AGE ERROR"};
  const FieldRule years{106, false, 0, 0.0, 100.0, 5, "NO OF YEARS ERROR"};
  const FieldRule rate{110, true, 0, 0.0, 5.0, kRateBoundsMessage, "RATE ERROR"};
  struct Case {
    const FieldRule* rule;
    const char* text;
    std::optional<double> stored;
  } cases[] = {
      {&age, "1", 1.0},           {&age, "120", 120.0},     {&age, "0.99", std::nullopt},
      {&age, "x", std::nullopt},  {&years, "100.9", 100.0}, {&years, "101", std::nullopt},
      {&rate, "6", std::nullopt},
  };
  for (const Case& c : cases) {
    FakeDialogView view;
    FakePrompter prompter;
    view.texts[c.rule->control] = c.text;
    EXPECT_EQ(ValidateField(view, prompter, *c.rule), c.stored) << c.text;
    if (c.stored) {
      EXPECT_TRUE(prompter.messages.empty());
    } else {
      ASSERT_EQ(prompter.messages.size(), 1u) << c.text;
      EXPECT_EQ(prompter.messages[0].caption, c.rule->caption);
      EXPECT_EQ(view.focus, c.rule->control);
    }
  }
  EXPECT_EQ(FieldMessageText(age), "This age must be between 1.0 and 120.0.");
  EXPECT_EQ(FieldMessageText(rate), "This rate must be greater than 0.00 and less than 5.00");
}

TEST(FieldCheck, TextThatIsNoNumberIsCalledSoAndNumbersOutOfRangeGetTheRangeMessage) {
  const FieldRule amount{104, true, 0, 1.0, 1e8, 2, "AMOUNT ERROR"};
  const FieldRule rate{106, true, 0, 1.0, 1000.0, 6, "RATE ERROR"};
  const FieldRule age{103, true, 0, 1.0, 120.0, 7, "START AGE ERROR"};
  struct Case {
    const FieldRule* rule;
    const char* text;
    const char* message;
  } cases[] = {
      {&amount, "twenty", "Amount: \"twenty\" is not a number."},
      {&rate, "abc", "Rate: \"abc\" is not a number."},
      {&age, "6O", "Start age: \"6O\" is not a number."},
      {&amount, "0", "This amount must be greater than 0.00 and less than 99999999.00."},
      {&rate, "0.5", "Loan/Mortgage rates must be greater than 0.0 and less than 1000.0."},
      {&age, "121", "This age must be between 1.0 and 120.0."},
  };
  for (const Case& c : cases) {
    FakeDialogView view;
    FakePrompter prompter;
    view.texts[c.rule->control] = c.text;
    EXPECT_FALSE(ValidateField(view, prompter, *c.rule)) << c.text;
    ASSERT_EQ(prompter.messages.size(), 1u) << c.text;
    EXPECT_EQ(prompter.messages[0].text, c.message);
    EXPECT_EQ(prompter.messages[0].caption, c.rule->caption);
  }
}

TEST(FieldCheck, NamesTheFieldFromItsErrorCaption) {
  const std::pair<const char*, const char*> cases[] = {
      {"START AGE ERROR", "Start age"},
      {"NO OF YEARS ERROR", "No of years"},
      {"Number of Years Error!", "Number of Years"},
      {"Rate Error!", "Rate"},
      {"Additional Monthly Amount Error", "Additional Monthly Amount"},
      {"", ""},
  };
  for (const auto& [caption, name] : cases) EXPECT_EQ(FieldNameOfCaption(caption), name);
  EXPECT_EQ(NotANumberText("", "x"), "\"x\" is not a number.");
}

TEST(FieldCheck, AnEndAgeBeforeOrAtTheStartSaysWhichAndWhatToType) {
  EXPECT_EQ(EndAgeOrderText(62, 55),
            "The end age comes before the start age. Type an end age after 62.");
  EXPECT_EQ(EndAgeOrderText(62, 62),
            "The end age is the same as the start age. Type an end age after 62.");
}

TEST(AccountChecks, RefuseEachKindOfAccountOnlyInTheModesThatExcludeIt) {
  auto scenario = test_support::MakeClearedScenario();
  const int asset = test_support::AddAccount(*scenario, model::AccountType::Asset, 1, 0, "Car");
  const int equity = test_support::AddAccount(*scenario, model::AccountType::Equity, 1, 0, "House");
  const int allocated =
      test_support::AddAccount(*scenario, model::AccountType::Investment, 1, 0, "Fund");
  scenario->settings.allocation_flag[scenario->accounts.records[allocated].slot] = 1;
  auto id = [&](int position) { return scenario->accounts.records[position].id; };
  struct Case {
    int position;
    AccountCheck mode;
    bool accepted;
  } cases[] = {
      {asset, AccountCheck::NoAssetsNoAllocation, false},
      {equity, AccountCheck::NoAssets, false},
      {asset, AccountCheck::NoAllocation, true},
      {allocated, AccountCheck::NoAllocation, false},
      {allocated, AccountCheck::NoAssets, true},
  };
  for (const Case& c : cases) {
    FakePrompter prompter;
    EXPECT_EQ(CheckAccountChoice(*scenario, prompter, id(c.position), c.mode), c.accepted);
    EXPECT_EQ(prompter.messages.size(), c.accepted ? 0u : 1u);
  }

  // Account id 0 is a real account: it is refused when a mortgage holds it as equity.
  auto& mortgage = test_support::AddEvent(*scenario, model::EventKind::Mortgage, 40, 70);
  mortgage.equity_account = 0;
  FakePrompter prompter;
  EXPECT_TRUE(AccountUsedByMortgage(*scenario, 1, prompter, 0));
  EXPECT_FALSE(AccountUsedByMortgage(*scenario, 1, prompter, model::kNoAccount));
  EXPECT_FALSE(AccountUsedByMortgage(*scenario, 0, prompter, 0));  // added after opening
}

TEST(AccountChoices, ListByNameAndMapPositionsToIds) {
  auto scenario = test_support::MakeClearedScenario();
  test_support::AddAccount(*scenario, model::AccountType::Investment, 1, 0, "Savings");
  test_support::AddAccount(*scenario, model::AccountType::Investment, 1, 0, "bonds");
  const AccountChoices choices(*scenario, true);
  EXPECT_EQ(choices.items(), (std::vector<std::string>{"No Selection", "bonds", "Savings"}));
  EXPECT_EQ(choices.IdAt(1), scenario->accounts.records[1].id);
  EXPECT_EQ(choices.IdAt(0), model::kNoAccount);
  EXPECT_EQ(choices.PositionOf(scenario->accounts.records[0].id), 2);
}

bool SameBytes(const model::FinancialEvent& a, const model::FinancialEvent& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(EventEditing, ChangesOnlyTheCopyUntilCommittedAndAddsAtTheEnd) {
  auto scenario = test_support::MakeClearedScenario();
  auto& stored = test_support::AddEvent(*scenario, model::EventKind::Withdrawal, 1065, 80);
  const model::FinancialEvent before = stored;

  EventEditing editing(*scenario, EditRequest{0});
  EXPECT_TRUE(editing.was_inactive());
  EXPECT_EQ(editing.event().start_age, 65.0f);
  editing.event().amount = 5;
  EXPECT_TRUE(SameBytes(scenario->events[0], before));  // Cancel: nothing to undo

  // A new event committed while another editor is open lands after the events added meanwhile.
  EventEditing adding(*scenario, EditRequest{});
  test_support::AddEvent(*scenario, model::EventKind::Loan, 50, 60);
  FakePrompter prompter;
  ASSERT_TRUE(adding.Commit(*scenario, prompter));
  EXPECT_EQ(scenario->initial.event_count, 3);
  EXPECT_EQ(scenario->events[1].kind, model::EventKind::Loan);

  ASSERT_TRUE(editing.Commit(*scenario, prompter));
  EXPECT_EQ(scenario->events[0].start_age, 65.0f);  // saving re-activates
  EXPECT_EQ(scenario->initial.event_count, 3);
}

TEST(EventEditing, RefusesTheOneHundredAndFiftyFirstEvent) {
  auto scenario = test_support::MakeClearedScenario();
  for (int i = 0; i < model::kMaxEvents; ++i) {
    test_support::AddEvent(*scenario, model::EventKind::Withdrawal, 60);
  }
  EventEditing adding(*scenario, EditRequest{});
  FakePrompter prompter;
  EXPECT_FALSE(adding.Commit(*scenario, prompter));
  EXPECT_FALSE(RoomForEvent(*scenario, prompter));
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[0].caption, "Event Warning");
  EXPECT_EQ(scenario->initial.event_count, model::kMaxEvents);
}

}  // namespace
}  // namespace tarvel::ui
