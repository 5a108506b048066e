// Opening a scenario file another planner has open asks first; the answer decides.

#include "ui/commands/scenario_claim_check.h"

#include <gtest/gtest.h>

#include "model/scenario_codec.h"
#include "model/scenario_file_claim.h"
#include "support/fake_prompter.h"
#include "support/scenario_builder.h"
#include "support/temp_folder.h"

namespace tarvel::ui {
namespace {

TEST(ScenarioClaimCheck, AsksOnlyWhenAnotherPlannerHasTheFile) {
  struct Case {
    bool claimed_elsewhere;
    platform::Answer answer;
    bool asked;
    bool may_open;
  };
  for (const Case c : {Case{false, platform::Answer::No, false, true},
                       Case{true, platform::Answer::Yes, true, true},
                       Case{true, platform::Answer::No, true, false}}) {
    test_support::TempFolder folder;
    test_support::WriteAll(folder.File("plan.ret"),
                           model::EncodeScenario(*test_support::MakeClearedScenario()));
    auto other = c.claimed_elsewhere ? model::ScenarioFileClaim::Take(folder.File("plan.ret"))
                                     : nullptr;
    model::Program program;
    program.working_directory = folder.path();
    test_support::FakePrompter prompter;
    prompter.answers = {c.answer};
    EXPECT_EQ(MayOpenScenario(program, "plan.ret", prompter), c.may_open);
    ASSERT_EQ(prompter.messages.size(), c.asked ? 1u : 0u);
    if (c.asked) {
      EXPECT_EQ(prompter.messages[0].text,
                "plan.ret is open in another Tarvel Financial Planner. If both save it, one "
                "planner's changes will be lost. Open it anyway?");
      EXPECT_EQ(prompter.messages[0].buttons, platform::Buttons::YesNo);
    }
  }
}

}  // namespace
}  // namespace tarvel::ui
