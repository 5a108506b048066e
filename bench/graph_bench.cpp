// Time to draw one full chart of 60 periods, and the summary page, in each style into a canvas
// that discards every call, so only the graphs' own work is measured.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "discarding_canvas.h"
#include "graphs/draw_chart.h"
#include "graphs/paint_graph_page.h"

namespace {

using namespace tarvel;

using bench::DiscardingCanvas;

constexpr int kPeriods = 60;

// Sixty years of growing balances with a dip into negative net worth near the end.
std::vector<graphs::PeriodRecord> SamplePeriods() {
  std::vector<graphs::PeriodRecord> periods(kPeriods + 1);
  for (int i = 0; i <= kPeriods; ++i) {
    graphs::PeriodRecord& record = periods[static_cast<std::size_t>(i)];
    record[0] = 40.0f + i;
    for (int column = 1; column <= 5; ++column) record[column] = 1000.0f * i * column;
    record[6] = i < 55 ? 15000.0f * i : -20000.0f;
  }
  return periods;
}

void BM_DrawNetWorthChart(benchmark::State& state) {
  const std::vector<graphs::PeriodRecord> periods = SamplePeriods();
  graphs::ChartData data;
  data.periods = periods;
  graphs::ChartContext context;
  context.area = {0, 0, 1200, 800};
  context.view.period_count = kPeriods;
  context.view.style = static_cast<graphs::ChartStyle>(state.range(0));
  graphs::ChartRequest request;
  request.title = "NET WORTH";
  request.names = {"Net Worth",           "Investment Accounts", "Tax-free Accounts",
                   "Retirement Accounts", "Asset Accounts",      "Equity"};
  request.series = {
      {graphs::SeriesSource::PeriodColumn, 6}, {graphs::SeriesSource::PeriodColumn, 1},
      {graphs::SeriesSource::PeriodColumn, 2}, {graphs::SeriesSource::PeriodColumn, 3},
      {graphs::SeriesSource::PeriodColumn, 4}, {graphs::SeriesSource::PeriodColumn, 5}};
  DiscardingCanvas canvas;
  for (auto _ : state) {
    benchmark::DoNotOptimize(graphs::DrawChart(canvas, context, data, request));
  }
  state.counters["calls_per_chart"] =
      static_cast<double>(canvas.calls) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_DrawNetWorthChart)->ArgName("style")->Arg(0)->Arg(1)->Arg(2);

// The summary page: three thumbnails and the summary panel, in each style.
void BM_PaintSummaryPage(benchmark::State& state) {
  const std::vector<graphs::PeriodRecord> periods = SamplePeriods();
  graphs::ChartSource source;
  source.periods = periods;
  source.start_age = 40;
  source.end_age = 40 + kPeriods;
  graphs::GraphPageState page;
  page.SetRunPeriods(source.PeriodCount());
  page.SetStyle(static_cast<graphs::ChartStyle>(state.range(0)));
  page.SelectPeriod(20);
  graphs::PageRequest request;
  request.layout = graphs::PageLayout::Summary;
  request.window = {0, 0, 1200, 800};
  DiscardingCanvas canvas;
  for (auto _ : state) {
    benchmark::DoNotOptimize(graphs::PaintGraphPage(canvas, source, page, request));
  }
  state.counters["calls_per_page"] =
      static_cast<double>(canvas.calls) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_PaintSummaryPage)->ArgName("style")->Arg(0)->Arg(1)->Arg(2);

}  // namespace

BENCHMARK_MAIN();
