// The Scenario folder: its rows, which editor a row opens, inactivating, Copy and its Cancel,
// Delete and its cascades, the event limit on every add path, and the open-editor guard.
#include "ui/scenario/event_list_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>

#include "model/event_views.h"
#include "model/record_counts.h"
#include "support/fake_dialog_view.h"
#include "support/fake_help.h"
#include "support/fake_prompter.h"
#include "support/scenario_builder.h"
#include "ui/editors/add_event_chooser.h"
#include "ui/shell/command_ids.h"

namespace tarvel::ui {
namespace {

using model::EventKind;

class FakeHost : public EventListHost {
 public:
  bool EditorIsOpen() override { return editor_open; }
  void PostCommand(int id) override {
    commands.push_back(id);
    targets.push_back(state->edit_target);
    if (on_dispatch) on_dispatch(id);
  }
  void RunScenario() override { ++runs; }
  void RebuildBudgetMenu() override { ++budget_menus; }
  void EnableCommand(int id, bool enabled) override { enabled_commands.push_back({id, enabled}); }
  void ShowHelp(int context) override { help.push_back(context); }

  ShellState* state = nullptr;
  bool editor_open = false;
  std::function<void(int)> on_dispatch;
  std::vector<int> commands;
  std::vector<int> targets;
  int runs = 0;
  int budget_menus = 0;
  std::vector<std::pair<int, bool>> enabled_commands;
  std::vector<int> help;
};

class EventListFolderTest : public ::testing::Test {
 protected:
  EventListFolderTest() { host.state = &state; }

  model::FinancialEvent& Add(EventKind kind, float start, const char* name) {
    model::FinancialEvent& event = test_support::AddEvent(*scenario, kind, start, start + 10);
    event.description.assign(name);
    event.amount = 100;
    return event;
  }
  model::FinancialEvent& AddEquityLoan(std::uint16_t mortgage_number, const char* name) {
    model::FinancialEvent& loan = Add(EventKind::Loan, 60, name);
    loan.word_26 = model::kEquityLoanMarker;
    loan.mortgage_link = mortgage_number;
    return loan;
  }
  // The row of the event's description line.
  int RowOf(int slot) {
    folder.Refresh();
    for (int row = 0; row < static_cast<int>(folder.rows().size()); ++row) {
      if (folder.rows()[row].description && folder.rows()[row].event_slot == slot) return row;
    }
    return -1;
  }
  std::vector<std::string> Descriptions() const {
    std::vector<std::string> names;
    for (int slot = 0; slot < model::EventCount(*scenario); ++slot) {
      names.push_back(scenario->events[slot].description.str());
    }
    return names;
  }
  void Press(EventListButton button, int row) {
    folder.Refresh();
    folder.Select(row);
    folder.HandleButton(button);
  }

  std::unique_ptr<model::Scenario> scenario = test_support::MakeClearedScenario();
  model::Program program;
  ShellState state;
  test_support::FakePrompter prompter;
  FakeHost host;
  EventListFolder folder{*scenario, program, state, prompter, host};
};

TEST_F(EventListFolderTest, RightDoubleClickInactivatesAndActivatesShowingTheTrueAge) {
  const struct {
    float stored;
    float toggled;
    const char* shown;
    bool inactive;
  } cases[] = {
      {65, 1065, "65.0", true},
      {1065, 65, "65.0", false},
      {1000, 2000, "1000.0", true},  // exactly 1000 counts as active
      {2000, 1000, "1000.0", false},
  };
  Add(EventKind::Deposit, 65, "Bonus");
  for (const auto& c : cases) {
    scenario->events[0].start_age = c.stored;
    scenario->modified = false;
    folder.Refresh();
    const int runs = host.runs;
    folder.ToggleRow(1);
    EXPECT_FLOAT_EQ(scenario->events[0].start_age, c.toggled);
    EXPECT_EQ(folder.rows()[1].age, c.shown) << c.stored;
    EXPECT_EQ(folder.rows()[1].inactive, c.inactive) << c.stored;
    EXPECT_EQ(folder.rows()[1].text.rfind("Bonus - Deposit", 0), 0u) << folder.rows()[1].text;
    EXPECT_EQ(host.runs, runs + 1);
    EXPECT_TRUE(scenario->modified);
  }
  folder.Refresh();
  folder.ToggleRow(0);  // "Initial Rates" has no event to toggle
  EXPECT_EQ(folder.rows()[0].event_slot, -1);
}

TEST_F(EventListFolderTest, EachRowOpensTheEditorOfItsEventThroughItsSlot) {
  Add(EventKind::Mortgage, 40, "House");
  model::FinancialEvent& deposit = Add(EventKind::Deposit, 50, "Salary");
  deposit.todays_dollars = 1;  // gives the deposit a detail line
  Add(EventKind::Transfer, 55, "Rollover").marker = model::kRule72TMarker;
  model::FinancialEvent& budget = Add(EventKind::Withdrawal, 60, "Living");
  budget.marker = model::kBudgetWithdrawalMarker;
  budget.budget_number = 3;
  AddEquityLoan(1, "Heloc");
  folder.Refresh();
  const int salary = RowOf(1);
  ASSERT_FALSE(folder.rows()[salary + 1].description) << "the deposit has a detail line";
  const struct {
    int row;
    int command;
    int target;
  } cases[] = {
      {0, kInitialValuesCommand, -1},  // "Initial Rates"
      {RowOf(0), kMortgageCommand, 0},   {salary, kDepositCommand, 1},
      {salary + 1, kDepositCommand, 1},  // a detail line selects its event
      {RowOf(2), kRule72TCommand, 2},    {RowOf(3), kFirstBudgetCommand + 2, 3},
      {RowOf(4), kEquityLoanCommand, 4},
  };
  for (const auto& c : cases) {
    host.commands.clear();
    host.targets.clear();
    folder.EditRow(c.row);
    ASSERT_EQ(host.commands.size(), 1u) << c.row;
    EXPECT_EQ(host.commands[0], c.command) << c.row;
    EXPECT_EQ(host.targets[0], c.target) << c.row;
    EXPECT_EQ(state.edit_target, -1);
  }
}

TEST_F(EventListFolderTest, CopyKeepsBothOnOkAndRemovesOnlyTheCopyOnCancel) {
  Add(EventKind::Deposit, 50, "Salary").number = 7;
  Add(EventKind::Mortgage, 40, "House").number = 3;
  scenario->events[2].number = 3;  // a stale number in the free slot must not be reused
  const model::FinancialEvent original = scenario->events[1];
  const int house = RowOf(1);

  bool commit = false;
  host.on_dispatch = [&](int) {
    scenario->events[state.edit_target].description.assign("Edited");
    state.last_edit_committed = commit;
    if (!commit) scenario->events[state.edit_target] = original;  // the editor stored nothing
  };
  Press(EventListButton::Copy, house);
  EXPECT_EQ(host.commands, std::vector<int>{kMortgageCommand});
  EXPECT_EQ(host.targets, std::vector<int>{1}) << "the editor opens on the original";
  EXPECT_EQ(Descriptions(), (std::vector<std::string>{"Salary", "House"}));
  EXPECT_EQ(std::memcmp(&scenario->events[1], &original, sizeof original), 0);
  EXPECT_FALSE(scenario->modified);

  commit = true;
  Press(EventListButton::Copy, house);
  EXPECT_EQ(Descriptions(), (std::vector<std::string>{"Salary", "Edited", "House"}));
  EXPECT_NE(scenario->events[2].number, 3);
  EXPECT_NE(scenario->events[2].number, 7);
}

TEST_F(EventListFolderTest, CopyLeavesBudgetRule72TAndOptionEventsAlone) {
  Add(EventKind::Withdrawal, 60, "Budget").marker = model::kBudgetWithdrawalMarker;
  Add(EventKind::Transfer, 55, "72T").marker = model::kRule72TMarker;
  Add(EventKind::AllocationOption, 60, "Allocation");
  Add(EventKind::RmdLine, 70, "IRA 1");
  for (int slot = 0; slot < 4; ++slot) {
    Press(EventListButton::Copy, RowOf(slot));
    EXPECT_EQ(model::EventCount(*scenario), 4) << slot;
  }
  EXPECT_TRUE(host.commands.empty());
}

TEST_F(EventListFolderTest, TheChooserClosesBeforeTheEditorItOpens) {
  test_support::FakeHelp help;
  test_support::FakeDialogView view;
  std::optional<int> closed_when_dispatched;
  AddEventChooser chooser(*scenario, state, prompter, help, [&](int id) {
    closed_when_dispatched = view.result;
    host.PostCommand(id);
  });
  chooser.Command(view, 110);  // Deposit
  EXPECT_EQ(host.commands, std::vector<int>{kDepositCommand});
  EXPECT_EQ(closed_when_dispatched, kIdOk);
}

TEST_F(EventListFolderTest, TheHundredAndFiftyFirstEventIsRefusedFromCopyAndTheChooser) {
  for (int i = 0; i < model::kMaxEvents; ++i) Add(EventKind::Deposit, 50, "Deposit");
  Press(EventListButton::Copy, 1);
  test_support::FakeHelp help;
  AddEventChooser chooser(*scenario, state, prompter, help, [&](int id) { host.PostCommand(id); });
  test_support::FakeDialogView view;
  chooser.Command(view, 110);  // Deposit
  EXPECT_TRUE(host.commands.empty());
  EXPECT_FALSE(view.result);  // the chooser stays open for another choice
  ASSERT_EQ(prompter.messages.size(), 2u);
  for (const auto& message : prompter.messages) {
    EXPECT_EQ(message.text, "You have reached the maximum of 150 events for a scenario.");
  }
  EXPECT_EQ(model::EventCount(*scenario), model::kMaxEvents);
}

TEST_F(EventListFolderTest, DeleteFollowsTheCascadesOfEachKind) {
  Add(EventKind::Loan, 45, "Car loan").mortgage_link = 5;  // an ordinary loan, same link value
  Add(EventKind::Mortgage, 40, "House").number = 5;
  AddEquityLoan(5, "Heloc on house");
  AddEquityLoan(9, "Heloc on cabin");
  AddEquityLoan(5, "Second heloc");
  model::FinancialEvent& budget = Add(EventKind::Withdrawal, 60, "Living");
  budget.marker = model::kBudgetWithdrawalMarker;
  budget.budget_number = 2;
  scenario->budgets[1].active = 1;
  Add(EventKind::AllocationOption, 60, "Allocation");
  scenario->accounts.allocation_method = 2;
  Add(EventKind::RmdLine, 70, "IRA 1");

  Press(EventListButton::Delete, RowOf(1));
  EXPECT_EQ(Descriptions(), (std::vector<std::string>{"Car loan", "Heloc on cabin", "Living",
                                                      "Allocation", "IRA 1"}));
  EXPECT_TRUE(scenario->modified);
  EXPECT_TRUE(state.results_stale);

  Press(EventListButton::Delete, RowOf(2));
  EXPECT_EQ(scenario->budgets[1].active, 0);
  EXPECT_EQ(host.budget_menus, 1);

  Press(EventListButton::Delete, RowOf(2));
  EXPECT_EQ(scenario->accounts.allocation_method, 0);
  EXPECT_EQ(host.enabled_commands,
            (std::vector<std::pair<int, bool>>{{kAllocationOptionsCommand, true}}));

  Press(EventListButton::Delete, RowOf(2));  // the minimum-distribution entry stays
  Press(EventListButton::Delete, 0);         // "Initial Rates" deletes nothing
  EXPECT_EQ(Descriptions(), (std::vector<std::string>{"Car loan", "Heloc on cabin", "IRA 1"}));
}

TEST_F(EventListFolderTest, ButtonsDoNothingWhileAnEditorIsOpen) {
  Add(EventKind::Deposit, 50, "Salary");
  host.editor_open = true;
  for (EventListButton button : {EventListButton::Add, EventListButton::Edit, EventListButton::Copy,
                                 EventListButton::Delete}) {
    Press(button, 1);
  }
  folder.EditRow(1);
  folder.ToggleRow(1);
  EXPECT_TRUE(host.commands.empty());
  EXPECT_EQ(model::EventCount(*scenario), 1);
  EXPECT_FLOAT_EQ(scenario->events[0].start_age, 50);

  host.editor_open = false;
  Press(EventListButton::Add, 1);
  Press(EventListButton::Help, 1);
  EXPECT_EQ(host.commands, std::vector<int>{kAddEventChooserCommand});
  EXPECT_EQ(host.help, std::vector<int>{kEventListHelpContext});
}

}  // namespace
}  // namespace tarvel::ui
