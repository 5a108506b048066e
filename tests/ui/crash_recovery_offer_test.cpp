// Crash recovery: a copy left by a crash is offered back at start; one removed by a save or
// a clean exit is not; Yes opens it as modified, No keeps it aside.

#include "ui/commands/crash_recovery_offer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "model/scenario_codec.h"
#include "model/scenario_file.h"
#include "support/fake_prompter.h"
#include "support/scenario_builder.h"
#include "support/temp_folder.h"

namespace tarvel::ui {
namespace {

namespace fs = std::filesystem;

enum class Ending { Crash, Save, CleanExit };

struct RecoveryCase {
  const char* name;
  Ending ending;
  platform::Answer answer;
  bool offered;
  bool recovered;
};

class CrashRecoveryTest : public ::testing::TestWithParam<RecoveryCase> {};

TEST_P(CrashRecoveryTest, CopyIsOfferedOnlyAfterACrash) {
  const RecoveryCase& c = GetParam();
  test_support::TempFolder folder;
  model::Program program;
  program.working_directory = folder.path();
  program.open_name = program.save_name = "plan.ret";
  auto scenario = test_support::MakeClearedScenario();
  test_support::WriteAll(folder.File("plan.ret"), model::EncodeScenario(*scenario));
  // The saved file is older than the edits made after it.
  fs::last_write_time(folder.File("plan.ret"),
                      fs::file_time_type::clock::now() - std::chrono::minutes(10));

  scenario->initial.start_age = 47;
  scenario->modified = true;
  ASSERT_TRUE(model::WriteRecoveryFile(program, *scenario));
  if (c.ending == Ending::Save) {
    ASSERT_TRUE(model::WriteScenario(program, *scenario).ok());
  }
  if (c.ending == Ending::CleanExit) model::RemoveRecoveryFile(folder.path());

  // The next start: a fresh program and an empty scenario.
  model::Program next;
  next.working_directory = folder.path();
  auto started = test_support::MakeClearedScenario();
  test_support::FakePrompter prompter;
  prompter.answers = {c.answer};
  const bool recovered = OfferRecovery(next, *started, prompter);

  EXPECT_EQ(recovered, c.recovered);
  ASSERT_EQ(prompter.messages.size(), c.offered ? 1u : 0u);
  if (c.offered) {
    EXPECT_EQ(prompter.messages[0].text.rfind("Recover unsaved changes to plan.ret from ", 0), 0u)
        << prompter.messages[0].text;
    EXPECT_EQ(prompter.messages[0].buttons, platform::Buttons::YesNo);
  }
  if (c.recovered) {
    EXPECT_EQ(started->initial.start_age, 47.0f);
    EXPECT_TRUE(started->modified);
    EXPECT_EQ(next.open_name, "plan.ret");
    EXPECT_EQ(next.save_name, "plan.ret");
  }
  // A refused copy is kept aside under its time and not offered again.
  bool kept_aside = false;
  for (const auto& entry : fs::directory_iterator(folder.path())) {
    const std::string name = entry.path().filename().string();
    kept_aside |= name.rfind("recovery-", 0) == 0 && entry.path().extension() == ".ret";
  }
  EXPECT_EQ(kept_aside, c.offered && !c.recovered);
  if (c.offered && !c.recovered) {
    test_support::FakePrompter again;
    EXPECT_FALSE(OfferRecovery(next, *started, again));
    EXPECT_TRUE(again.messages.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CrashRecoveryTest,
    ::testing::Values(
        RecoveryCase{"CrashThenYes", Ending::Crash, platform::Answer::Yes, true, true},
        RecoveryCase{"CrashThenNo", Ending::Crash, platform::Answer::No, true, false},
        RecoveryCase{"SavedBeforeExit", Ending::Save, platform::Answer::Yes, false, false},
        RecoveryCase{"CleanExit", Ending::CleanExit, platform::Answer::Yes, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvel::ui
