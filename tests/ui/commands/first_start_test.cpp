// The start page shown while no plan is open: its choices, the sample plans it finds, and
// what choosing one does.
#include "ui/commands/first_start.h"

#include <filesystem>

#include "ui/shell/command_ids.h"
#include "ui/shell/folders.h"
#include "ui/shell_fixture.h"

namespace tarvel::ui {
namespace {

using test_support::ShellFixture;
using Kind = StartChoice::Kind;

class FirstStartTest : public ShellFixture {};

TEST_F(FirstStartTest, ShowsOnlyWhileNoPlanIsOpenAndNothingIsTyped) {
  EXPECT_TRUE(ShowsStartPage(state, *scenario));
  scenario->modified = true;
  EXPECT_FALSE(ShowsStartPage(state, *scenario));
  scenario->modified = false;
  state.scenario_loaded = true;
  EXPECT_FALSE(ShowsStartPage(state, *scenario));
}

TEST_F(FirstStartTest, OffersNewOpenEverySampleAndTheRecentPlansThatStillExist) {
  const std::string kept = folder.File(WriteScenarioFile("kept.ret"));
  program.recent_files = {folder.File("gone.ret"), kept};
  const StartPageContent content = StartPageChoices(
      program, {"/share/examples/couple-saving.ret", "/share/examples/my-own_plan.ret"});
  ASSERT_EQ(content.begin.size(), 3u);
  EXPECT_EQ(content.begin[0].caption, "New plan");
  EXPECT_EQ(content.begin[0].command, kNewAccountsByHand);
  EXPECT_EQ(content.begin[1].caption, "New from an account report");
  EXPECT_EQ(content.begin[1].command, kNewCommand);
  EXPECT_EQ(content.begin[2].caption, "Open a plan");
  EXPECT_EQ(content.begin[2].command, kOpenCommand);
  ASSERT_EQ(content.samples.size(), 2u);
  EXPECT_EQ(content.samples[0].caption, "A couple saving for retirement");
  EXPECT_FALSE(content.samples[0].detail.empty());
  EXPECT_EQ(content.samples[1].caption, "My own plan");
  EXPECT_EQ(content.samples[1].path, "/share/examples/my-own_plan.ret");
  ASSERT_EQ(content.recent.size(), 1u);
  EXPECT_EQ(content.recent[0].caption, "kept.ret");
  EXPECT_EQ(content.recent[0].path, kept);
  EXPECT_EQ(content.recent[0].command, kRecentFileCommands[1]);
}

TEST_F(FirstStartTest, SamplePlansComeFromTheFirstFolderThatHoldsAny) {
  std::filesystem::create_directories(folder.File("empty"));
  std::filesystem::create_directories(folder.File("installed"));
  std::filesystem::create_directories(folder.File("other"));
  for (const char* name :
       {"installed/b.ret", "installed/a.ret", "installed/notes.txt", "other/c.ret"}) {
    test_support::WriteText(folder.File(name), "x");
  }
  EXPECT_EQ(
      FindSamplePlans({folder.File("missing"), folder.File("empty"), folder.File("installed"),
                       folder.File("other")}),
      (std::vector<std::string>{folder.File("installed/a.ret"), folder.File("installed/b.ret")}));
  EXPECT_TRUE(FindSamplePlans({folder.File("missing")}).empty());
}

TEST_F(FirstStartTest, ChoosingASampleOpensItUnnamedAndRunsIt) {
  const std::string sample = folder.File(WriteScenarioFile("sample.ret", 3));
  StartPagePresenter presenter(*context, *dispatcher);
  presenter.Choose(StartPageChoices(program, {sample}).samples[0]);
  EXPECT_EQ(scenario->accounts.count, 3);
  EXPECT_EQ(view.title, "Retirement Planner - Untitled");
  EXPECT_TRUE(state.scenario_loaded);
  EXPECT_TRUE(view.Called("run"));
}

TEST_F(FirstStartTest, ChoosingOpenGoesThroughTheOpenCommand) {
  WriteScenarioFile("a.ret");
  prompter.open_choices = {"a.ret"};
  StartPagePresenter presenter(*context, *dispatcher);
  presenter.Choose(StartPageChoices(program, {}).begin[2]);
  EXPECT_EQ(prompter.open_dialogs.size(), 1u);
  EXPECT_EQ(view.title, "Retirement Planner - a.ret");
}

}  // namespace
}  // namespace tarvel::ui
