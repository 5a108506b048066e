// A run set up the way the driver sets it up, so the event tests can step years and events
// without the whole driver: the sink in list mode, the run rates and the inflation by age.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/event_step.h"
#include "engine/funding.h"
#include "engine/run.h"
#include "engine/scenario_in_run.h"
#include "model/money_format.h"
#include "results/schedule_run.h"
#include "support/scenario_builder.h"

namespace tarvel::test_support {

class EventYearTest : public ::testing::Test {
 protected:
  EventYearTest() { StartRun(60.0f); }

  // Starts a run at this (possibly fractional) start age with 15 % tax and 3 % inflation.
  void StartRun(float start_age) {
    scenario_->initial.start_age = start_age;
    run_.start_age = start_age;
    run_.shown_start_age = static_cast<float>(static_cast<int>(start_age));
    run_.end_age = scenario_->initial.end_age;
    run_.tax_rate = 15.0f;
    run_.inflation_rate = 3.0f;
    run_.options.currency = model::Currency::Dollars();
    run_.sink.Begin(engine::OutputMode::ResultsList, nullptr, run_.shown_start_age);
  }

  // One year at this whole age: its fraction and inflation recorded, the year totals
  // cleared, every event stepped in slot order.
  void Year(float age) {
    run_.current_age = age;
    run_.sink.set_current_age(age);
    run_.year_fraction =
        age == run_.shown_start_age ? 1.0f - (run_.start_age - run_.shown_start_age) : 1.0f;
    run_.inflation_by_age[static_cast<int>(age)] = run_.inflation_rate * run_.year_fraction;
    run_.year = engine::YearTotals{};
    OnScenario(*scenario_, run_, [&] {
      for (int slot = 0; slot < scenario_->initial.event_count; ++slot) {
        engine::EventStep(*scenario_, run_, slot);
      }
    });
  }

  void Years(float first, float last) {
    for (float age = first; age <= last; age += 1.0f) Year(age);
  }

  // Funding from the scenario's accounts as they stand.
  float Withdraw(double amount, int tag, engine::FundingReason reason, int position) {
    return OnScenario(*scenario_, run_, [&] {
      return engine::WithdrawFromAccount(*scenario_, run_, amount, tag, reason, position);
    });
  }
  void Fund(double amount, engine::FundingReason reason, int tag) {
    OnScenario(*scenario_, run_,
               [&] { engine::FundFromSavings(*scenario_, run_, amount, reason, tag); });
  }

  model::Account& AccountAt(int position) { return scenario_->accounts.records[position]; }

  void SetPenalty(int position, float age, float rate) {
    model::Account& account = AccountAt(position);
    account.penalty_flag = 1;
    scenario_->settings.penalty_age[account.slot] = age;
    scenario_->settings.penalty_rate[account.slot] = rate;
  }

  const results::ScheduleLines& Lines() const { return run_.results().lines; }
  bool HasLine(const std::string& line) const {
    return std::find(Lines().begin(), Lines().end(), line) != Lines().end();
  }
  std::string AllLines() const {
    std::string text;
    for (const std::string_view line : Lines()) text.append(line) += '\n';
    return text;
  }

  std::unique_ptr<model::Scenario> scenario_ = MakeClearedScenario();
  results::ScheduleRun run_;
};

}  // namespace tarvel::test_support
