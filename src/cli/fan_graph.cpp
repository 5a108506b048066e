// Analyses the scenario as `tarvel montecarlo` does and draws the fan chart of its net worth.
#include "cli/fan_graph.h"

#include <filesystem>

#include "analysis/analysis_report.h"
#include "cli/image_writer.h"
#include "cli/montecarlo_command.h"
#include "cli/opened_scenario.h"
#include "graphs/fan_chart.h"
#include "graphs/paint_graph_page.h"
#include "graphs/palette.h"
#include "model/records.h"

namespace tarvel::cli {
namespace {

std::string FanTitle(const analysis::AnalysisResult& result, bool todays_money) {
  return graphs::FanChartTitle(todays_money) + " - " + std::to_string(result.runs) +
         " RUNS, SUCCESS " + analysis::SuccessText(result.success_probability);
}

}  // namespace

int RunFanGraph(const GraphCommandOptions& options) {
  MonteCarloCommandOptions analysis_options;
  analysis_options.source = options.source;
  analysis_options.runs = options.runs;
  analysis_options.seed = options.seed;
  analysis_options.block_years = options.block_years;
  const auto analysis = ParseAnalysisOptions(analysis_options);
  if (!analysis) return 2;
  const std::optional<platform::Size> size = ParseImageSize(options.size);
  if (!size)
    return Usage("--size must be WIDTHxHEIGHT in pixels (100 to 10000), not \"" + options.size +
                 "\".");
  ImageFormat format;
  if (!ImageFormatOf(options.out, format)) {
    return Usage("--out must name a .png, .svg or .pdf file, not \"" + options.out + "\".");
  }
  const auto clock = ClockForToday(options.today);
  if (!clock) return 2;
  analysis::AnalysisResult result;
  if (const int status = AnalyseScenarioFile(options.input, *analysis, *clock, result)) {
    return status;
  }
  graphs::ChartContext context;
  context.area = {0, 0, size->width, size->height};
  context.font = graphs::ScreenChartFont();
  context.palette = graphs::Palette{};
  context.view.period_count = static_cast<float>(result.ages.size());
  graphs::FanChartRequest request;
  const bool todays_money = !options.nominal;
  request.title = FanTitle(result, todays_money);
  request.footer_lines = graphs::DefaultFooterLines(
      std::filesystem::path(options.input).filename().string(), clock->Today(), clock->Now());
  const graphs::FanSeries series = graphs::FanSeries{
      result.ages, analysis::NetWorthTable(result, todays_money ? analysis::MoneyBasis::Today
                                                                : analysis::MoneyBasis::Nominal)
                       .values};
  std::string error;
  const bool written = WriteImage(
      options.out, format, *size,
      [&](platform::Canvas& canvas) {
        canvas.DrawRectangle(context.area, platform::Pen::None(),
                             platform::Brush::Solid(platform::kWhite));
        graphs::DrawFanChart(canvas, context, series, request);
      },
      error);
  return written ? 0 : Fail(error);
}

}  // namespace tarvel::cli
