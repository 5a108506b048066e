// What the budget and option dialog tests share: a cleared scenario in a temporary working
// directory, the editor services over fakes, and a runner that records the dialogs opened.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/block_codec.h"
#include "model/program.h"
#include "support/fake_dialog_view.h"
#include "support/fake_help.h"
#include "support/fake_launcher.h"
#include "support/fake_prompter.h"
#include "support/fixed_clock.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "ui/editors/editor_services.h"

namespace tarvel::test_support {

struct DialogHarness {
  DialogHarness() { program.working_directory = folder.path(); }

  // The texts of the messages shown so far, "caption: text".
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& message : prompter.messages) {
      texts.push_back(message.caption + ": " + message.text);
    }
    return texts;
  }

  TempFolder folder;
  std::unique_ptr<model::Scenario> scenario = MakeClearedScenario();
  model::Program program;
  FakePrompter prompter;
  ScriptedDialogs dialogs;
  FakeHelp help;
  FakeLauncher launcher;
  FixedClock clock{{2024, 3, 5}};
  ui::EditorServices services{*scenario, program, prompter, dialogs, help, launcher, clock};
};

// The stored bytes of the budgets and the events, for comparing before and after.
inline std::vector<std::uint8_t> BudgetAndEventBytes(const model::Scenario& scenario) {
  std::vector<std::uint8_t> bytes;
  for (const model::Budget& budget : scenario.budgets) {
    const auto block = model::EncodeBlock(budget);
    bytes.insert(bytes.end(), block.begin(), block.end());
  }
  for (const model::FinancialEvent& event : scenario.events) {
    const auto block = model::EncodeBlock(event);
    bytes.insert(bytes.end(), block.begin(), block.end());
  }
  bytes.push_back(static_cast<std::uint8_t>(scenario.initial.event_count));
  return bytes;
}

}  // namespace tarvel::test_support
