// Reading the analysis form and the texts of the Monte Carlo folder.
#include "ui/analysis/monte_carlo_folder.h"

#include <charconv>
#include <cstdio>

#include "analysis/analysis_report.h"

namespace tarvel::ui {
namespace {

template <typename Number>
std::optional<Number> WholeNumber(const std::string& text) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::string Percent(double fraction) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f %%", fraction * 100.0);
  return text;
}

std::string SourceText(analysis::RateSource source) {
  return kSourceChoices[static_cast<int>(source)];
}

// "1000 runs, Historical bootstrap, seed 1, blocks of 5 years".
std::string AnalysisText(const analysis::AnalysisResult& result) {
  const analysis::AnalysisOptions& options = result.options;
  std::string text = std::to_string(result.runs) + " runs, " + SourceText(options.source);
  if (options.source != analysis::RateSource::Historical) {
    text += ", seed " + std::to_string(options.seed);
  }
  if (options.source == analysis::RateSource::Bootstrap) {
    text += ", blocks of " + std::to_string(options.block_years) + " years";
  }
  if (analysis::IsHistorical(options.source) && options.assumed_allocation) {
    text += ", with the assumed allocation";
  }
  return text;
}

analysis::MoneyBasis Basis(bool todays_money) {
  return todays_money ? analysis::MoneyBasis::Today : analysis::MoneyBasis::Nominal;
}

}  // namespace

std::optional<analysis::AnalysisOptions> MonteCarloFolder::ReadForm(const MonteCarloForm& form,
                                                                    std::string& message) {
  analysis::AnalysisOptions options;
  if (form.source < 0 || form.source >= static_cast<int>(kSourceChoices.size())) {
    message = "Choose where the yearly rates come from.";
    return std::nullopt;
  }
  options.source = static_cast<analysis::RateSource>(form.source);
  const auto runs = WholeNumber<int>(form.runs);
  const auto seed = WholeNumber<std::uint64_t>(form.seed);
  const auto block = WholeNumber<int>(form.block_years);
  if (!runs) {
    message = "The number of runs must be a whole number from 1 to 100,000.";
    return std::nullopt;
  }
  if (!seed) {
    message = "The seed must be a whole number of 0 or more.";
    return std::nullopt;
  }
  if (!block) {
    message = "The block length must be a whole number of years, 1 or more.";
    return std::nullopt;
  }
  options.runs = *runs;
  options.seed = *seed;
  options.block_years = *block;
  options.wrap = form.wrap;
  options.historical_inflation = form.historical_inflation;
  options.assumed_allocation = form.assumed_allocation;
  message = analysis::OptionsProblem(options);
  if (!message.empty()) return std::nullopt;
  return options;
}

void MonteCarloFolder::SetResult(analysis::AnalysisResult result) {
  result_ = std::move(result);
  stale_ = false;
}

void MonteCarloFolder::SetForm(const MonteCarloForm& form) {
  std::string message;
  form_given_ = true;
  form_options_ = ReadForm(form, message);
}

bool MonteCarloFolder::ShowsFigures() const {
  if (!result_) return false;
  if (!form_given_) return true;
  return form_options_ && analysis::SameAnalysis(*form_options_, result_->options);
}

std::string MonteCarloFolder::SuccessFigure() const {
  return ShowsFigures() ? Percent(result_->success_probability) : std::string();
}

std::string MonteCarloFolder::StatusText() const {
  if (!result_) return "No analysis yet: choose the source and press Run.";
  if (!ShowsFigures()) {
    return "The settings have changed since the last analysis (" + AnalysisText(*result_) +
           "): press Run to analyse with these settings.";
  }
  std::string text = AnalysisText(*result_) + ".";
  if (!result_->note.empty()) text += " " + result_->note;
  if (stale_) text += " The scenario has changed since: press Run to analyse it again.";
  return text;
}

std::vector<CauseRow> MonteCarloFolder::CauseRows() const {
  std::vector<CauseRow> rows;
  if (!ShowsFigures()) return rows;
  for (const analysis::FlagCause& cause : result_->causes.flags) {
    rows.push_back({cause.text, Percent(cause.share),
                    cause.runs > 0 ? analysis::AgeText(cause.median_age) : std::string("-")});
  }
  return rows;
}

std::vector<RankedRow> MonteCarloFolder::RankedRows(const model::Currency& currency) const {
  std::vector<RankedRow> rows;
  if (!ShowsFigures()) return rows;
  int rank = 0;
  for (const analysis::RunOutcome& outcome : result_->ranked) {
    char amount[64];
    std::snprintf(amount, sizeof amount, "%.2f", static_cast<double>(outcome.final_net_worth));
    rows.push_back({std::to_string(++rank), RunKeyText(result_->options.source, outcome),
                    model::FormatMoney(amount, currency), outcome.success ? "yes" : "no"});
  }
  return rows;
}

std::vector<PercentileRow> MonteCarloFolder::PercentileRows(bool todays_money,
                                                            const model::Currency& currency) const {
  std::vector<PercentileRow> rows;
  if (!ShowsFigures()) return rows;
  const analysis::PercentileTable& table = analysis::NetWorthTable(*result_, Basis(todays_money));
  for (const int period : analysis::SummaryPeriods(*result_)) {
    PercentileRow row;
    row[0] = analysis::AgeText(result_->ages[period]);
    for (std::size_t level = 0; level < analysis::kPercentileLevels.size(); ++level) {
      char amount[64];
      std::snprintf(amount, sizeof amount, "%.0f",
                    static_cast<double>(table.At(static_cast<int>(level), period)));
      row[level + 1] = model::FormatMoneyWhole(amount, currency);
    }
    rows.push_back(row);
  }
  return rows;
}

graphs::FanSeries MonteCarloFolder::Fan(bool todays_money) const {
  graphs::FanSeries series;
  if (!ShowsFigures()) return series;
  series.ages = result_->ages;
  series.levels = analysis::NetWorthTable(*result_, Basis(todays_money)).values;
  return series;
}

std::optional<analysis::RunChoice> MonteCarloFolder::ChoiceOfRanked(int row) const {
  if (!ShowsFigures() || row < 0 || row >= static_cast<int>(result_->ranked.size()))
    return std::nullopt;
  return analysis::ChoiceForRun(result_->options, result_->ranked[row].index);
}

}  // namespace tarvel::ui
