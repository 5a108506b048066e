// The Monte Carlo folder's behaviour without widgets: reading the analysis form, keeping the
// last analysis (stale after an edit) and the texts of its success figure, failure-cause table
// and ranked runs.
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
};

// One row of the failure-cause table: red flag, share of runs, median first age.
using CauseRow = std::array<std::string, 3>;
// One ranked run: rank, how to run it again, final net worth, "yes"/"no" success.
using RankedRow = std::array<std::string, 4>;

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
  // An edit of the scenario: the analysis no longer matches it.
  void MarkStale() { stale_ = result_.has_value(); }
  bool stale() const { return stale_; }
  const analysis::AnalysisResult* result() const { return result_ ? &*result_ : nullptr; }

  // "87.3 %", or "" before any analysis.
  std::string SuccessFigure() const;
  // What was run and, when stale, that the scenario changed since.
  std::string StatusText() const;
  std::vector<CauseRow> CauseRows() const;
  std::vector<RankedRow> RankedRows(const model::Currency& currency) const;
  graphs::FanSeries Fan(bool todays_money) const;
  // How to run the ranked run at this row again; nothing for a row out of range.
  std::optional<analysis::RunChoice> ChoiceOfRanked(int row) const;

 private:
  std::optional<analysis::AnalysisResult> result_;
  bool stale_ = false;
};

}  // namespace tarvel::ui
