// Scenario files on disk: reading, safe writing, Save As with and without leave to
// overwrite, the working file of a new scenario, and the problems each reports.

#include "model/scenario_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <memory>

#include "model/scenario_codec.h"
#include "support/scenario_builder.h"
#include "support/temp_folder.h"

namespace tarvel::model {
namespace {

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
};

TEST_F(ScenarioFileTest, InvalidFileIsReportedByNameAndTheScenarioIsNamedTmp01) {
  test_support::WriteAll(folder_.File("bad.ret"), std::vector<std::uint8_t>(79, 1));
  program_.open_name = "bad.ret";
  const FileResult result = ReadScenario(program_, *scenario_);
  EXPECT_EQ(result.problem, FileProblem::Invalid);
  EXPECT_EQ(result.file, "bad.ret");
  EXPECT_EQ(program_.open_name, "tmp01.ret");
  EXPECT_EQ(program_.save_name, "tmp01.ret");
}

TEST_F(ScenarioFileTest, MissingFileChangesNothing) {
  scenario_->initial.start_age = 45;
  program_.open_name = "absent.ret";
  const FileResult result = ReadScenario(program_, *scenario_);
  EXPECT_EQ(result.problem, FileProblem::CannotOpen);
  EXPECT_EQ(result.file, "absent.ret");
  EXPECT_EQ(program_.open_name, "absent.ret");
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
  ASSERT_TRUE(ReadScenario(program_, *scenario_).ok());
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

TEST_F(ScenarioFileTest, WriteToAMissingSaveNameFailsAndStillWritesTheColours) {
  program_.save_name = "never-created.ret";
  const FileResult result = WriteScenario(program_, *scenario_);
  EXPECT_EQ(result.problem, FileProblem::CannotWrite);
  EXPECT_EQ(result.file, "never-created.ret");
  EXPECT_FALSE(std::filesystem::exists(folder_.File("never-created.ret")));
  EXPECT_TRUE(std::filesystem::exists(folder_.File("colors.dat")));
}

TEST_F(ScenarioFileTest, ShorterRewriteLeavesNoStaleTailAndReadsBack) {
  SaveFile("plan.ret", 10);
  program_.open_name = program_.save_name = "plan.ret";
  ASSERT_TRUE(ReadScenario(program_, *scenario_).ok());
  scenario_->initial.event_count = 3;
  scenario_->modified = true;
  ASSERT_TRUE(WriteScenario(program_, *scenario_).ok());
  EXPECT_FALSE(scenario_->modified);
  EXPECT_EQ(std::filesystem::file_size(folder_.File("plan.ret")), CompleteScenarioSize(3));
  auto back = std::make_unique<Scenario>();
  ASSERT_TRUE(ReadScenario(program_, *back).ok());
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
    EXPECT_EQ(WriteScenario(program_, *scenario_).problem, FileProblem::CannotWrite);
  }
  EXPECT_EQ(test_support::ReadAll(folder_.File("plan.ret")), before);
  // No temporary file is left behind; the backup holds the old file too.
  EXPECT_EQ(test_support::ReadAll(folder_.File("plan.ret.bak")), before);
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
    files += entry.path().filename() != "colors.dat" && entry.path().filename() != "plan.ret.bak";
  }
  EXPECT_EQ(files, 1);
}

TEST_F(ScenarioFileTest, SaveAsReplacesAnExistingFileOnlyWhenAgreed) {
  SaveFile("taken.ret", 1);
  const std::string taken = folder_.File("taken.ret");
  const auto before = test_support::ReadAll(taken);
  program_.save_name = "mine.ret";
  scenario_->modified = true;
  const FileResult refused = SaveScenarioAs(program_, *scenario_, taken, Overwrite::Ask);
  EXPECT_EQ(refused.problem, FileProblem::Exists);
  EXPECT_EQ(refused.file, taken);
  EXPECT_EQ(test_support::ReadAll(taken), before);
  EXPECT_EQ(program_.save_name, "mine.ret");
  EXPECT_TRUE(scenario_->modified);

  ASSERT_TRUE(SaveScenarioAs(program_, *scenario_, taken, Overwrite::Agreed).ok());
  EXPECT_EQ(program_.save_name, taken);
  EXPECT_FALSE(scenario_->modified);
  EXPECT_EQ(test_support::ReadAll(taken), EncodeScenario(*scenario_));
}

TEST_F(ScenarioFileTest, SaveAsToANewNameCreatesItAndAFolderThatIsNotThereFails) {
  const std::string path = folder_.File("fresh.ret");
  EXPECT_TRUE(SaveScenarioAs(program_, *scenario_, path, Overwrite::Ask).ok());
  EXPECT_EQ(std::filesystem::file_size(path), CompleteScenarioSize(0));

  const std::string nowhere = folder_.File("no/such/x.ret");
  const FileResult result = SaveScenarioAs(program_, *scenario_, nowhere, Overwrite::Agreed);
  EXPECT_EQ(result.problem, FileProblem::CannotCreate);
  EXPECT_EQ(result.file, nowhere);
  EXPECT_EQ(program_.save_name, path);
}

TEST_F(ScenarioFileTest, WorkingFileIsNamedByTheCounterAndHoldsTheFirstThreeBlocks) {
  program_.startup.counter = 3;
  ASSERT_TRUE(CreateWorkingFile(program_, *scenario_).ok());
  EXPECT_EQ(program_.open_name, "./temp31.ret");
  EXPECT_EQ(program_.save_name, "./temp31.ret");
  EXPECT_EQ(std::filesystem::file_size(folder_.File("temp31.ret")), 80u + 4124u);

  // The short file opens with the defaults of every later block.
  auto back = std::make_unique<Scenario>();
  ASSERT_TRUE(ReadScenario(program_, *back).ok());
  EXPECT_EQ(back->settings.penalty_age[0], 59.0f);
  EXPECT_EQ(program_.margins.right, 500);

  program_.working_directory = folder_.File("gone");
  const FileResult result = CreateWorkingFile(program_, *scenario_);
  EXPECT_EQ(result.problem, FileProblem::CannotCreate);
  EXPECT_EQ(result.file, "./temp31.ret");
}

}  // namespace
}  // namespace tarvel::model
