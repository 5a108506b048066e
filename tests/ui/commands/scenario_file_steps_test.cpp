// What the user is told about the scenario and accounts files, and the save prompt.
#include "ui/commands/scenario_file_steps.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/fake_prompter.h"
#include "support/temp_folder.h"

namespace tarvel::ui {
namespace {

using model::FileProblem;
using model::FileResult;

TEST(FileMessages, EachProblemGivesTheTextCaptionAndIconUsersKnow) {
  const struct {
    std::optional<platform::Message> message;
    const char* text;  // nullptr: no message
    const char* caption;
    bool system_modal;
  } cases[] = {
      {ScenarioFileMessage({FileProblem::Invalid, "bad.ret"}),
       "bad.ret doesn't seem to be a valid Tarvel Financial Planner file.", "FILE WARNING", true},
      {ScenarioFileMessage({FileProblem::CannotOpen, "x.ret"}), "Cannot open x.ret", "FILE ERROR",
       false},
      {ScenarioFileMessage({FileProblem::CannotWrite, "x.ret"}), "Cannot open file!", "FILE ERROR",
       false},
      {ScenarioFileMessage({FileProblem::CannotCreate, "x.ret"}), "Cannot open file!", "FILE ERROR",
       false},
      {ScenarioFileMessage({FileProblem::CannotCreate, "./temp01.ret"}, ScenarioFileRole::Working),
       "Cannot open temporary file!", "FILE ERROR", false},
      {ScenarioFileMessage({FileProblem::CannotWrite, "./temp01.ret"}, ScenarioFileRole::Working),
       "Cannot open temporary file!", "FILE ERROR", false},
      {ScenarioFileMessage({FileProblem::CannotOpen, "./temp01.ret"}, ScenarioFileRole::Working),
       "Cannot open ./temp01.ret", "FILE ERROR", false},
      {AccountsFileMessage({FileProblem::CannotWrite, "a.acc"}, true),
       "Cannot write a.acc accounts file!", "Write Error", false},
      {AccountsFileMessage({FileProblem::CannotOpen, "a.acc"}, false),
       "Cannot read a.acc accounts file!", "Read Error", false},
      {AccountsFileMessage({FileProblem::Invalid, "a.acc"}, false),
       "Cannot read a.acc accounts file!", "Read Error", false},
      {ScenarioFileMessage({}), nullptr, "", false},
      {ScenarioFileMessage({FileProblem::Exists, "x.ret"}), nullptr, "", false},
      {AccountsFileMessage({FileProblem::Exists, "a.acc"}, true), nullptr, "", false},
  };
  for (const auto& c : cases) {
    if (c.text == nullptr) {
      EXPECT_FALSE(c.message.has_value());
      continue;
    }
    ASSERT_TRUE(c.message.has_value()) << c.text;
    EXPECT_EQ(c.message->text, c.text);
    EXPECT_EQ(c.message->caption, c.caption) << c.text;
    EXPECT_EQ(c.message->icon, platform::Icon::Error) << c.text;
    EXPECT_EQ(c.message->system_modal, c.system_modal) << c.text;
  }
}

TEST(PromptSaveScenario, AsksOnlyWhenModifiedAndStopsWhenTheSaveFails) {
  test_support::TempFolder folder;
  test_support::FakePrompter prompter;
  model::Program program;
  program.working_directory = folder.path();
  auto scenario = std::make_unique<model::Scenario>();
  EXPECT_FALSE(PromptSaveScenario(program, *scenario, prompter).has_value());
  EXPECT_TRUE(prompter.messages.empty());

  scenario->modified = true;
  program.save_name = "gone.ret";
  prompter.answers = {platform::Answer::Yes};
  EXPECT_EQ(PromptSaveScenario(program, *scenario, prompter), platform::Answer::Cancel);
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[0].text, "Do you wish to save the file gone.ret?");
  EXPECT_EQ(prompter.messages[0].caption, "Tarvel Retirement Planner");
  EXPECT_EQ(prompter.messages[0].buttons, platform::Buttons::YesNoCancel);
  EXPECT_EQ(prompter.messages[1].text, "Cannot open file!");

  prompter.answers = {platform::Answer::No};
  EXPECT_EQ(PromptSaveScenario(program, *scenario, prompter), platform::Answer::No);
}

}  // namespace
}  // namespace tarvel::ui
