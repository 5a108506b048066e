// Random account and group rates: uniform, Gaussian-range and Gaussian-deviation draws, the
// group and account sources, the rate lines and the statistics behind "Rate Statistics:".
#include "engine/random_rates.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/line_text.h"
#include "engine/schedule_sink.h"
#include "model/money_format.h"
#include "model/record_counts.h"

namespace tarvel::engine {
namespace {

constexpr int kMaxFactor = 10;
constexpr double kStepTolerance = 0.005;  // in steps: above float rounding, far below one step

// The method of the scenario; an unknown method draws nothing.
bool KindOf(const model::Scenario& scenario, RandomKind& kind) {
  const std::uint16_t method = scenario.groups.random_method;
  if (method > 2) return false;
  kind = static_cast<RandomKind>(method);
  return true;
}

// The source, seeded at its first draw: a run seeds it once and never again.
RandomSource& Source(Run& run) {
  if (!run.random.source.seeded()) run.random.source.Seed(run.options.random_seed);
  return run.random.source;
}

double Widening(std::int16_t factor) { return 1.0 + 0.1 * std::clamp<int>(factor, 0, kMaxFactor); }

// The account's yearly standard deviation widened by the scenario's deviation factor.
float WidenedDeviation(const model::Scenario& scenario, const model::Account& account) {
  if (account.slot >= model::kMaxAccounts) return 0.0f;
  const float deviation = scenario.settings.standard_deviation[account.slot];
  if (!std::isfinite(deviation)) return 0.0f;
  return static_cast<float>(deviation * Widening(scenario.groups.deviation_factor));
}

float DrawDeviationFor(const model::Scenario& scenario, Run& run, const model::Account& account) {
  return DrawGaussianDeviationRate(Source(run), run.random.deviation_normal, account.rate,
                                   WidenedDeviation(scenario, account));
}

bool ValidGroup(const model::Account& account) { return account.group < model::kMaxGroups; }

// The first value counted sets both ends, so the range always holds the rates drawn, whatever
// the starting values.
void Count(float& count, float& sum, float& smallest, float& largest, float rate) {
  if (!(count > 0)) {
    smallest = rate;
    largest = rate;
  } else {
    smallest = std::min(smallest, rate);
    largest = std::max(largest, rate);
  }
  count += 1.0f;
  sum += rate;
}

void EmitRateLine(Run& run, const std::string& name, float rate) {
  run.sink.Emit([&] { return "      " + name + " rate=" + model::RateText(rate); },
                kAccountRatesTag);
}

}  // namespace

bool RandomSourceSet(const Run& run) {
  return run.options.random_accounts || run.options.random_groups;
}

float DrawUniformRate(RandomSource& source, float minimum, float maximum) {
  const float low = std::min(minimum, maximum);
  // The tolerance keeps a bound such as 2.05 (2.04999995 as a float) from losing a step.
  const double steps = std::trunc(std::fabs(100.0 * maximum - 100.0 * minimum) + kStepTolerance);
  if (!std::isfinite(steps)) return minimum;
  if (steps < 1.0) return minimum;
  // A range wider than the 31-bit source is cut to what it can reach.
  const auto count = static_cast<std::int64_t>(std::min(steps, 2147483647.0));
  const std::int64_t step = source.Next31() % count;
  return static_cast<float>(low + step * 0.01);
}

float DrawGaussianRangeRate(RandomSource& source, NormalCache& normal, float minimum, float maximum,
                            int range_factor) {
  double spread = std::fabs((static_cast<double>(maximum) - minimum) * 0.5 * 0.997 * (1.0 / 3.0));
  spread *= 1.0 + 0.1 * std::clamp(range_factor, 0, kMaxFactor);
  if (minimum == maximum) spread = 0;
  const double value = normal.Next(source);
  return static_cast<float>(value * spread + (static_cast<double>(minimum) + maximum) * 0.5);
}

float DrawGaussianDeviationRate(RandomSource& source, NormalCache& normal, float mean,
                                float deviation) {
  return static_cast<float>(mean + normal.Next(source) * deviation);
}

void ResetAccountRateStatistics(model::Scenario& scenario) {
  const int count = model::AccountCount(scenario);
  for (int i = 0; i < count; ++i) {
    model::Account& account = scenario.accounts.records[i];
    account.drawn_rate_sum = 0;
    account.smallest_drawn_rate = account.random_max_rate;
    account.largest_drawn_rate = account.random_min_rate;
    if (account.slot < model::kMaxAccounts) scenario.settings.drawn_rate_count[account.slot] = 0;
  }
}

void DrawGroupRates(const model::Scenario& scenario, Run& run) {
  RandomKind kind{};
  const bool known = KindOf(scenario, kind);
  const model::GroupTable& groups = scenario.groups;
  for (int g = 0; g < model::kMaxGroups; ++g) {
    run.group_rate_shown[g] = false;
    if (!known) continue;
    if (kind == RandomKind::GaussianRange) {
      run.group_drawn_rate[g] =
          DrawGaussianRangeRate(Source(run), run.random.range_normal, groups.random_min_rate[g],
                                groups.random_max_rate[g], groups.range_factor);
    } else if (kind == RandomKind::Uniform) {
      run.group_drawn_rate[g] =
          DrawUniformRate(Source(run), groups.random_min_rate[g], groups.random_max_rate[g]);
    }
  }
}

void AnnounceRandomSource(const model::Scenario& scenario, Run& run) {
  RandomKind kind{};
  if (!RandomSourceSet(run) || !KindOf(scenario, kind)) return;
  const char* source = run.options.random_accounts ? "account" : "group";
  const char* method = "Uniform";
  if (kind == RandomKind::GaussianRange) method = "Gaussian range distribution";
  if (kind == RandomKind::GaussianDeviation) method = "Gaussian Standard Distribution";
  run.sink.Emit([&] { return LineText("  %s random %s rates in effect.", method, source); }, -1);
}

float AccountRateForYear(const model::Scenario& scenario, Run& run, int position) {
  const model::Account& account = run.state.accounts[position];
  if (run.options.yearly_rates) {
    return run.options.yearly_rates->AccountRate(scenario, account, std::max(run.year_index, 0),
                                                 account.rate);
  }
  RandomKind kind{};
  if (!RandomSourceSet(run) || !KindOf(scenario, kind)) return account.rate;
  run.random_source_used = true;
  if (kind == RandomKind::GaussianDeviation) return DrawDeviationFor(scenario, run, account);
  if (!run.options.random_accounts) {
    // An account outside the ten groups keeps its own rate.
    return ValidGroup(account) ? run.group_drawn_rate[account.group] : account.rate;
  }
  if (kind == RandomKind::Uniform) {
    return DrawUniformRate(Source(run), account.random_min_rate, account.random_max_rate);
  }
  return DrawGaussianRangeRate(Source(run), run.random.range_normal, account.random_min_rate,
                               account.random_max_rate, scenario.groups.range_factor);
}

void ShowRandomRate(const model::Scenario& scenario, Run& run, int position, float rate) {
  model::Account& account = run.state.accounts[position];
  if (run.options.random_accounts) {
    EmitRateLine(run, account.name.str(), rate);
    if (account.slot >= model::kMaxAccounts) return;
    Count(run.state.drawn_rate_count[account.slot], account.drawn_rate_sum,
          account.smallest_drawn_rate, account.largest_drawn_rate, rate);
    return;
  }
  if (!run.options.random_groups || !ValidGroup(account)) return;
  const int group = account.group;
  if (run.group_rate_shown[group]) return;
  EmitRateLine(run, scenario.groups.names[group].str(), rate);
  GroupRateStatistics& stats = run.group_statistics[group];
  float count = static_cast<float>(stats.count);
  Count(count, stats.sum, stats.min, stats.max, rate);
  stats.count = static_cast<int>(count);
  run.group_rate_shown[group] = true;
}

}  // namespace tarvel::engine
