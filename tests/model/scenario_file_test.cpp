// Scenario files on disk: reading with its messages, safe writing, Save As with its
// overwrite question, the working file of a new scenario and the File menu flows.

#include "model/scenario_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <memory>

#include "model/scenario_codec.h"
#include "support/fake_prompter.h"
#include "support/scenario_builder.h"
#include "support/temp_folder.h"

namespace tarvel::model {
namespace {

using platform::Answer;
using test_support::FakePrompter;

class ScenarioFileTest : public ::testing::Test {
 protected:
  ScenarioFileTest() : scenario_(test_support::MakeClearedScenario()) {
    program_.working_directory = folder_.path();
  }

  void SaveFile(const std::string& name, int events) {
    auto saved = test_support::MakeClearedScenario();
    for (int e = 0; e < events; ++e) test_support::AddEvent(*saved, EventKind::Deposit, 40 + e);
    test_support::WriteAll(folder_.File(name), EncodeScenario(*saved));
  }

  test_support::TempFolder folder_;
  Program program_;
  std::unique_ptr<Scenario> scenario_;
  FakePrompter prompter_;
};

TEST_F(ScenarioFileTest, InvalidFileIsReportedAndNamedTmp01) {
  test_support::WriteAll(folder_.File("bad.ret"), std::vector<std::uint8_t>(79, 1));
  program_.open_name = "bad.ret";
  EXPECT_FALSE(ReadScenario(program_, *scenario_, prompter_));
  ASSERT_EQ(prompter_.messages.size(), 1u);
  const platform::Message& message = prompter_.messages[0];
  EXPECT_EQ(message.text, "bad.ret doesn't seem to be a valid Tarvel Financial Planner file.");
  EXPECT_EQ(message.caption, "FILE WARNING");
  EXPECT_EQ(message.icon, platform::Icon::Error);
  EXPECT_TRUE(message.system_modal);
  EXPECT_EQ(program_.open_name, "tmp01.ret");
  EXPECT_EQ(program_.save_name, "tmp01.ret");
}

TEST_F(ScenarioFileTest, MissingFileFailsQuietlyAndChangesNothing) {
  scenario_->initial.start_age = 45;
  program_.open_name = "absent.ret";
  EXPECT_FALSE(ReadScenario(program_, *scenario_, prompter_));
  EXPECT_TRUE(prompter_.messages.empty());
  EXPECT_EQ(scenario_->initial.start_age, 45.0f);
}

TEST_F(ScenarioFileTest, ReadTakesProgramStateAndWritesColoursFile) {
  auto saved = test_support::MakeClearedScenario();
  saved->window.margin_left = 500;
  saved->window.preference_16 = 7;
  saved->initial.birth_month = 4;
  saved->initial.purchasing_power = 1;
  test_support::WriteAll(folder_.File("a.ret"), EncodeScenario(*saved));
  program_.open_name = "a.ret";
  program_.save_name = "other.ret";
  program_.screen_dpi_x = 120;
  ASSERT_TRUE(ReadScenario(program_, *scenario_, prompter_));
  EXPECT_EQ(program_.save_name, "a.ret");
  EXPECT_EQ(program_.margins.left, 500);
  EXPECT_EQ(program_.margin_pixels.left, 60);
  EXPECT_EQ(program_.margin_pixels.right, 60);
  EXPECT_EQ(program_.margin_pixels.top, 96);
  EXPECT_EQ(program_.preference_16, 7);
  EXPECT_EQ(program_.birth_month, 4);
  EXPECT_TRUE(program_.show_purchasing_power);
  EXPECT_EQ(program_.colour_banding, 1);
  EXPECT_TRUE(std::filesystem::exists(folder_.File("colors.dat")));
}

TEST_F(ScenarioFileTest, WriteToAMissingSaveNameFailsWithCannotOpenFile) {
  program_.save_name = "never-created.ret";
  EXPECT_FALSE(WriteScenario(program_, *scenario_, prompter_));
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].text, "Cannot open file!");
  EXPECT_EQ(prompter_.messages[0].caption, "FILE ERROR");
  EXPECT_FALSE(std::filesystem::exists(folder_.File("never-created.ret")));
  EXPECT_TRUE(std::filesystem::exists(folder_.File("colors.dat")));
}

TEST_F(ScenarioFileTest, ShorterRewriteLeavesNoStaleTailAndReadsBack) {
  SaveFile("plan.ret", 10);
  program_.open_name = program_.save_name = "plan.ret";
  ASSERT_TRUE(ReadScenario(program_, *scenario_, prompter_));
  scenario_->initial.event_count = 3;
  scenario_->modified = true;
  ASSERT_TRUE(WriteScenario(program_, *scenario_, prompter_));
  EXPECT_FALSE(scenario_->modified);
  EXPECT_EQ(std::filesystem::file_size(folder_.File("plan.ret")), CompleteScenarioSize(3));
  auto back = std::make_unique<Scenario>();
  ASSERT_TRUE(ReadScenario(program_, *back, prompter_));
  EXPECT_EQ(back->initial.event_count, 3);
  EXPECT_EQ(EncodeScenario(*back), EncodeScenario(*scenario_));
}

// Makes every write beyond a few bytes fail, as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_handler_);
  }

 private:
  rlimit saved_{};
  void (*previous_handler_)(int) = nullptr;
};

TEST_F(ScenarioFileTest, FailedSaveKeepsTheOldFileWhole) {
  SaveFile("plan.ret", 2);
  const auto before = test_support::ReadAll(folder_.File("plan.ret"));
  program_.save_name = "plan.ret";
  scenario_->initial.event_count = 0;
  {
    FileSizeLimit limit(1000);
    EXPECT_FALSE(WriteScenario(program_, *scenario_, prompter_));
  }
  EXPECT_EQ(test_support::ReadAll(folder_.File("plan.ret")), before);
  ASSERT_FALSE(prompter_.messages.empty());
  EXPECT_EQ(prompter_.messages.back().text, "Cannot open file!");
  // No temporary file is left behind.
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
    files += entry.path().filename() != "colors.dat";
  }
  EXPECT_EQ(files, 1);
}

TEST_F(ScenarioFileTest, SaveAsAsksBeforeOverwritingAndNoKeepsTheFile) {
  SaveFile("taken.ret", 1);
  const auto before = test_support::ReadAll(folder_.File("taken.ret"));
  const std::string path = folder_.File("taken.ret");
  program_.open_name = program_.save_name = "mine.ret";
  prompter_.answers = {Answer::No};
  prompter_.save_choices = {path};
  const FileCommandOutcome outcome = SaveAsCommand(program_, *scenario_, prompter_);
  EXPECT_FALSE(outcome.completed);
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].text, path + " exits - Overwrite anyway?");
  EXPECT_EQ(prompter_.messages[0].caption, "FILE WARNING");
  EXPECT_EQ(prompter_.messages[0].buttons, platform::Buttons::YesNo);
  EXPECT_EQ(test_support::ReadAll(path), before);
  EXPECT_EQ(program_.open_name, "mine.ret");
  EXPECT_EQ(program_.save_name, "mine.ret");
  EXPECT_EQ(prompter_.save_dialogs[0].title, "Save Scenario With a New Name");

  prompter_.answers = {Answer::Yes};
  prompter_.save_choices = {path};
  scenario_->modified = true;
  const FileCommandOutcome yes = SaveAsCommand(program_, *scenario_, prompter_);
  EXPECT_TRUE(yes.completed);
  EXPECT_EQ(yes.title, "Retirement Planner - " + path);
  EXPECT_EQ(program_.save_name, path);
  EXPECT_FALSE(scenario_->modified);
  EXPECT_EQ(test_support::ReadAll(path), EncodeScenario(*scenario_));
}

TEST_F(ScenarioFileTest, SaveAsToANewNameCreatesItWithoutAsking) {
  const std::string path = folder_.File("fresh.ret");
  EXPECT_TRUE(SaveScenarioAs(program_, *scenario_, prompter_, path));
  EXPECT_TRUE(prompter_.messages.empty());
  EXPECT_EQ(std::filesystem::file_size(path), CompleteScenarioSize(0));

  EXPECT_FALSE(SaveScenarioAs(program_, *scenario_, prompter_, folder_.File("no/such/x.ret")));
  EXPECT_EQ(prompter_.messages.back().text, "Cannot open file!");
}

TEST_F(ScenarioFileTest, NewScenarioWritesAShortWorkingFileNamedByTheCounter) {
  program_.startup.counter = 3;
  scenario_->modified = true;
  const FileCommandOutcome outcome = NewScenarioByHand(program_, *scenario_, prompter_);
  ASSERT_TRUE(outcome.completed);
  EXPECT_EQ(program_.open_name, "./temp31.ret");
  EXPECT_EQ(program_.save_name, "./temp31.ret");
  EXPECT_EQ(outcome.title, "Retirement Planner - ./temp31.ret");
  EXPECT_EQ(std::filesystem::file_size(folder_.File("temp31.ret")), 80u + 4124u);
  EXPECT_FALSE(scenario_->modified);
  EXPECT_EQ(scenario_->settings.rmd_table_name[0].str(), "IRA 1");

  // The short file opens with the defaults of every later block.
  auto back = std::make_unique<Scenario>();
  ASSERT_TRUE(ReadScenario(program_, *back, prompter_));
  EXPECT_EQ(back->settings.penalty_age[0], 59.0f);
  EXPECT_EQ(program_.margins.right, 500);
}

TEST_F(ScenarioFileTest, SavePromptAsksOnlyWhenModifiedAndStopsWhenTheSaveFails) {
  EXPECT_FALSE(PromptSaveScenario(program_, *scenario_, prompter_).has_value());
  EXPECT_TRUE(prompter_.messages.empty());

  scenario_->modified = true;
  program_.save_name = "gone.ret";
  prompter_.answers = {Answer::Yes};
  EXPECT_EQ(PromptSaveScenario(program_, *scenario_, prompter_), Answer::Cancel);
  EXPECT_EQ(prompter_.messages[0].text, "Do you wish to save the file gone.ret?");
  EXPECT_EQ(prompter_.messages[0].caption, "Tarvel Retirement Planner");
  EXPECT_EQ(prompter_.messages[0].buttons, platform::Buttons::YesNoCancel);

  prompter_.answers = {Answer::No};
  EXPECT_EQ(PromptSaveScenario(program_, *scenario_, prompter_), Answer::No);
}

TEST_F(ScenarioFileTest, OpeningAFilePutsThePreviousNameOnTopOfTheRecentFiles) {
  SaveFile("b.ret", 2);
  program_.open_name = "a.ret";
  const FileCommandOutcome outcome =
      OpenNamedScenario(program_, *scenario_, prompter_, folder_.File("b.ret"));
  ASSERT_TRUE(outcome.completed);
  EXPECT_EQ(outcome.folder, 2);
  EXPECT_TRUE(outcome.run_scenario);
  EXPECT_EQ(program_.recent_files[0], "a.ret");
  EXPECT_EQ(program_.save_name, folder_.File("b.ret"));

  // Cancel at the save prompt stops a recent-file open.
  scenario_->modified = true;
  prompter_.answers = {Answer::Cancel};
  EXPECT_FALSE(OpenRecentFile(program_, *scenario_, prompter_, 0).completed);
  EXPECT_EQ(program_.save_name, folder_.File("b.ret"));
}

TEST_F(ScenarioFileTest, OpeningAnInvalidOrMissingFileSaysSo) {
  test_support::WriteAll(folder_.File("bad.ret"), std::vector<std::uint8_t>(100, 0));
  FileCommandOutcome outcome =
      OpenNamedScenario(program_, *scenario_, prompter_, folder_.File("bad.ret"));
  EXPECT_FALSE(outcome.completed);
  EXPECT_EQ(outcome.title, "Retirement Planner - tmp01.ret");
  EXPECT_EQ(outcome.folder, 0);

  program_.open_name = "kept.ret";
  outcome = OpenNamedScenario(program_, *scenario_, prompter_, folder_.File("none.ret"));
  EXPECT_EQ(outcome.title, "Retirement Planner");
  EXPECT_EQ(program_.open_name, "kept.ret");
  EXPECT_EQ(prompter_.messages.back().caption, "FILE ERROR");
}

}  // namespace
}  // namespace tarvel::model
