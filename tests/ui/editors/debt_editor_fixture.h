// What the debt editor tests share: the services an editor reaches over a scenario with a few
// accounts, a dialog runner that plays each dialog it opens with its own script, and a walk
// through a dialog's checks in order.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "model/event_listing.h"
#include "support/fake_dialog_view.h"
#include "support/fake_help.h"
#include "support/fake_launcher.h"
#include "support/fake_prompter.h"
#include "support/fixed_clock.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "ui/editors/account_choices.h"
#include "ui/editors/editor_services.h"

namespace tarvel::test_support {

// A typed text or a list position.
using FieldInput = std::variant<std::string, int>;

inline void Enter(FakeDialogView& view, int control, const FieldInput& input) {
  if (const auto* text = std::get_if<std::string>(&input)) {
    view.texts[control] = *text;
  } else {
    view.selections[control] = std::get<int>(input);
  }
}

// One refusal of a dialog's OK: what is entered, what it is refused with, what fixes it.
struct CheckStep {
  int control;
  FieldInput bad;
  FieldInput good;
  std::string caption;
  std::string text;
};

inline bool SameBytes(const model::FinancialEvent& a, const model::FinancialEvent& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

class DebtEditorTest : public ::testing::Test {
 protected:
  DebtEditorTest() {
    program.working_directory = folder.path();
    savings = Id(AddAccount(*scenario, model::AccountType::Investment, 1000, 5, "Savings"));
    house = Id(AddAccount(*scenario, model::AccountType::Equity, 0, 3, "House"));
    car = Id(AddAccount(*scenario, model::AccountType::Asset, 0, -10, "Car"));
    scenario->initial.start_age = 40.6f;
  }

  std::uint16_t Id(int position) const { return scenario->accounts.records[position].id; }
  // The list position of an account in a choice list (sorted by name).
  int Position(std::uint16_t id, bool with_no_selection) const {
    return ui::AccountChoices(*scenario, with_no_selection).PositionOf(id);
  }
  // The listing lines of the event in the slot, one per line.
  std::string Listing(int slot) const {
    std::string text;
    for (const model::ListingLine& line : model::DescribeEvents(*scenario, program.currency)) {
      if (line.event_slot == slot) text += line.text + "\n";
    }
    return text;
  }
  // A mortgage whose equity account is House, stored at the end of the events.
  model::FinancialEvent& AddHouseMortgage() {
    model::FinancialEvent& mortgage = AddEvent(*scenario, model::EventKind::Mortgage, 45, 75);
    mortgage.equity_account = house;
    return mortgage;
  }

  // Enters every step's first wrong value over the valid inputs, then presses OK once per step:
  // each press shows exactly that step's message, and the step's fix lets the next check run.
  void WalkChecks(ui::DialogPresenter& presenter, FakeDialogView& view, int ok,
                  const std::vector<CheckStep>& steps) {
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
      Enter(view, step->control, step->bad);
    }
    for (std::size_t i = 0; i < steps.size(); ++i) {
      const CheckStep& step = steps[i];
      const std::size_t before = prompter.messages.size();
      presenter.Command(view, ok);
      ASSERT_EQ(prompter.messages.size(), before + 1) << "step " << i << ": " << step.caption;
      EXPECT_EQ(prompter.messages.back().caption, step.caption) << "step " << i;
      EXPECT_EQ(prompter.messages.back().text, step.text) << "step " << i;
      EXPECT_FALSE(view.result.has_value()) << "step " << i;
      FieldInput next = step.good;
      for (std::size_t j = i + 1; j < steps.size(); ++j) {
        if (steps[j].control == step.control) {
          next = steps[j].bad;
          break;
        }
      }
      Enter(view, step.control, next);
    }
  }

  TempFolder folder;
  std::unique_ptr<model::Scenario> scenario = MakeClearedScenario();
  model::Program program;
  FakePrompter prompter;
  ScriptedDialogs dialogs;
  FakeHelp help;
  FakeLauncher launcher;
  FixedClock clock{{2024, 6, 1}};
  ui::EditorServices services{*scenario, program, prompter, dialogs, help, launcher, clock};
  std::uint16_t savings = 0;
  std::uint16_t house = 0;
  std::uint16_t car = 0;
};

inline const std::string kMortgageAccountText =
    "You cannot select an account that is assigned to a Mortgage Event!";
inline const std::string kAssetTypeText = "You cannot select an account that is an Asset Type!";
inline const std::string kDownPaymentText =
    "The down payment cannot be greater than the amount it is paid on.";

}  // namespace tarvel::test_support
