// A planner's claim on its open scenario file: seen by other openers, not by its owner, and
// kept across saves, which put a new file in the old one's place.

#include "model/scenario_file_claim.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/scenario_codec.h"
#include "model/scenario_file.h"
#include "support/scenario_builder.h"
#include "support/temp_folder.h"

namespace tarvel::model {
namespace {

class ScenarioFileClaimTest : public ::testing::Test {
 protected:
  ScenarioFileClaimTest() : scenario_(test_support::MakeClearedScenario()) {
    test_support::WriteAll(folder_.File("plan.ret"), EncodeScenario(*scenario_));
    program_.working_directory = folder_.path();
    program_.open_name = "plan.ret";
  }

  bool SeenByAnotherPlanner() const { return ClaimedElsewhere(folder_.File("plan.ret"), nullptr); }

  test_support::TempFolder folder_;
  Program program_;
  std::unique_ptr<Scenario> scenario_;
};

TEST_F(ScenarioFileClaimTest, ReadingClaimsTheFileForItsPlannerOnly) {
  EXPECT_FALSE(SeenByAnotherPlanner());
  ASSERT_TRUE(ReadScenario(program_, *scenario_).ok());
  EXPECT_TRUE(SeenByAnotherPlanner());
  EXPECT_FALSE(ClaimedElsewhere(folder_.File("plan.ret"), program_.scenario_claim.get()));
  // Opening the same file again keeps the claim rather than losing it to itself.
  Program again = program_;
  ASSERT_TRUE(ReadScenario(again, *scenario_).ok());
  program_ = again;
  EXPECT_TRUE(SeenByAnotherPlanner());
  program_ = Program{};
  again = Program{};
  EXPECT_FALSE(SeenByAnotherPlanner()) << "the claim ends with its program";
}

TEST_F(ScenarioFileClaimTest, ClaimFollowsTheFileThroughSaves) {
  ASSERT_TRUE(ReadScenario(program_, *scenario_).ok());
  for (int save = 0; save < 3; ++save) {
    scenario_->initial.start_age = static_cast<float>(40 + save);
    ASSERT_TRUE(WriteScenario(program_, *scenario_).ok());
    EXPECT_TRUE(SeenByAnotherPlanner()) << "after save " << save;
  }
  EXPECT_FALSE(ClaimedElsewhere(folder_.File("plan.ret.bak"), nullptr))
      << "the backup is nobody's open file";
}

TEST_F(ScenarioFileClaimTest, SecondOpenerGetsNoClaim) {
  ASSERT_TRUE(ReadScenario(program_, *scenario_).ok());
  Program other;
  other.working_directory = folder_.path();
  other.open_name = "plan.ret";
  auto other_scenario = test_support::MakeClearedScenario();
  ASSERT_TRUE(ReadScenario(other, *other_scenario).ok());
  EXPECT_EQ(other.scenario_claim, nullptr);
  EXPECT_TRUE(ClaimedElsewhere(folder_.File("plan.ret"), other.scenario_claim.get()));
}

}  // namespace
}  // namespace tarvel::model
