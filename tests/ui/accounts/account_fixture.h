// Editor services over fakes for the account dialogs, with a dialog runner that plays a
// script per dialog it opens.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/program.h"
#include "model/scenario_codec.h"
#include "support/fake_dialog_view.h"
#include "support/fake_help.h"
#include "support/fake_launcher.h"
#include "support/fake_prompter.h"
#include "support/fixed_clock.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "ui/editors/editor_services.h"

namespace tarvel::test_support {

struct AccountFixture {
  std::unique_ptr<model::Scenario> scenario = MakeClearedScenario();
  model::Program program;
  FakePrompter prompter;
  ScriptedDialogs dialogs;
  FakeHelp help;
  FakeLauncher launcher;
  FixedClock clock;
  ui::EditorServices services{*scenario, program, prompter, dialogs, help, launcher, clock};

  std::vector<std::uint8_t> Bytes() const { return model::EncodeScenario(*scenario); }
  // "text | caption" of every message shown so far.
  std::vector<std::string> Messages() const {
    std::vector<std::string> shown;
    for (const auto& message : prompter.messages)
      shown.push_back(message.text + " | " + message.caption);
    return shown;
  }
};

}  // namespace tarvel::test_support
