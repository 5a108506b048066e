// Editor services over fakes for the cash-flow and Fundamentals editor tests: a cleared
// scenario with a few accounts, scripted nested dialogs, and helpers that read the messages.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/fake_dialog_view.h"
#include "support/fake_help.h"
#include "support/fake_launcher.h"
#include "support/fake_prompter.h"
#include "support/fixed_clock.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "ui/editors/editor_services.h"

namespace tarvel::test_support {

class FlowEditorTest : public ::testing::Test {
 protected:
  FlowEditorTest() {
    car = AddAccount(*scenario, model::AccountType::Asset, 5000, 0, "Car");
    house = AddAccount(*scenario, model::AccountType::Equity, 90000, 3, "House");
    savings = AddAccount(*scenario, model::AccountType::Investment, 20000, 6, "Savings");
    bonds = AddAccount(*scenario, model::AccountType::Investment, 10000, 4, "Bonds");
    // The house is the equity account of a mortgage.
    AddEvent(*scenario, model::EventKind::Mortgage, 40, 70).equity_account = Id(house);
  }

  std::uint16_t Id(int position) const { return scenario->accounts.records[position].id; }

  // The captions of the messages shown so far, in order.
  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (const auto& message : prompter.messages) captions.push_back(message.caption);
    return captions;
  }

  static bool SameBytes(const model::FinancialEvent& a, const model::FinancialEvent& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
  }

  // One check of an editor's OK: the control holding bad text, the text that then passes,
  // and the message and caption the bad text gives.
  struct Check {
    int control;
    std::string bad;
    std::string good;
    std::string text;
    std::string caption;
  };

  // Presses OK once per check, with every later field still bad: each press must show exactly
  // that check's message and keep the dialog open; after the fix the next check speaks. The
  // last press commits. Account lists are set through `choose` (bad and good are positions).
  void WalkChecks(FakeDialogView& view, ui::DialogPresenter& editor,
                  const std::vector<Check>& checks, const std::vector<int>& lists) {
    auto set = [&](const Check& check, const std::string& value) {
      if (std::find(lists.begin(), lists.end(), check.control) != lists.end()) {
        view.selections[check.control] = std::stoi(value);
      } else {
        view.texts[check.control] = value;
      }
    };
    // A control checked twice starts with its first bad text.
    for (auto check = checks.rbegin(); check != checks.rend(); ++check) set(*check, check->bad);
    for (const Check& check : checks) {
      const std::size_t shown = prompter.messages.size();
      editor.Command(view, ui::kIdOk);
      ASSERT_EQ(prompter.messages.size(), shown + 1) << check.caption;
      EXPECT_EQ(prompter.messages.back().text, check.text);
      EXPECT_EQ(prompter.messages.back().caption, check.caption);
      EXPECT_FALSE(view.result.has_value()) << check.caption;
      set(check, check.good);
    }
    const std::size_t shown = prompter.messages.size();
    editor.Command(view, ui::kIdOk);
    EXPECT_EQ(prompter.messages.size(), shown);
    EXPECT_EQ(view.result, ui::kIdOk);
  }

  std::unique_ptr<model::Scenario> scenario = MakeClearedScenario();
  model::Program program;
  FakePrompter prompter;
  ScriptedDialogs dialogs;
  FakeHelp help;
  FakeLauncher launcher;
  FixedClock clock{{2024, 6, 1}};
  ui::EditorServices services{*scenario, program, prompter, dialogs, help, launcher, clock};
  int car = 0, house = 0, savings = 0, bonds = 0;
};

}  // namespace tarvel::test_support
