// The File menu's flows with scripted answers: New by hand, Open, recent files, Save, Save As,
// the accounts files.
#include "ui/commands/file_commands.h"

#include <filesystem>

#include "model/planner_options_file.h"
#include "model/scenario_codec.h"
#include "ui/commands/new_accounts_chooser.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/folders.h"
#include "ui/shell_fixture.h"

namespace tarvel::ui {
namespace {

using test_support::ShellFixture;

class FileCommandsTest : public ShellFixture {};

TEST_F(FileCommandsTest, OpenReadsTheChosenFileAndRunsIt) {
  WriteScenarioFile("a.ret");
  prompter.open_choices = {"a.ret"};
  EXPECT_EQ(dispatcher->DispatchCommand(2), DispatchResult::Done);
  ASSERT_EQ(prompter.open_dialogs.size(), 1u);
  EXPECT_EQ(prompter.open_dialogs[0].title, "Open a Scenario");
  EXPECT_EQ(prompter.open_dialogs[0].filters[0].label, "Scenario Files (*.RET)");
  EXPECT_EQ(prompter.open_dialogs[0].default_extension, "ret");
  EXPECT_EQ(view.title, "Retirement Planner - a.ret");
  EXPECT_EQ(program.open_name, "a.ret");
  EXPECT_TRUE(view.Called("run"));
  EXPECT_TRUE(view.Called("event list"));
  EXPECT_TRUE(view.commands_enabled);
}

TEST_F(FileCommandsTest, OpenedFileGoesFirstInTheRecentListAheadOfThePreviousOneOnce) {
  WriteScenarioFile("a.ret");
  WriteScenarioFile("b.ret");
  prompter.open_choices = {"a.ret", "b.ret", "a.ret"};
  dispatcher->DispatchCommand(2);
  dispatcher->DispatchCommand(2);
  EXPECT_EQ(program.recent_files[0], "b.ret");
  EXPECT_EQ(program.recent_files[1], "a.ret");
  program.recent_files[2] = "A.RET";  // the same file in other letters
  dispatcher->DispatchCommand(2);
  EXPECT_EQ(program.recent_files[0], "a.ret");
  EXPECT_EQ(program.recent_files[1], "b.ret");
  EXPECT_EQ(program.recent_files[2], "");
  EXPECT_TRUE(view.Called("recent menu"));
}

TEST_F(FileCommandsTest, RecentFileItemOpensItsEntry) {
  WriteScenarioFile("c.ret");
  program.recent_files[1] = "c.ret";
  EXPECT_EQ(dispatcher->DispatchCommand(603), DispatchResult::Done);
  EXPECT_EQ(view.title, "Retirement Planner - c.ret");
  EXPECT_EQ(program.recent_files[0], "c.ret");  // moved to the top
  // An empty entry does nothing.
  view.calls.clear();
  dispatcher->DispatchCommand(609);
  EXPECT_TRUE(view.calls.empty());
}

TEST_F(FileCommandsTest, ARefusedFileIsReportedAndKeepsTheOpenScenarioAsItWas) {
  test_support::WriteText(folder.File("bad.ret"), "too short");
  auto no_plan = std::make_unique<model::Scenario>();
  no_plan->initial.end_age = no_plan->initial.start_age;
  test_support::WriteAll(folder.File("ages.ret"), model::EncodeScenario(*no_plan));
  const struct {
    const char* chosen;
    const char* caption;
    const char* message;
  } cases[] = {
      {"bad.ret", "FILE WARNING",
       "bad.ret doesn't seem to be a valid Tarvel Financial Planner file."},
      {"missing.ret", "FILE ERROR", "Cannot open missing.ret"},
      {"ages.ret", "FILE WARNING",
       "ages.ret cannot be opened:\n\nThe end age is the same as the start age. Type an end age "
       "after 30."},
  };
  program.open_name = "mine.ret";
  program.save_name = "mine.ret";
  scenario->accounts.count = 3;
  scenario->modified = true;
  state.scenario_loaded = true;
  view.commands_enabled = true;
  for (const auto& c : cases) {
    prompter.messages.clear();
    view.statuses.clear();
    view.folders.clear();
    prompter.open_choices = {c.chosen};
    prompter.answers = {platform::Answer::No};
    dispatcher->DispatchCommand(2);
    // The unsaved changes are asked about first (and kept), then the file is refused.
    ASSERT_EQ(prompter.messages.size(), 2u) << c.chosen;
    EXPECT_EQ(prompter.messages[1].caption, c.caption);
    EXPECT_EQ(prompter.messages[1].text, c.message);
    ASSERT_EQ(view.statuses.size(), 1u);
    EXPECT_EQ(view.statuses[0],
              std::string(c.chosen) + " was not opened; the open scenario is unchanged.");
    EXPECT_EQ(scenario->accounts.count, 3);
    EXPECT_TRUE(scenario->modified);
    EXPECT_EQ(program.open_name, "mine.ret");
    EXPECT_EQ(program.save_name, "mine.ret");
    EXPECT_EQ(view.title, "");
    EXPECT_TRUE(view.folders.empty());
    EXPECT_TRUE(view.commands_enabled);
    EXPECT_FALSE(view.Called("run"));
  }
}

TEST_F(FileCommandsTest, AFileCutInsideABlockOpensWithOneWarningAndAnOlderLayoutSilently) {
  const std::uintmax_t complete = model::CompleteScenarioSize(0);
  const std::uintmax_t account_table_end = 80 + 4124;
  const struct {
    std::uintmax_t length;
    const char* warning;
  } cases[] = {
      {account_table_end, nullptr},
      {complete - 1398 * 153, nullptr},
      {complete - 700,
       "cut.ret ends inside its income and expense lists; default values were filled in for the "
       "income and expense lists."},
      {account_table_end + 100,
       "cut.ret ends inside its account groups; default values were filled in for the account "
       "groups, report headings, account settings, report fonts, page setup, budgets, dividend "
       "settings, allocation categories, asset allocations, mortgage equity accounts, colours, "
       "and income and expense lists."},
  };
  for (const auto& c : cases) {
    WriteScenarioFile("cut.ret", 1);
    std::filesystem::resize_file(folder.File("cut.ret"), c.length);
    prompter.messages.clear();
    view.calls.clear();
    prompter.open_choices = {"cut.ret"};
    dispatcher->DispatchCommand(2);
    EXPECT_EQ(program.open_name, "cut.ret") << c.length;
    EXPECT_TRUE(view.Called("run"));
    if (c.warning == nullptr) {
      EXPECT_TRUE(prompter.messages.empty()) << c.length;
      continue;
    }
    ASSERT_EQ(prompter.messages.size(), 1u) << c.length;
    EXPECT_EQ(prompter.messages[0].caption, "FILE WARNING");
    EXPECT_EQ(prompter.messages[0].icon, platform::Icon::Warning);
    EXPECT_EQ(prompter.messages[0].text, c.warning);
  }
}

TEST_F(FileCommandsTest, SaveAsWritesTheNewFileAndAddsItToTheRecentList) {
  prompter.save_choices = {"new.ret"};
  EXPECT_EQ(dispatcher->DispatchCommand(4), DispatchResult::Done);
  EXPECT_EQ(prompter.save_dialogs[0].title, "Save Scenario With a New Name");
  EXPECT_TRUE(std::filesystem::exists(folder.File("new.ret")));
  EXPECT_EQ(view.title, "Retirement Planner - new.ret");
  EXPECT_EQ(program.recent_files[0], "new.ret");
  EXPECT_TRUE(view.Called("run"));
  // Save then writes to the same file.
  scenario->modified = true;
  dispatcher->DispatchCommand(3);
  EXPECT_FALSE(scenario->modified);
}

TEST_F(FileCommandsTest, SaveAsOverAnExistingFileAsksFirstAndNoKeepsTheFile) {
  WriteScenarioFile("old.ret");
  const auto before = test_support::ReadAll(folder.File("old.ret"));
  program.open_name = program.save_name = "mine.ret";
  scenario->modified = true;
  prompter.save_choices = {"old.ret"};
  prompter.answers = {platform::Answer::No};
  dispatcher->DispatchCommand(kSaveAsCommand);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "old.ret exits - Overwrite anyway?");
  EXPECT_EQ(prompter.messages[0].caption, "FILE WARNING");
  EXPECT_EQ(prompter.messages[0].buttons, platform::Buttons::YesNo);
  EXPECT_EQ(test_support::ReadAll(folder.File("old.ret")), before);
  EXPECT_EQ(program.open_name, "mine.ret");
  EXPECT_EQ(program.save_name, "mine.ret");
  EXPECT_FALSE(view.Called("run"));

  prompter.save_choices = {"old.ret"};
  prompter.answers = {platform::Answer::Yes};
  dispatcher->DispatchCommand(kSaveAsCommand);
  EXPECT_EQ(view.title, "Retirement Planner - old.ret");
  EXPECT_EQ(program.save_name, "old.ret");
  EXPECT_FALSE(scenario->modified);
  EXPECT_EQ(test_support::ReadAll(folder.File("old.ret")), model::EncodeScenario(*scenario));
}

TEST_F(FileCommandsTest, CancelAtTheSavePromptStopsARecentFileOpen) {
  WriteScenarioFile("c.ret");
  program.recent_files[0] = "c.ret";
  program.open_name = program.save_name = "mine.ret";
  scenario->modified = true;
  prompter.answers = {platform::Answer::Cancel};
  EXPECT_EQ(dispatcher->DispatchCommand(kRecentFileCommands[0]), DispatchResult::Cancelled);
  EXPECT_EQ(program.open_name, "mine.ret");
  EXPECT_TRUE(scenario->modified);
  EXPECT_FALSE(view.Called("run"));
}

TEST_F(FileCommandsTest, NewByHandMakesAWorkingFileAndShowsTheAccounts) {
  dialogs.radio_choices = {
      {kByHandChoice, {kFromTabFileChoice, kFromCommaFileChoice, kByHandChoice}}};
  dialogs.presses = {kIdOk};
  program.startup.counter = 3;
  EXPECT_EQ(dispatcher->DispatchCommand(kNewCommand), DispatchResult::Done);
  EXPECT_EQ(dialogs.titles, std::vector<std::string>{"Create New Accounts"});
  EXPECT_EQ(program.open_name, "./temp31.ret");
  EXPECT_EQ(program.save_name, "./temp31.ret");
  EXPECT_EQ(view.title, "Retirement Planner - Untitled");
  EXPECT_EQ(std::filesystem::file_size(folder.File("temp31.ret")), 80u + 4124u);
  EXPECT_FALSE(scenario->modified);
  EXPECT_EQ(scenario->settings.rmd_table_name[0].str(), "IRA 1");
  EXPECT_EQ(view.folders.back(), kAccountsFolder);
  EXPECT_TRUE(view.Called("run"));
}

TEST_F(FileCommandsTest, NewByHandStartsFilledRmdTablesAtTheAgeForThePlannersBirthYear) {
  // The plan that was open tells the birth year when it uses the birthday (today is
  // 2024-06-15); New keeps the birth date and resets the start age.
  const struct {
    const char* label;
    float start_age;
    std::uint16_t use_birthday;
    int rmd_start_age;
    float first_divisor;
  } cases[] = {
      {"no birthday in use", 64.5f, 0, 73, 26.5f},
      {"born 1960", 64.5f, 1, 75, 24.6f},
      {"born 1955", 69.5f, 1, 73, 26.5f},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.label);
    scenario->initial.start_age = test.start_age;
    scenario->initial.use_birthday = test.use_birthday;
    scenario->initial.birth_month = 2;
    scenario->initial.birth_day = 1;
    dispatcher->DispatchCommand(kNewAccountsByHand);
    const model::AccountSettings& settings = scenario->settings;
    for (int table = 0; table < model::kRmdTables; ++table) {
      EXPECT_EQ(settings.rmd_start_age[table], test.rmd_start_age);
      EXPECT_FLOAT_EQ(settings.rmd_life_expectancy[table][0], test.first_divisor);
      EXPECT_GT(settings.rmd_life_expectancy[table][29], 0.0f);
    }
    EXPECT_EQ(scenario->settings.rmd_table_name[1].str(), "IRA 2");
    EXPECT_FALSE(scenario->modified);
  }
}

TEST_F(FileCommandsTest, AWorkingFileThatCannotBeMadeLeavesANewUntitledPlan) {
  program.working_directory = folder.File("gone");
  program.open_name = program.save_name = "/plans/old.ret";
  dialogs.radio_choices = {
      {kByHandChoice, {kFromTabFileChoice, kFromCommaFileChoice, kByHandChoice}}};
  dialogs.presses = {kIdOk};
  EXPECT_EQ(dispatcher->DispatchCommand(kNewCommand), DispatchResult::Done);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(view.title, "Retirement Planner - Untitled");
  EXPECT_EQ(program.save_name, "tmp01.ret");
  EXPECT_EQ(view.folders.back(), kAccountsFolder);
  EXPECT_TRUE(view.Called("run"));
}

TEST_F(FileCommandsTest, SaveOnAnUnnamedPlanAsksForANameAndWritesThere) {
  for (const char* working : {"tmp01.ret", "./temp01.ret"}) {
    program.open_name = program.save_name = working;
    scenario->accounts.count = 1;
    scenario->modified = true;
    prompter.save_dialogs.clear();
    prompter.save_choices = {folder.File("ours.ret")};
    prompter.answers = {platform::Answer::Yes};  // overwrite on the second round
    EXPECT_EQ(dispatcher->DispatchCommand(kSaveCommand), DispatchResult::Done);
    ASSERT_EQ(prompter.save_dialogs.size(), 1u) << working;
    EXPECT_EQ(prompter.save_dialogs[0].title, "Save Scenario With a New Name");
    EXPECT_EQ(prompter.save_dialogs[0].start_folder, program.working_directory);
    EXPECT_EQ(test_support::ReadAll(folder.File("ours.ret")), model::EncodeScenario(*scenario));
    EXPECT_FALSE(std::filesystem::exists(folder.File(working))) << working;
    EXPECT_EQ(view.title, "Retirement Planner - " + folder.File("ours.ret"));
    EXPECT_FALSE(scenario->modified);
    // Once the plan has a name, Save As starts in its folder.
    prompter.save_choices = {};
    dispatcher->DispatchCommand(kSaveAsCommand);
    ASSERT_EQ(prompter.save_dialogs.size(), 2u) << working;
    EXPECT_EQ(prompter.save_dialogs[1].start_folder, folder.path());
  }
  // Cancelling the dialog writes nothing and keeps the edits.
  program.open_name = program.save_name = "tmp01.ret";
  scenario->modified = true;
  dispatcher->DispatchCommand(kSaveCommand);
  EXPECT_TRUE(scenario->modified);
  EXPECT_FALSE(std::filesystem::exists(folder.File("tmp01.ret")));
}

TEST_F(FileCommandsTest, OpeningAFileAfterAnUnnamedPlanKeepsTheWorkingNameOutOfTheRecentList) {
  WriteScenarioFile("a.ret");
  for (const char* working : {"", "tmp01.ret", "./temp01.ret"}) {
    program.open_name = program.save_name = working;
    program.recent_files = {};
    prompter.open_choices = {"a.ret"};
    dispatcher->DispatchCommand(kOpenCommand);
    EXPECT_EQ(program.recent_files[0], "a.ret") << working;
    EXPECT_EQ(program.recent_files[1], "") << working;
  }
}

TEST_F(FileCommandsTest, ASampleOpensAsAnUnnamedPlanThatSaveAsksANameFor) {
  const std::string sample = folder.File(WriteScenarioFile("sample.ret", 2));
  EXPECT_TRUE(OpenSamplePlan(*context, sample).replaced_scenario);
  EXPECT_EQ(scenario->accounts.count, 2);
  EXPECT_EQ(view.title, "Retirement Planner - Untitled");
  EXPECT_TRUE(view.commands_enabled);
  EXPECT_EQ(view.folders.back(), kSummaryFolder);
  EXPECT_EQ(program.recent_files[0], "");
  const auto before = test_support::ReadAll(sample);
  scenario->modified = true;
  prompter.save_choices = {folder.File("mine.ret")};
  dispatcher->DispatchCommand(kSaveCommand);
  EXPECT_EQ(prompter.save_dialogs.size(), 1u);
  EXPECT_EQ(test_support::ReadAll(sample), before);
  EXPECT_TRUE(std::filesystem::exists(folder.File("mine.ret")));
}

TEST_F(FileCommandsTest, NewFromAFileIsNotAvailableYetAndChangesNothing) {
  scenario->accounts.count = 2;
  dialogs.presses = {kIdOk};  // the tab-delimited choice is the default
  dispatcher->DispatchCommand(1);
  EXPECT_EQ(view.statuses.back(), kNotAvailableStatus);
  EXPECT_EQ(scenario->accounts.count, 2);
  dialogs.presses = {kIdCancel};
  dispatcher->DispatchCommand(1);
  EXPECT_EQ(scenario->accounts.count, 2);
}

TEST_F(FileCommandsTest, NewNamesTheAllocationCategoriesWhenAllFiveAreEmpty) {
  dialogs.presses = {kIdCancel};
  dispatcher->DispatchCommand(1);
  EXPECT_EQ(scenario->categories.names[0].str(), "Large Cap");
  EXPECT_EQ(scenario->categories.names[4].str(), "Inter. Term Bond");
  EXPECT_EQ(scenario->categories.file_names[4].str(), "bond2.dat");

  for (auto& name : scenario->categories.names) name.assign("");
  scenario->categories.names[2].assign("Gold");
  dispatcher->DispatchCommand(1);
  EXPECT_EQ(scenario->categories.names[0].str(), "");  // one name set: all are kept
  EXPECT_EQ(scenario->categories.names[2].str(), "Gold");
}

TEST_F(FileCommandsTest, AccountsGoToAFileAndComeBack) {
  scenario->accounts.count = 2;
  prompter.save_choices = {folder.File("mine.acc")};
  dispatcher->DispatchCommand(8);
  EXPECT_EQ(prompter.save_dialogs[0].title, "Write Accounts");
  EXPECT_EQ(prompter.save_dialogs[0].filters[0].label, "Account Files (*.ACC)");
  scenario->accounts.count = 0;
  prompter.open_choices = {folder.File("mine.acc")};
  dispatcher->DispatchCommand(9);
  EXPECT_EQ(scenario->accounts.count, 2);
  EXPECT_TRUE(scenario->modified);
  EXPECT_TRUE(state.results_stale);
  EXPECT_EQ(view.folders.back(), kAccountsFolder);
}

TEST_F(FileCommandsTest, UnreadableAccountsFileIsReported) {
  prompter.open_choices = {folder.File("missing.acc")};
  dispatcher->DispatchCommand(9);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, "Read Error");
  EXPECT_TRUE(view.folders.empty());
}

TEST_F(FileCommandsTest, KeepBackupCopiesTogglesTheSettingItsFileAndTheNextSave) {
  const std::string options = folder.File(model::kPlannerOptionsFileName);
  const std::string backup = folder.File("plan.ret.bak");
  test_support::WriteText(options, "# mine\nwidth=3\n");
  prompter.save_choices = {"plan.ret"};
  ASSERT_EQ(dispatcher->DispatchCommand(kSaveAsCommand), DispatchResult::Done);
  ASSERT_TRUE(program.keep_backups);

  EXPECT_EQ(dispatcher->DispatchCommand(kKeepBackupsCommand), DispatchResult::Done);
  EXPECT_FALSE(program.keep_backups);
  EXPECT_EQ(test_support::ReadText(options), "# mine\nwidth=3\nbackups=off\n");
  dispatcher->DispatchCommand(kSaveCommand);
  EXPECT_FALSE(std::filesystem::exists(backup));

  const auto saved = test_support::ReadAll(folder.File("plan.ret"));
  EXPECT_EQ(dispatcher->DispatchCommand(kKeepBackupsCommand), DispatchResult::Done);
  EXPECT_TRUE(program.keep_backups);
  EXPECT_EQ(test_support::ReadText(options), "# mine\nwidth=3\nbackups=on\n");
  scenario->initial.start_age = 61;
  dispatcher->DispatchCommand(kSaveCommand);
  EXPECT_EQ(test_support::ReadAll(backup), saved);
  EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
}  // namespace tarvel::ui
