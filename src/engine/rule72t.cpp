// Rule 72T distributions: annuitization, amortization and minimum distribution from the
// life-expectancy tables, and the yearly amount the run stores in each Rule 72T transfer.
#include "engine/rule72t.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include "model/event_views.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"
#include "model/whole_age.h"

namespace tarvel::engine {
namespace {

std::uint16_t StoredAge(long long age) {
  return static_cast<std::uint16_t>(std::clamp<long long>(age, 0, 65535));
}

// B * i / (1 - (1 + i)^-L); B / L without interest.
double Amortization(double balance, double rate, double life_expectancy) {
  if (!(life_expectancy > 0)) return 0;
  const double i = rate * 0.01;
  if (i == 0) return balance / life_expectancy;
  if (!(1 + i > 0)) return 0;
  const double denominator = 1 - std::pow(1 + i, -life_expectancy);
  if (denominator == 0 || !std::isfinite(denominator)) return 0;
  return balance * i / denominator;
}

bool IsActiveRule72T(const model::FinancialEvent& event) {
  return event.kind == model::EventKind::Transfer && model::IsRule72T(event) &&
         !model::IsInactive(event);
}

float SourceBalance(const RunState& state, const model::FinancialEvent& event) {
  const int position = state.FindAccount(model::Rule72TTerms(event).from_account());
  return position >= 0 ? state.accounts[position].balance : 0.0f;
}

// The Rule 72T calculator asks for the balance of one account at one whole age.
void CaptureCalculatorBalance(Run& run, int age) {
  const RunOptions& options = run.options;
  if (options.rule72t_capture_account < 0 || age != options.rule72t_capture_age) return;
  const int position =
      run.state.FindAccount(static_cast<std::uint16_t>(options.rule72t_capture_account));
  if (position >= 0) run.rule72t_captured_balance = run.state.accounts[position].balance;
}

// The tables are read once per run, and only when a series needs them, unless the caller has
// read them for many runs; problems are kept for the caller to show.
void ReadRunLifeTables(Run& run) {
  std::shared_ptr<const LifeTablesRead> read = run.options.life_tables;
  if (!read) {
    std::vector<std::filesystem::path> folders = run.options.data_folders;
    if (folders.empty()) folders.push_back(run.options.workdir);
    read = std::make_shared<const LifeTablesRead>(ReadLifeTables(folders));
  }
  run.life_tables = std::shared_ptr<const LifeTables>(read, &read->tables);
  for (const LifeTableProblem& problem : read->problems) {
    run.problems.push_back(
        {problem.missing ? RunProblemKind::LifeTableMissing : RunProblemKind::LifeTableDamaged,
         problem.file, problem.text, {}});
  }
}

// The tables of the run; before the first shown year nothing has been read and every value is 0.
const LifeTables& RunLifeTables(const Run& run) {
  static const LifeTables kNotRead;
  return run.life_tables ? *run.life_tables : kNotRead;
}

// One transfer's year: the start year records the balance and the beneficiary's age; the
// minimum method is recomputed every year, the others keep their start year's amount.
void UpdateTransfer(Run& run, model::FinancialEvent& event, int age) {
  const model::Rule72TTerms terms(event);
  const int start = model::WholeAge(event.start_age);
  const float balance = SourceBalance(run.state, event);
  const int beneficiary_start_age = model::WholeAge(terms.beneficiary_age());
  if (start == age) {
    terms.source_balance() = balance;
    terms.beneficiary_age_now() = StoredAge(beneficiary_start_age);
  } else if (start < age && static_cast<float>(age) == run.shown_start_age) {
    // A series that began before the first shown year counts the age from its start.
    terms.beneficiary_age_now() =
        StoredAge(static_cast<long long>(beneficiary_start_age) + (age - start));
  }
  if (start > age || static_cast<float>(age) > event.end_age) return;
  const auto method = static_cast<Rule72TMethod>(terms.method());
  if (method == Rule72TMethod::Minimum) {
    terms.distribution() = Rule72TDistribution(
        RunLifeTables(run), run.current_age, terms.beneficiary_age_now(), balance,
        terms.yearly_rate_percent(), terms.life_table(), terms.method());
  } else if (start == age) {
    terms.distribution() = Rule72TDistribution(
        RunLifeTables(run), event.start_age, terms.beneficiary_age_now(), balance,
        terms.yearly_rate_percent(), terms.life_table(), terms.method());
  }
  terms.beneficiary_age_now() = StoredAge(static_cast<long long>(terms.beneficiary_age_now()) + 1);
}

}  // namespace

double AnnuityFactor(const LifeTables& tables, int age, double rate) {
  if (!(1 + rate * 0.01 > 0)) return 0;
  const double v = 1 / (1 + rate * 0.01);
  double discount = 1;
  double survival = 1;
  double factor = 0;
  for (int k = std::max(age, -1) + 1; k <= kLastMortalityAge; ++k) {
    discount *= v;
    survival *= 1 - tables.Mortality(k - 1);
    factor += discount * survival;
  }
  return factor;
}

double LifeExpectancy(const LifeTables& tables, int age, int beneficiary_age,
                      LifeExpectancySource source) {
  switch (source) {
    case LifeExpectancySource::SingleLife:
      return tables.SingleLife(age);
    case LifeExpectancySource::UniformLifetime:
      return tables.UniformLifetime(age);
    case LifeExpectancySource::JointLife:
      return tables.JointLife(age, beneficiary_age);
  }
  return 0;
}

Rule72TAmounts Rule72TResults(const LifeTables& tables, float age, float beneficiary_age,
                              float balance, float rate, LifeExpectancySource source) {
  const int whole_age = model::WholeAge(age);
  const double factor = AnnuityFactor(tables, whole_age, rate);
  const double life = LifeExpectancy(tables, whole_age, model::WholeAge(beneficiary_age), source);
  Rule72TAmounts amounts;
  amounts.annuitization = factor > 0 ? static_cast<float>(balance / factor) : 0.0f;
  amounts.amortization = static_cast<float>(Amortization(balance, rate, life));
  amounts.minimum = life > 0 ? static_cast<float>(balance / life) : 0.0f;
  return amounts;
}

float Rule72TDistribution(const LifeTables& tables, float age, float beneficiary_age, float balance,
                          float rate, std::uint16_t source, std::uint16_t method) {
  const Rule72TAmounts amounts = Rule72TResults(tables, age, beneficiary_age, balance, rate,
                                                static_cast<LifeExpectancySource>(source));
  switch (static_cast<Rule72TMethod>(method)) {
    case Rule72TMethod::Annuitization:
      return amounts.annuitization;
    case Rule72TMethod::Amortization:
      return amounts.amortization;
    case Rule72TMethod::Minimum:
      return amounts.minimum;
  }
  return 0;
}

void ComputeRule72TAmounts(Run& run) {
  const int age = model::WholeAge(run.current_age);
  CaptureCalculatorBalance(run, age);
  const int count = run.state.event_count;
  const bool any =
      std::any_of(run.state.events.begin(), run.state.events.begin() + count, IsActiveRule72T);
  if (!any) return;
  if (run.current_age == run.shown_start_age) ReadRunLifeTables(run);
  for (int i = 0; i < count; ++i) {
    if (IsActiveRule72T(run.state.events[i])) UpdateTransfer(run, run.state.events[i], age);
  }
}

}  // namespace tarvel::engine
