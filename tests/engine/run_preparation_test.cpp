// Preparing a run around the event listing: opening a file and running it, again and again,
// always lists the events in kind order with the RMD entries first.
#include <gtest/gtest.h>

#include "engine/run_scenario.h"
#include "engine/run_write_back.h"
#include "engine_test_support.h"
#include "model/event_listing.h"
#include "model/program.h"
#include "model/scenario_codec.h"
#include "model/scenario_file.h"
#include "support/fake_prompter.h"
#include "support/temp_folder.h"

namespace tarvel::engine_test {
namespace {

using model::AccountType;
using model::EventKind;

// Tables 1 to 3 each have an account; the file keeps table 3's entry between other events,
// table 1's at the end and none for table 2.
std::unique_ptr<model::Scenario> PlanWithRmdTables() {
  auto scenario = MakeScenario(60, 75);
  model::ApplyNewScenarioDefaults(*scenario);
  scenario->settings.rmd_start_age[2] = 71;
  for (int table = 1; table <= 3; ++table) {
    const int position =
        AddAccount(*scenario, AccountType::Retirement, 1000, 0, "IRA " + std::to_string(table));
    scenario->settings.rmd_table[position] = static_cast<std::uint16_t>(10 * table);
  }
  model::RecomputeInitialTotals(*scenario);
  test_support::AddEvent(*scenario, EventKind::Withdrawal, 65, 70).amount = 100;
  auto& third = test_support::AddEvent(*scenario, EventKind::RmdLine, 71, 120);
  third.word_22 = 3;
  third.description.assign("IRA 3-RMD using Table 3.");
  test_support::AddEvent(*scenario, EventKind::Deposit, 60, 70).amount = 100;
  auto& first = test_support::AddEvent(*scenario, EventKind::RmdLine, 70, 120);
  first.word_22 = 1;
  first.description.assign("IRA 1-RMD using Table 1.");
  return scenario;
}

std::vector<std::string> Listing(const model::Scenario& scenario) {
  std::vector<std::string> texts;
  for (const auto& line : model::DescribeEvents(scenario, model::Currency{})) {
    texts.push_back(line.text);
  }
  return texts;
}

// The listing at the top of a results file: every line before the first separator.
std::vector<std::string> FileListing(const std::filesystem::path& path) {
  std::vector<std::string> lines = ReadLines(path);
  const auto end = std::find_if(lines.begin(), lines.end(),
                                [](const std::string& l) { return l.rfind("---", 0) == 0; });
  return {lines.begin(), end};
}

TEST(RunPreparation, ListingIsTheSameAfterEveryOpenAndEveryRun) {
  test_support::TempFolder folder;
  test_support::WriteAll(folder.File("plan.ret"), model::EncodeScenario(*PlanWithRmdTables()));
  model::Program program;
  program.working_directory = folder.path();
  auto opened_scenario = std::make_unique<model::Scenario>();
  model::Scenario& scenario = *opened_scenario;
  TestClock clock;
  // As the shell opens a file: read it, run it, rebuild the event list.
  auto open_and_list = [&] {
    program.open_name = "plan.ret";
    EXPECT_TRUE(model::ReadScenario(program, scenario).ok());
    const auto run = MakeRun(clock);
    EXPECT_TRUE(engine::RunScenario(scenario, *run));
    engine::WriteBackRunFields(*run, scenario);
    return Listing(scenario);
  };

  const std::vector<std::string> opened = open_and_list();
  ASSERT_EQ(opened.size(), 1u + 3 * 3 + 2);  // first line, three lines per RMD entry, two events
  EXPECT_EQ(opened[1], " 70.0 IRA 1-RMD using Table 1.");
  EXPECT_EQ(opened[4], " 70.0 IRA 2-RMD using Table 2.");
  EXPECT_EQ(opened[7], " 71.0 IRA 3-RMD using Table 3.");
  for (int pass = 0; pass < 2; ++pass) {
    auto run = MakeRun(clock);
    run->options.mode = engine::OutputMode::ResultsFile;
    run->options.saving = true;
    run->options.output_file = folder.File("plan.sch");
    ASSERT_TRUE(engine::RunScenario(scenario, *run));
    engine::WriteBackRunFields(*run, scenario);
    EXPECT_EQ(FileListing(folder.File("plan.sch")), opened) << "results file, run " << pass;
    EXPECT_EQ(Listing(scenario), opened) << "event list, run " << pass;
  }
  EXPECT_EQ(open_and_list(), opened);
}

}  // namespace
}  // namespace tarvel::engine_test
