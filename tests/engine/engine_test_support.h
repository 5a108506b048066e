// Helpers shared by the run and account-step tests: a fixed clock, scenarios on the heap
// with plain accounts, a run started at a given age and the schedule lines it produced.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/run.h"
#include "model/records.h"
#include "model/scenario_ops.h"
#include "results/schedule_run.h"
#include "support/scenario_builder.h"

namespace tarvel::engine_test {

class TestClock : public platform::Clock {
 public:
  explicit TestClock(platform::Date date = {2024, 3, 5}, platform::TimeOfDay time = {})
      : date_(date), time_(time) {}
  platform::Date Today() const override { return date_; }
  platform::TimeOfDay Now() const override { return time_; }

 private:
  platform::Date date_;
  platform::TimeOfDay time_;
};

// A cleared scenario from start to end age with no tax, no inflation and no dividends.
inline std::unique_ptr<model::Scenario> MakeScenario(float start_age = 30, float end_age = 84) {
  auto scenario = test_support::MakeClearedScenario();
  scenario->initial.start_age = start_age;
  scenario->initial.end_age = end_age;
  scenario->initial.inflation_rate = 0;
  scenario->initial.tax_rate = 0;
  scenario->initial.dividend_tax_rate = 0;
  scenario->initial.use_birthday = 0;
  scenario->initial.purchasing_power = 0;
  scenario->dividends.yearly_percent.fill(0);
  scenario->dividends.deposit_account.fill(-1);
  return scenario;
}

// Adds an account whose settings slot is its position.
inline int AddAccount(model::Scenario& scenario, model::AccountType type, float amount, float rate,
                      std::string_view name) {
  const int position = test_support::AddAccount(scenario, type, amount, rate, name);
  scenario.accounts.records[position].slot = static_cast<std::uint16_t>(position);
  return position;
}

// A run in memory (mode 0, no run files) with a fixed clock, keeping its results list.
inline std::unique_ptr<results::ScheduleRun> MakeRun(const platform::Clock& clock) {
  auto run = std::make_unique<results::ScheduleRun>();
  run->clock = &clock;
  run->options.write_run_files = false;
  return run;
}

inline const results::ScheduleLines& Lines(const results::ScheduleRun& run) {
  return run.results().lines;
}

inline bool HasLine(const results::ScheduleRun& run, const std::string& text) {
  const auto& lines = Lines(run);
  return std::find(lines.begin(), lines.end(), text) != lines.end();
}

inline int CountLines(const results::ScheduleRun& run, const std::string& text) {
  const auto& lines = Lines(run);
  return static_cast<int>(std::count(lines.begin(), lines.end(), text));
}

inline std::vector<std::string> ReadLines(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A fresh folder under the test's temporary directory.
inline std::filesystem::path MakeWorkdir(const std::string& name) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("tarvel_engine_" + name + "_" + std::to_string(::getpid()));
  std::filesystem::remove_all(path);
  std::filesystem::create_directories(path);
  return path;
}

}  // namespace tarvel::engine_test
