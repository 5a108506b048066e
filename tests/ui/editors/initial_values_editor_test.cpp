// The Initial Values dialog: its checks in order, the age range, the birthday age, Cancel,
// and the editor command that opens it.
#include "ui/editors/initial_values_editor.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "support/fake_dialog_view.h"
#include "support/fake_help.h"
#include "support/fake_launcher.h"
#include "support/fake_prompter.h"
#include "support/fake_shell_view.h"
#include "support/fixed_clock.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "ui/editors/event_editor_commands.h"
#include "ui/shell/command_ids.h"

namespace tarvel::ui {
namespace {

using test_support::FakeDialogView;

class InitialValuesTest : public ::testing::Test {
 protected:
  InitialValuesTest() {
    test_support::AddAccount(*scenario, model::AccountType::Investment, 1234.5f, 6.0f, "Fund");
    test_support::AddAccount(*scenario, model::AccountType::Retirement, 1000.0f, 4.0f, "IRA");
  }

  // The stored initial values, byte for byte.
  std::array<unsigned char, sizeof(model::InitialValues)> StoredBytes() const {
    std::array<unsigned char, sizeof(model::InitialValues)> bytes{};
    std::memcpy(bytes.data(), &scenario->initial, bytes.size());
    return bytes;
  }

  void Type(const std::map<int, std::string>& texts) {
    for (const auto& [control, text] : texts) view.SetText(control, text);
  }

  std::unique_ptr<model::Scenario> scenario = test_support::MakeClearedScenario();
  model::Program program;
  test_support::FakePrompter prompter;
  test_support::ScriptedDialogs dialogs;
  test_support::FakeHelp help;
  test_support::FakeLauncher launcher;
  test_support::FixedClock clock;
  EditorServices services{*scenario, program, prompter, dialogs, help, launcher, clock};
  FakeDialogView view;
};

TEST_F(InitialValuesTest, ChecksEveryFieldInOrderAndStoresOnlyWhenAllPass) {
  InitialValuesEditor editor(services);
  editor.Initialise(view);
  EXPECT_EQ(view.texts[117], "$1,234.50");
  EXPECT_EQ(view.texts[105], "4.000%");
  EXPECT_EQ(view.texts[123], "$2,234.50");
  const auto before = StoredBytes();
  Type({{kInitialBirthMonth, "13"},
        {kInitialBirthDay, "32"},
        {kInitialStartAge, "0"},
        {kInitialEndAge, "121"},
        {kInitialInflation, "60"},
        {kInitialTaxRate, "-1"},
        {kInitialDividendTax, "1001"}});
  const struct {
    int control;
    const char* fixed;
    const char* text;
    const char* caption;
  } checks[] = {
      {kInitialBirthMonth, "7", "The birth month value must between 1 and 12", "BIRTH MONTH ERROR"},
      {kInitialBirthDay, "4", "The birth day value must be between 1 and 31", "BIRTH DAY ERROR"},
      {kInitialStartAge, "20", "This age must be between 1.0 and 120.0.", "START AGE ERROR"},
      {kInitialEndAge, "120", "This age must be between 1.0 and 120.0.", "END AGE ERROR"},
      {kInitialEndAge, "95.5", "The age range must be less than 100 years!", "Age Range Error!"},
      {kInitialInflation, "3.5", "This rate must be between 0.0% and 1000.0%.",
       "INFLATION RATE ERROR"},
      {kInitialTaxRate, "$22", "This rate must be between 0.0% and 1000.0%.", "TAX RATE ERROR"},
      {kInitialDividendTax, "15.000%", "This rate must be between 0.0% and 1000.0%.",
       "TAX RATE ERROR"},
  };
  for (const auto& check : checks) {
    prompter.messages.clear();
    editor.Command(view, kIdOk);
    ASSERT_EQ(prompter.messages.size(), 1u) << check.caption;
    EXPECT_EQ(prompter.messages[0].text, check.text);
    EXPECT_EQ(prompter.messages[0].caption, check.caption);
    EXPECT_EQ(view.focus, check.control);
    EXPECT_FALSE(view.result.has_value());
    EXPECT_EQ(StoredBytes(), before) << "nothing is stored before every check passes";
    view.SetText(check.control, check.fixed);
  }
  view.SetChecked(kInitialPurchasingPower, true);
  prompter.messages.clear();
  editor.Command(view, kIdOk);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(view.result, kIdOk);
  EXPECT_TRUE(editor.committed());
  const model::InitialValues& stored = scenario->initial;
  EXPECT_EQ(stored.birth_month, 7);
  EXPECT_EQ(stored.birth_day, 4);
  EXPECT_FLOAT_EQ(stored.start_age, 20.0f);
  EXPECT_FLOAT_EQ(stored.end_age, 95.5f);
  EXPECT_FLOAT_EQ(stored.inflation_rate, 3.5f);
  EXPECT_FLOAT_EQ(stored.tax_rate, 22.0f);
  EXPECT_FLOAT_EQ(stored.dividend_tax_rate, 15.0f);
  EXPECT_EQ(stored.purchasing_power, 1);
  EXPECT_TRUE(scenario->modified);
}

TEST_F(InitialValuesTest, ABirthDateIsNeededOnlyForAgesFromTheBirthday) {
  // A new plan has no birth date: the dialog shows the fields empty and OK keeps it unset.
  scenario->initial.birth_month = 0;
  scenario->initial.birth_day = 0;
  InitialValuesEditor editor(services);
  editor.Initialise(view);
  EXPECT_EQ(view.texts[kInitialBirthMonth], "");
  editor.Command(view, kIdOk);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(view.result, kIdOk);
  EXPECT_EQ(scenario->initial.birth_month, 0);

  // Half a birth date is refused on OK, and Use Birthday without one when it is ticked.
  InitialValuesEditor again(services);
  FakeDialogView other;
  again.Initialise(other);
  other.SetText(kInitialBirthMonth, "5");
  again.Command(other, kIdOk);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, "BIRTH DAY ERROR");
  other.SetText(kInitialBirthMonth, "");
  again.Command(other, kInitialUseBirthday);
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[1].caption, "BIRTH MONTH ERROR");
  EXPECT_FALSE(other.Checked(kInitialUseBirthday));
  EXPECT_FALSE(other.result.has_value());
}

TEST_F(InitialValuesTest, TheAgeRangeMustBeUnderAHundredWholeYearsAndPositive) {
  const struct {
    const char* start;
    const char* end;
    const char* caption;  // empty when accepted
  } cases[] = {
      {"20", "120", "Age Range Error!"},
      {"21", "120", ""},
      {"20.9", "119.9", ""},
      {"65", "65.5", "END AGE ERROR"},
      {"65", "60", "END AGE ERROR"},
      {"1", "101.5", "Age Range Error!"},
  };
  for (const auto& c : cases) {
    InitialValuesEditor editor(services);
    FakeDialogView fresh;
    editor.Initialise(fresh);
    fresh.SetText(kInitialBirthMonth, "1");
    fresh.SetText(kInitialBirthDay, "1");
    fresh.SetText(kInitialStartAge, c.start);
    fresh.SetText(kInitialEndAge, c.end);
    prompter.messages.clear();
    editor.Command(fresh, kIdOk);
    if (std::string(c.caption).empty()) {
      EXPECT_EQ(fresh.result, kIdOk) << c.start << ".." << c.end;
    } else {
      ASSERT_EQ(prompter.messages.size(), 1u) << c.start << ".." << c.end;
      EXPECT_EQ(prompter.messages[0].caption, c.caption);
      EXPECT_FALSE(fresh.result.has_value());
    }
  }
}

TEST_F(InitialValuesTest, UseBirthdayAddsTheDaysSinceTheLastBirthdayOnA365DayYear) {
  const struct {
    platform::Date today;
    const char* month;
    const char* day;
    const char* shown;
  } cases[] = {
      {{2024, 3, 5}, "3", "5", "65.000"},    // the birthday itself
      {{2024, 3, 4}, "3", "5", "65.997"},    // the day before: 364 days
      {{2024, 3, 6}, "3", "5", "65.003"},    // one day after
      {{2023, 2, 28}, "2", "29", "65.000"},  // a Feb 29 birthday counts as Feb 28
      {{2024, 2, 29}, "3", "1", "65.997"},   // Feb 29 is the day before Mar 1
      {{2024, 1, 1}, "12", "31", "65.003"},  // across the new year
  };
  for (const auto& c : cases) {
    clock.today = c.today;
    InitialValuesEditor editor(services);
    FakeDialogView fresh;
    editor.Initialise(fresh);
    fresh.SetText(kInitialStartAge, "65.8");
    fresh.SetText(kInitialBirthMonth, c.month);
    fresh.SetText(kInitialBirthDay, c.day);
    editor.Command(fresh, kInitialUseBirthday);
    EXPECT_TRUE(fresh.checks[kInitialUseBirthday]);
    EXPECT_EQ(fresh.texts[kInitialStartAge], c.shown) << c.month << "/" << c.day;
    editor.Command(fresh, kInitialUseBirthday);  // cleared again: whole years
    EXPECT_FALSE(fresh.checks[kInitialUseBirthday]);
    EXPECT_EQ(fresh.texts[kInitialStartAge], "65.000");
  }
  EXPECT_EQ(scenario->initial.use_birthday, 0) << "only OK stores the flag";
}

TEST_F(InitialValuesTest, CancelAfterAFailedOkLeavesEveryValueByteForByte) {
  scenario->initial.use_birthday = 0;
  const auto before = StoredBytes();
  dialogs.texts = {{kInitialBirthMonth, "5"},
                   {kInitialBirthDay, "5"},
                   {kInitialStartAge, "61"},
                   {kInitialEndAge, "90"},
                   {kInitialInflation, "99"}};
  dialogs.presses = {kInitialUseBirthday, kIdOk, kIdCancel};
  EXPECT_FALSE(EditInitialValues(services, EditRequest{}));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, "INFLATION RATE ERROR");
  EXPECT_EQ(dialogs.view.result, kIdCancel);
  EXPECT_EQ(StoredBytes(), before);
  EXPECT_FALSE(scenario->modified);
}

TEST_F(InitialValuesTest, TheEditorCommandOpensItMarksItOpenAndRefreshesAfterOk) {
  model::Program shell_program;
  ShellState state;
  test_support::FakeShellView shell;
  EditorGuard editors;
  CommandContext context{shell_program, *scenario, state, shell, editors, prompter};
  EventEditorCommands commands(context, dialogs, help, launcher, clock);
  ASSERT_TRUE(commands.Handles(kInitialValuesCommand));
  EXPECT_FALSE(commands.Handles(kAboutCommand));

  dialogs.presses = {kIdCancel};
  EXPECT_FALSE(commands.Execute(kInitialValuesCommand).editor_changed);
  EXPECT_TRUE(shell.calls.empty());

  dialogs.texts = {{kInitialBirthMonth, "5"},
                   {kInitialBirthDay, "5"},
                   {kInitialStartAge, "60"},
                   {kInitialEndAge, "88"}};
  dialogs.presses = {kIdOk};
  state.edit_target = 3;
  EXPECT_TRUE(commands.Execute(kInitialValuesCommand).editor_changed);
  EXPECT_TRUE(state.last_edit_committed);
  EXPECT_EQ(state.edit_target, -1);
  EXPECT_FLOAT_EQ(scenario->initial.end_age, 88.0f);
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"run", "event list", "budget menu"}));
  EXPECT_FALSE(editors.EditorIsOpen(false));
}

}  // namespace
}  // namespace tarvel::ui
