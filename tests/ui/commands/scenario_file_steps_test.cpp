// What the user is told about the scenario and accounts files, and the save prompt.
#include "ui/commands/scenario_file_steps.h"

#include <gtest/gtest.h>

#include <filesystem>
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
      {ScenarioFileMessage({FileProblem::CannotWrite, "x.ret"}, ScenarioFileRole::Named,
                           "Permission denied"),
       "Cannot save the plan to x.ret (Permission denied).\n\nUse Save As to save it in a folder "
       "you can write to.",
       "FILE ERROR", false},
      {ScenarioFileMessage({FileProblem::CannotCreate, "x.ret"}),
       "Cannot save the plan to x.ret.\n\nUse Save As to save it in a folder you can write to.",
       "FILE ERROR", false},
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
  program.save_name = "gone/plan.ret";
  prompter.answers = {platform::Answer::Yes};
  EXPECT_EQ(PromptSaveScenario(program, *scenario, prompter), platform::Answer::Cancel);
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[0].text, "Do you wish to save the file gone/plan.ret?");
  EXPECT_EQ(prompter.messages[0].caption, "Tarvel Retirement Planner");
  EXPECT_EQ(prompter.messages[0].buttons, platform::Buttons::YesNoCancel);
  EXPECT_EQ(prompter.messages[1].text,
            "Cannot save the plan to gone/plan.ret (No such file or directory).\n\nUse Save As "
            "to save it in a folder you can write to.");

  prompter.answers = {platform::Answer::No};
  EXPECT_EQ(PromptSaveScenario(program, *scenario, prompter), platform::Answer::No);
}

TEST(WindowTitle, CallsAScenarioTheUserHasNotNamedUntitled) {
  const struct {
    const char* name;
    const char* title;
  } cases[] = {
      {"", "Retirement Planner - Untitled"},
      {"tmp01.ret", "Retirement Planner - Untitled"},
      {"./temp01.ret", "Retirement Planner - Untitled"},
      {"./temp81.ret", "Retirement Planner - Untitled"},
      {"/home/ann/plans/temp01.ret", "Retirement Planner - /home/ann/plans/temp01.ret"},
      {"/home/ann/plans/ours.ret", "Retirement Planner - /home/ann/plans/ours.ret"},
  };
  for (const auto& c : cases) EXPECT_EQ(WindowTitle(c.name), c.title) << c.name;
}

// The save prompt of a scenario without a name of the user's: it names it "Untitled", and Yes
// asks for a name before anything is written.
class UnnamedSavePrompt : public ::testing::Test {
 protected:
  UnnamedSavePrompt() {
    program.working_directory = folder.path();
    scenario->modified = true;
    prompter.answers = {platform::Answer::Yes};
  }
  test_support::TempFolder folder;
  test_support::FakePrompter prompter;
  model::Program program;
  std::unique_ptr<model::Scenario> scenario = std::make_unique<model::Scenario>();
};

TEST_F(UnnamedSavePrompt, NamesNoWorkingFileAndYesSavesUnderTheChosenName) {
  for (const auto& [working, name] : {std::pair{"tmp01.ret", "a.ret"}, {"./temp01.ret", "b.ret"}}) {
    program.open_name = program.save_name = working;
    scenario->modified = true;
    prompter.answers = {platform::Answer::Yes};
    prompter.messages.clear();
    const std::string chosen = folder.File(name);
    prompter.save_choices = {chosen};
    EXPECT_EQ(PromptSaveScenario(program, *scenario, prompter), platform::Answer::Yes);
    ASSERT_EQ(prompter.messages.size(), 1u) << working;
    EXPECT_EQ(prompter.messages[0].text, "Do you wish to save the file Untitled?");
    EXPECT_TRUE(std::filesystem::exists(chosen)) << working;
    EXPECT_FALSE(std::filesystem::exists(folder.File(working))) << working;
    EXPECT_EQ(program.open_name, chosen);
    EXPECT_EQ(program.save_name, chosen);
    EXPECT_EQ(program.recent_files[0], chosen);
    EXPECT_FALSE(scenario->modified);
  }
}

TEST_F(UnnamedSavePrompt, NoNameGivenCancelsTheCommandThatAsked) {
  EXPECT_EQ(PromptSaveScenario(program, *scenario, prompter), platform::Answer::Cancel);
  EXPECT_EQ(prompter.save_dialogs.size(), 1u);
  EXPECT_EQ(prompter.save_dialogs[0].title, "Save Scenario With a New Name");
  EXPECT_TRUE(scenario->modified);
  EXPECT_EQ(program.save_name, "tmp01.ret");
}

}  // namespace
}  // namespace tarvel::ui
