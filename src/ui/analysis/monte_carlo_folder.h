// The Monte Carlo folder's behaviour without widgets: reading the analysis form, keeping the
// last analysis (stale after an edit) and the texts of its success figure, percentile and
// failure-cause tables and ranked runs. The figures are shown only while the form still asks
// for the analysis they come from, so settings on screen never stand beside another
// analysis' figures.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_options.h"
#include "analysis/monte_carlo.h"
#include "analysis/run_choice.h"
#include "graphs/fan_chart.h"
#include "model/money_format.h"

namespace tarvel::ui {

// The folder's number among the main window's folders; its tab comes after "Results".
inline constexpr int kMonteCarloFolder = -2;
inline constexpr char kMonteCarloCaption[] = "Monte Carlo";

// The choices of the source list, in order.
inline constexpr std::array<const char*, 4> kSourceChoices = {
    "Random account rates", "Random group rates", "Historical cycles", "Historical bootstrap"};

// What the form holds as typed.
struct MonteCarloForm {
  int source = 0;  // position in kSourceChoices
  std::string runs = "1000";
  std::string seed = "1";
  std::string block_years = "5";
  bool wrap = false;
  bool historical_inflation = true;
  bool assumed_allocation = false;  // historical sources: the assumed allocation
};

// One row of the failure-cause table: red flag, share of runs, median first age.
using CauseRow = std::array<std::string, 3>;
// One ranked run: rank, how to run it again, final net worth, "yes"/"no" success.
using RankedRow = std::array<std::string, 4>;
// One age of the percentile table: the age and net worth at 5, 10, 25, 50, 75, 90 and 95 %.
using PercentileRow = std::array<std::string, 8>;

// The success definition shown beside the figure.
inline constexpr char kSuccessDefinition[] =
    "A run succeeds when its net worth never turns negative and its liquid accounts "
    "(investment, retirement and tax-free savings) are never depleted.";

class MonteCarloFolder {
 public:
  // The analysis the form asks for, or nothing with the message for the user.
  static std::optional<analysis::AnalysisOptions> ReadForm(const MonteCarloForm& form,
                                                           std::string& message);

  void SetResult(analysis::AnalysisResult result);
  // The form as it now stands: the figures show only while it asks for the analysis shown.
  void SetForm(const MonteCarloForm& form);
  bool ShowsFigures() const;
  // An edit of the scenario: the analysis no longer matches it.
  void MarkStale() { stale_ = result_.has_value(); }
  bool stale() const { return stale_; }
  const analysis::AnalysisResult* result() const { return result_ ? &*result_ : nullptr; }

  // "87.3 %", or "" while no figures show.
  std::string SuccessFigure() const;
  // What was run and, when stale, that the scenario changed since; or that the settings
  // changed since the figures were made.
  std::string StatusText() const;
  std::vector<CauseRow> CauseRows() const;
  std::vector<RankedRow> RankedRows(const model::Currency& currency) const;
  // Every fifth age and the last, in today's money or nominal.
  std::vector<PercentileRow> PercentileRows(bool todays_money,
                                            const model::Currency& currency) const;
  graphs::FanSeries Fan(bool todays_money) const;
  // How to run the ranked run at this row again; nothing for a row out of range.
  std::optional<analysis::RunChoice> ChoiceOfRanked(int row) const;

 private:
  std::optional<analysis::AnalysisResult> result_;
  bool stale_ = false;
  bool form_given_ = false;
  std::optional<analysis::AnalysisOptions> form_options_;  // nothing while the form is wrong
};

}  // namespace tarvel::ui
