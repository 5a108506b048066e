// A shell over fakes for command tests: a scenario in a temporary working directory, the
// dispatcher with the file, help, link and keyword handlers, and scripted dialogs.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>

#include "model/scenario_file.h"
#include "support/fake_dialog_view.h"
#include "support/fake_help.h"
#include "support/fake_launcher.h"
#include "support/fake_prompter.h"
#include "support/fake_shell_view.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"
#include "ui/commands/file_commands.h"
#include "ui/commands/help_commands.h"
#include "ui/commands/keyword_commands.h"
#include "ui/commands/link_commands.h"
#include "ui/shell/dispatcher.h"

namespace tarvel::test_support {

// Plays a template dialog: Initialise, then the scripted control commands, then the result.
class FakeDialogRunner : public ui::DialogRunner {
 public:
  int RunModal(const ui::DialogTemplate& dialog, ui::DialogPresenter& presenter) override {
    titles.push_back(dialog.title);
    FakeDialogView view;
    presenter.Initialise(view);
    for (const auto& [control, group] : radio_choices) view.ChooseRadio(control, group);
    for (int control : presses) presenter.Command(view, control);
    return view.result.value_or(ui::kIdCancel);
  }
  std::vector<std::pair<int, std::vector<int>>> radio_choices;
  std::vector<int> presses;
  std::vector<std::string> titles;
};

class ShellFixture : public ::testing::Test {
 protected:
  ShellFixture() {
    program.working_directory = folder.path();
    program.open_name = "";
    context = std::make_unique<ui::CommandContext>(
        ui::CommandContext{program, *scenario, state, view, editors, prompter});
    dispatcher = std::make_unique<ui::Dispatcher>(*context);
    files = std::make_unique<ui::FileCommands>(*context, dialogs, help, clock);
    help_commands = std::make_unique<ui::HelpCommands>(view, state, help);
    links = std::make_unique<ui::LinkCommands>(
        *context, launcher, ui::LinkAddresses{"mailto:someone@example.org", "file:///manual"});
    keywords = std::make_unique<ui::KeywordCommands>(*context);
    dispatcher->AddHandler(*files);
    dispatcher->AddHandler(*help_commands);
    dispatcher->AddHandler(*links);
    dispatcher->AddHandler(*keywords);
  }

  // Writes a scenario file with this many events into the working directory.
  std::string WriteScenarioFile(const std::string& name, int accounts = 0) {
    auto written = std::make_unique<model::Scenario>();
    written->accounts.count = static_cast<std::int16_t>(accounts);
    model::Program writer;
    writer.working_directory = folder.path();
    EXPECT_TRUE(model::SaveScenarioAs(writer, *written, name, model::Overwrite::Agreed).ok());
    return name;
  }

  TempFolder folder;
  model::Program program;
  std::unique_ptr<model::Scenario> scenario = std::make_unique<model::Scenario>();
  ui::ShellState state;
  FakeShellView view;
  ui::EditorGuard editors;
  FakePrompter prompter;
  FakeDialogRunner dialogs;
  FakeHelp help;
  FakeLauncher launcher;
  FixedClock clock;
  std::unique_ptr<ui::CommandContext> context;
  std::unique_ptr<ui::Dispatcher> dispatcher;
  std::unique_ptr<ui::FileCommands> files;
  std::unique_ptr<ui::HelpCommands> help_commands;
  std::unique_ptr<ui::LinkCommands> links;
  std::unique_ptr<ui::KeywordCommands> keywords;
};

}  // namespace tarvel::test_support
