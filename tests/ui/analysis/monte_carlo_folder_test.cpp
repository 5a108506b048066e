// The Monte Carlo folder's presenter: the form's checks, the texts of an analysis, staleness
// after an edit, and the ranked run it opens.
#include "ui/analysis/monte_carlo_folder.h"

#include <gtest/gtest.h>

#include "analysis/analysis_report.h"

namespace tarvel::ui {
namespace {

TEST(MonteCarloFolderForm, RefusesWhatCannotBeRunWithAMessage) {
  struct Case {
    MonteCarloForm form;
    const char* message;  // empty: accepted
  };
  auto with = [](auto change) {
    MonteCarloForm form;
    change(form);
    return form;
  };
  const Case cases[] = {
      {MonteCarloForm{}, ""},
      {with([](MonteCarloForm& f) { f.runs = "ten"; }), "number of runs must be a whole"},
      {with([](MonteCarloForm& f) { f.runs = "0"; }), "from 1 to 100,000"},
      {with([](MonteCarloForm& f) { f.runs = "100001"; }), "from 1 to 100,000"},
      {with([](MonteCarloForm& f) { f.seed = "-3"; }), "seed must be"},
      {with([](MonteCarloForm& f) { f.block_years = "0"; }), "at least 1 year"},
      {with([](MonteCarloForm& f) { f.source = 4; }), "Choose where"},
  };
  for (const Case& c : cases) {
    std::string message;
    const auto options = MonteCarloFolder::ReadForm(c.form, message);
    EXPECT_EQ(options.has_value(), std::string(c.message).empty()) << message;
    EXPECT_NE(message.find(c.message), std::string::npos) << message;
  }
  MonteCarloForm bootstrap = with([](MonteCarloForm& f) {
    f.source = 3;
    f.runs = "250";
    f.seed = "77";
    f.block_years = "8";
  });
  std::string message;
  const auto options = MonteCarloFolder::ReadForm(bootstrap, message);
  ASSERT_TRUE(options);
  EXPECT_EQ(options->source, analysis::RateSource::Bootstrap);
  EXPECT_EQ(options->runs, 250);
  EXPECT_EQ(options->seed, 77u);
  EXPECT_EQ(options->block_years, 8);
}

TEST(MonteCarloFolderTexts, ShowTheAnalysisAndGoStaleAfterAnEdit) {
  MonteCarloFolder folder;
  EXPECT_EQ(folder.SuccessFigure(), "");
  folder.MarkStale();
  EXPECT_FALSE(folder.stale());  // nothing to go stale

  analysis::AnalysisResult result;
  result.options.source = analysis::RateSource::RandomAccounts;
  result.options.seed = 5;
  result.runs = 3;
  result.success_probability = 2.0 / 3.0;
  result.ages = {60, 61};
  result.causes.flags = {{"A penalty was paid.", 0, std::nullopt, 0, false},
                         {"Liquid accounts were depleted.", 1.0 / 3.0, 75, 1, true},
                         {"A withdrawal account was depleted.", 1, 61, 3, false}};
  result.ranked = {{2, 111, 0, false, -1500.5f, {}}, {0, 222, 0, true, 2500000, {}}};
  folder.SetResult(result);

  EXPECT_EQ(folder.SuccessFigure(), "66.7 %");
  EXPECT_EQ(folder.StatusText(), "3 runs, Random account rates, seed 5.");
  EXPECT_EQ(folder.CauseRows(/*failures=*/true),
            (std::vector<CauseRow>{{"Liquid accounts were depleted.", "33.3 %", "75"}}));
  EXPECT_EQ(folder.CauseRows(/*failures=*/false),
            (std::vector<CauseRow>{{"A penalty was paid.", "0.0 %", "-"},
                                   {"A withdrawal account was depleted.", "100.0 %", "61"}}));
  EXPECT_EQ(folder.RankedRows({}),
            (std::vector<RankedRow>{{"1", "seed 111", "$-1,500.50", "no"},
                                    {"2", "seed 222", "$2,500,000.00", "yes"}}));
  const auto choice = folder.ChoiceOfRanked(0);
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->seed, analysis::ChoiceForRun(result.options, 2).seed);
  EXPECT_FALSE(folder.ChoiceOfRanked(2));

  folder.MarkStale();
  EXPECT_TRUE(folder.stale());
  EXPECT_NE(folder.StatusText().find("has changed since"), std::string::npos);
  folder.SetResult(result);
  EXPECT_FALSE(folder.stale());
}

}  // namespace
}  // namespace tarvel::ui
