// The asset-allocation and minimum-distribution options and the life-expectancy tables.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "engine/rmd_tables.h"
#include "model/scenario_ops.h"
#include "ui/budgets/dialog_harness.h"
#include "ui/options/allocation_options_dialog.h"
#include "ui/options/life_table_editor.h"
#include "ui/options/rmd_options_dialog.h"

namespace tarvel::ui {
namespace {

using test_support::DialogHarness;
using test_support::FakeDialogView;

int CountOfKind(const model::Scenario& scenario, model::EventKind kind) {
  int count = 0;
  for (int slot = 0; slot < scenario.initial.event_count; ++slot) {
    if (scenario.events[slot].kind == kind) ++count;
  }
  return count;
}

TEST(AllocationOptions, KeepsOneOptionEventWhileAMethodIsChosen) {
  namespace c = allocation_controls;
  DialogHarness h;
  test_support::AddEvent(*h.scenario, model::EventKind::Deposit, 40, 50);
  struct Step {
    int method_control;  // 0: neither method
    const char* age;
    const char* amount;
    const char* message;  // a refusal, or nullptr
    int option_events;
    float minimum;
  } steps[] = {
      {c::kProportional, "0.5", "100", "START AGE ERROR: This age must be between 1.0 and 120.0.",
       0, 0},
      {c::kProportional, "65.8", "x", "AMOUNT ERROR: Amount: \"x\" is not a number.", 0, 0},
      {c::kProportional, "65.8", "$2,500.00", nullptr, 1, 2500},
      {c::kEqual, "70", "3000", nullptr, 1, 3000},  // the same event, edited
      {0, "70", "3000", nullptr, 0, 0},             // no method: the event goes
  };
  for (const Step& step : steps) {
    AllocationOptionsDialog dialog(h.services);
    FakeDialogView view;
    dialog.Initialise(view);
    view.ChooseRadio(step.method_control, {c::kProportional, c::kEqual});
    view.texts[c::kStartAge] = step.age;
    view.texts[c::kMinimumWithdrawal] = step.amount;
    h.prompter.messages.clear();
    dialog.Command(view, kIdOk);
    EXPECT_EQ(h.Messages(),
              step.message ? std::vector<std::string>{step.message} : std::vector<std::string>{});
    EXPECT_EQ(view.result.has_value(), step.message == nullptr) << step.age;
    EXPECT_EQ(CountOfKind(*h.scenario, model::EventKind::AllocationOption), step.option_events);
    EXPECT_EQ(h.scenario->events[0].kind, model::EventKind::Deposit);
    if (step.option_events == 0) continue;
    const model::FinancialEvent& option = h.scenario->events[1];
    EXPECT_EQ(option.description.str(), kAllocationOptionDescription);
    EXPECT_EQ(option.start_age, std::trunc(std::stof(step.age)));
    EXPECT_EQ(option.end_age, 120);
    EXPECT_EQ(option.amount, step.minimum);
  }
  EXPECT_EQ(h.scenario->accounts.allocation_method, 0);
  EXPECT_EQ(h.scenario->initial.event_count, 1);
}

TEST(RmdOptions, StoresTheOptionsAndWarnsOfAShelteredTarget) {
  namespace c = rmd_controls;
  DialogHarness h;
  test_support::AddAccount(*h.scenario, model::AccountType::Investment, 1, 0, "Broker");
  test_support::AddAccount(*h.scenario, model::AccountType::Retirement, 1, 0, "IRA");
  const char* kWarning =
      "Probable RMD Account Error: You probably cannot transfer RMD funds to another Tax Free "
      "or Retirement account.\nPlease check the RMD regulations.";
  struct Case {
    int method_control;
    std::uint16_t method;
    const char* rate;
    int account;  // list position: 0 "No Selection", 1 "Broker", 2 "IRA"
    std::int16_t stored_account;
    const char* message;
  } cases[] = {
      {c::kEqual, 2, "100.5", 1, 0,
       "RATE ERROR: This rate must be greater than 0.00 and less than 100.00"},
      {c::kEqual, 2, "50", 1, 0, nullptr},
      {c::kProportional, 1, "0", 0, -1, nullptr},
      {c::kAccountOrder, 3, "10", 2, 1, kWarning},  // stored, then the warning
  };
  for (const Case& test : cases) {
    RmdOptionsDialog dialog(h.services);
    FakeDialogView view;
    dialog.Initialise(view);
    view.ChooseRadio(test.method_control, {c::kProportional, c::kEqual, c::kAccountOrder});
    view.texts[c::kPenaltyRate] = test.rate;
    view.selections[c::kTransferAccount] = test.account;
    h.prompter.messages.clear();
    dialog.Command(view, kIdOk);
    EXPECT_EQ(h.Messages(),
              test.message ? std::vector<std::string>{test.message} : std::vector<std::string>{});
    const bool refused = test.message != nullptr && test.message != kWarning;
    EXPECT_EQ(view.result.has_value(), !refused) << test.rate;
    if (refused) continue;
    EXPECT_EQ(h.scenario->accounts.rmd_method, test.method);
    EXPECT_EQ(h.scenario->settings.rmd_penalty_rate, std::stof(test.rate));
    EXPECT_EQ(h.scenario->settings.rmd_transfer_account, test.stored_account);
  }

  // The table buttons open the table editor; a new scenario's method shows as account order.
  h.scenario->accounts.rmd_method = 0;
  RmdOptionsDialog dialog(h.services);
  FakeDialogView view;
  dialog.Initialise(view);
  EXPECT_TRUE(view.checks[c::kAccountOrder]);
  dialog.Command(view, c::kEditTable1 + 2);
  EXPECT_EQ(h.dialogs.names, std::vector<std::string>{"mrdtable"});
}

TEST(LifeTableEditor, StoresTheTableAndReportsDoubtfulValues) {
  namespace c = life_table_controls;
  const char* kCaption = "Probable RMD Value Error: ";
  struct Case {
    const char* label;
    std::vector<std::pair<int, const char*>> changes;  // value position, text
    std::vector<std::string> messages;
  } cases[] = {
      {"decreasing", {}, {}},
      {"too large, stored",
       {{3, "55"}},
       {std::string(kCaption) + "The value 55.0 for age 73 seems out of range. Please check your "
                                "Life Expectancy Tables.",
        std::string(kCaption) + "Possible incorrect value 55.0 at age 73.\nPlease check the IRS "
                                "RMD Life Expectancy Tables."}},
      {"first of two",
       {{10, "0"}, {5, "29"}},
       {std::string(kCaption) + "Possible incorrect value 29.0 at age 75.\nPlease check the IRS "
                                "RMD Life Expectancy Tables."}},
  };
  for (const Case& test : cases) {
    DialogHarness h;
    LifeTableEditor editor(h.services, 1);
    FakeDialogView view;
    editor.Initialise(view);
    EXPECT_EQ(view.texts[c::kTitle], "Table  2");
    view.texts[c::kName] = "Joint";
    view.texts[c::kStartAge] = "70";
    for (int k = 0; k < model::kRmdTableLength; ++k) {
      view.texts[c::kFirstValue + k] = std::to_string(30 - 0.5 * k);
    }
    for (const auto& [position, text] : test.changes) view.texts[c::kFirstValue + position] = text;
    editor.Command(view, kIdOk);
    EXPECT_EQ(h.Messages(), test.messages) << test.label;
    EXPECT_EQ(view.result, kIdOk);
    const model::AccountSettings& settings = h.scenario->settings;
    EXPECT_EQ(settings.rmd_table_name[1].str(), "Joint");
    EXPECT_EQ(settings.rmd_start_age[1], 70);
    EXPECT_EQ(settings.rmd_life_expectancy[1][29], 30 - 0.5f * 29);
    if (test.changes.size() > 0) {
      EXPECT_EQ(settings.rmd_life_expectancy[1][test.changes[0].first],
                std::stof(test.changes[0].second));
    }
  }
}

TEST(LifeTableEditor, KeepsTheListingEntryOfAnAssignedTableInStep) {
  namespace c = life_table_controls;
  DialogHarness h;
  const int ira = test_support::AddAccount(*h.scenario, model::AccountType::Retirement, 1, 0);
  h.scenario->settings.rmd_table[h.scenario->accounts.records[ira].slot] = 30;
  LifeTableEditor editor(h.services, 2);
  FakeDialogView view;
  editor.Initialise(view);
  view.texts[c::kName] = "Spouse";
  view.texts[c::kStartAge] = "72";
  editor.Command(view, kIdOk);
  ASSERT_EQ(CountOfKind(*h.scenario, model::EventKind::RmdLine), 1);
  EXPECT_EQ(h.scenario->events[0].start_age, 72);
  EXPECT_EQ(h.scenario->events[0].description.str(), "Spouse-RMD using Table 3.");

  // Unassigned, the table's entry goes when the options are confirmed.
  h.scenario->settings.rmd_table[h.scenario->accounts.records[ira].slot] = 0;
  RmdOptionsDialog options(h.services);
  FakeDialogView options_view;
  options.Initialise(options_view);
  options.Command(options_view, kIdOk);
  EXPECT_EQ(CountOfKind(*h.scenario, model::EventKind::RmdLine), 0);
}

TEST(LifeTableEditor, FillShowsTheUniformLifetimeDivisorsOfTheTypedStartAgeUntilOk) {
  namespace c = life_table_controls;
  const struct {
    const char* label;
    const char* start_age;
    bool damaged_file;  // an empty mort.dat in the working directory
    const char* first_age_label;
    const char* first;
    const char* last;
    const char* message;  // "caption: text" of a refusal, or nullptr
  } cases[] = {
      {"at 73", "73", false, "Age  73", "26.5", "5.6 ", nullptr},
      {"at 75", "75", false, "Age  75", "24.6", "4.9 ", nullptr},
      {"beyond the table", "90", false, "Age  70", "0.0 ", "0.0 ",
       "AGE ERROR: The IRS Uniform Lifetime Table in mort.dat covers the ages 10 to 115, so it "
       "can fill a table that starts at an age from 10 to 86; this table starts at 90."},
      {"not an age", "0", false, "Age  70", "0.0 ", "0.0 ",
       "AGE ERROR: This age must be between 1 and 120.0."},
      {"damaged file", "73", true, "Age  70", "0.0 ", "0.0 ",
       "FILE WARNING: The file mort.dat lacks some of the IRS Uniform Lifetime divisors for the "
       "ages 73 to 102. The table was left as it is."},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.label);
    DialogHarness h;
    h.scenario->settings.rmd_start_age[0] = 70;
    if (test.damaged_file) std::ofstream(h.folder.File("mort.dat")) << "\n";
    LifeTableEditor editor(h.services, 0);
    FakeDialogView view;
    editor.Initialise(view);
    view.texts[c::kStartAge] = test.start_age;
    editor.Command(view, c::kFillUniform);
    EXPECT_EQ(h.Messages(),
              test.message ? std::vector<std::string>{test.message} : std::vector<std::string>{});
    EXPECT_EQ(view.texts[c::kFirstAgeLabel], test.first_age_label);
    EXPECT_EQ(view.texts[c::kFirstValue], test.first);
    EXPECT_EQ(view.texts[c::kFirstValue + 29], test.last);
    // Nothing is stored before OK.
    EXPECT_TRUE(engine::RmdTableIsEmpty(h.scenario->settings, 0));
    if (test.message != nullptr) continue;
    editor.Command(view, kIdOk);
    EXPECT_EQ(view.result, kIdOk);
    EXPECT_EQ(h.scenario->settings.rmd_start_age[0], std::stoi(test.start_age));
    EXPECT_EQ(h.scenario->settings.rmd_life_expectancy[0][0], std::stof(test.first));
  }
}

TEST(RmdOptions, OffersToFillAnAssignedTableThatHoldsNoValues) {
  const struct {
    const char* label;
    platform::Answer answer;
    bool filled;
  } cases[] = {{"yes fills", platform::Answer::Yes, true},
               {"no leaves it", platform::Answer::No, false}};
  for (const auto& test : cases) {
    SCOPED_TRACE(test.label);
    DialogHarness h;
    model::AccountSettings& settings = h.scenario->settings;
    settings.rmd_start_age = {73, 70, 70};
    settings.rmd_table_name[0].assign("IRA 1");
    settings.rmd_life_expectancy[1].fill(20.0f);  // filled by hand: no question
    const int ira = test_support::AddAccount(*h.scenario, model::AccountType::Retirement, 1, 0);
    const int old = test_support::AddAccount(*h.scenario, model::AccountType::Retirement, 1, 0);
    settings.rmd_table[h.scenario->accounts.records[ira].slot] = 10;
    settings.rmd_table[h.scenario->accounts.records[old].slot] = 20;
    h.prompter.answers = {test.answer};
    RmdOptionsDialog dialog(h.services);
    FakeDialogView view;
    dialog.Initialise(view);
    view.selections[rmd_controls::kTransferAccount] = 0;  // "No Selection"
    dialog.Command(view, kIdOk);
    EXPECT_EQ(h.Messages(),
              std::vector<std::string>{
                  "Empty RMD Table: Table 1 (IRA 1) holds no life-expectancy values, so no "
                  "minimum distribution can be computed from it.\nFill it from the IRS Uniform "
                  "Lifetime Table for the ages 73 to 102?"});
    EXPECT_EQ(view.result, kIdOk);
    EXPECT_EQ(settings.rmd_life_expectancy[0][0], test.filled ? 26.5f : 0.0f);
    EXPECT_EQ(settings.rmd_life_expectancy[0][29], test.filled ? 5.6f : 0.0f);
    EXPECT_EQ(settings.rmd_life_expectancy[1][0], 20.0f);
    // A table no account uses is not offered.
    EXPECT_TRUE(engine::RmdTableIsEmpty(settings, 2));
  }
}

}  // namespace
}  // namespace tarvel::ui
