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
#include "support/scenario_builder.h"
#include "support/temp_folder.h"
#include "ui/editors/editor_services.h"

namespace tarvel::test_support {

class StillClock : public platform::Clock {
 public:
  platform::Date Today() const override { return {2024, 3, 5}; }
  platform::TimeOfDay Now() const override { return {}; }
};

// Opens each dialog on a fresh view and presses nothing: it ends as cancelled.
class RecordingRunner : public ui::DialogRunner {
 public:
  int RunModal(const ui::DialogTemplate& dialog, ui::DialogPresenter& presenter) override {
    names.push_back(dialog.name);
    FakeDialogView view;
    presenter.Initialise(view);
    return ui::kIdCancel;
  }
  std::vector<std::string> names;
};

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
  RecordingRunner dialogs;
  FakeHelp help;
  FakeLauncher launcher;
  StillClock clock;
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
