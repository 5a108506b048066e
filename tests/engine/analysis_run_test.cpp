// The text-free analysis run: the same yearly results, balances, purchasing power, red flags and
// rate statistics as a run that writes its schedule, and not one line or file of its own.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_test_support.h"
#include "engine/run_scenario.h"
#include "engine/scenario_files.h"
#include "model/record_counts.h"

namespace tarvel::engine_test {
namespace {

using engine::GroupRateStatistics;
using engine::OutputMode;
using engine::RedFlag;
using engine::RedFlags;
using engine::RunOptions;
using engine::RunScenario;
using engine::ScheduleOutput;

struct OptionSet {
  const char* name;
  bool detailed;
  bool show_accounts;
  bool random_accounts;
  bool random_groups;
};

constexpr OptionSet kOptionSets[] = {
    {"plain", false, false, false, false},
    {"detailed with accounts", true, true, false, false},
    {"random account rates", true, false, true, false},
    {"random group rates", true, false, false, true},
};

void Apply(const OptionSet& set, RunOptions& options) {
  options.detailed = set.detailed;
  options.show_accounts = set.show_accounts;
  options.random_accounts = set.random_accounts;
  options.random_groups = set.random_groups;
  options.random_seed = 7;
}

// Bit for bit, so a NaN or a negative zero counts too.
template <typename T>
bool SameBits(const std::vector<T>& a, const std::vector<T>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0;
}

std::string FlagsText(const RedFlags& f) {
  std::string text;
  for (const RedFlag* flag : {&f.penalty_paid, &f.liquid_depleted, &f.withdrawal_account_depleted,
                              &f.rmd_depleted, &f.transfers_not_completed, &f.net_worth_negative}) {
    text += flag->set ? std::to_string(flag->age) + " " : "- ";
  }
  return text + std::to_string(f.transfers_not_completed_count);
}

std::vector<float> RateStatistics(const model::Scenario& scenario, const engine::Run& run) {
  std::vector<float> values;
  for (int i = 0; i < model::AccountCount(scenario); ++i) {
    const auto& account = scenario.accounts.records[i];
    values.insert(values.end(), {account.drawn_rate_sum, account.smallest_drawn_rate,
                                 account.largest_drawn_rate});
  }
  values.insert(values.end(), scenario.settings.drawn_rate_count.begin(),
                scenario.settings.drawn_rate_count.end());
  for (const GroupRateStatistics& group : run.group_statistics) {
    values.insert(values.end(), {static_cast<float>(group.count), group.sum, group.min, group.max});
  }
  return values;
}

TEST(AnalysisRun, KeepsEveryResultOfTheScheduleRun) {
  const TestClock clock;
  const auto files = ScenarioFiles();
  ASSERT_GE(files.size(), 10u);
  for (const auto& path : files) {
    const auto stored = LoadJson(path);
    ASSERT_NE(stored, nullptr) << path;
    for (const OptionSet& set : kOptionSets) {
      SCOPED_TRACE(path.stem().string() + ", " + set.name);
      auto schedule_scenario = std::make_unique<model::Scenario>(*stored);
      auto schedule = MakeRun(clock);
      Apply(set, schedule->options);
      ASSERT_TRUE(RunScenario(*schedule_scenario, *schedule));
      ASSERT_FALSE(Lines(*schedule).empty());

      auto analysis_scenario = std::make_unique<model::Scenario>(*stored);
      auto analysis = MakeRun(clock);
      Apply(set, analysis->options);
      analysis->options.analysis = true;
      ASSERT_TRUE(RunScenario(*analysis_scenario, *analysis));

      EXPECT_FALSE(analysis->periods.empty());
      EXPECT_TRUE(SameBits(schedule->periods, analysis->periods)) << "yearly results";
      EXPECT_TRUE(SameBits(schedule->balance_rows, analysis->balance_rows)) << "balance rows";
      EXPECT_TRUE(SameBits(schedule->purchasing_power, analysis->purchasing_power))
          << "purchasing power";
      EXPECT_EQ(FlagsText(schedule->red_flags), FlagsText(analysis->red_flags));
      EXPECT_TRUE(SameBits(RateStatistics(*schedule_scenario, *schedule),
                           RateStatistics(*analysis_scenario, *analysis)))
          << "rate statistics";
    }
  }
}

// Counts every call the run makes on its output.
class CountingOutput : public ScheduleOutput {
 public:
  int calls = 0;
  void Begin(OutputMode, std::FILE*, float) override { ++calls; }
  void Emit(std::string_view, int) override { ++calls; }
  void WriteListingLine(std::string_view) override { ++calls; }
  void set_current_age(float) override { ++calls; }
  void set_suppress_detail(bool) override { ++calls; }
};

TEST(AnalysisRun, CallsNoOutputAndWritesNoFile) {
  const TestClock clock;
  const auto workdir = MakeWorkdir("analysis");
  const auto stored =
      LoadJson(std::filesystem::path(TARVEL_SOURCE_DATA_DIR) / "examples" / "couple-saving.json");
  ASSERT_NE(stored, nullptr);
  auto scenario = std::make_unique<model::Scenario>(*stored);
  CountingOutput output;
  engine::Run run;
  run.clock = &clock;
  run.sink.Use(&output);
  // Every option that would otherwise write a line or a file.
  run.options.analysis = true;
  run.options.mode = OutputMode::ResultsFile;
  run.options.output_file = workdir / "results.sch";
  run.options.workdir = workdir;
  run.options.write_run_files = true;
  run.options.detailed = true;
  run.options.show_accounts = true;
  run.options.random_accounts = true;
  run.options.export_separator = ',';
  run.options.export_file = workdir / "export.csv";

  ASSERT_TRUE(RunScenario(*scenario, run));

  EXPECT_FALSE(run.periods.empty());
  EXPECT_EQ(output.calls, 0);
  EXPECT_TRUE(std::filesystem::is_empty(workdir));
  std::filesystem::remove_all(workdir);
}

}  // namespace
}  // namespace tarvel::engine_test
