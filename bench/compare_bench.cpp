// The scenario comparer's work when a window opens: four 100-year plot files read, their
// figures and table made, and the overlay chart drawn into a canvas that discards every call.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "discarding_canvas.h"
#include "engine/run_scenario.h"
#include "siblings/comparison_chart.h"
#include "siblings/plot_file.h"
#include "siblings/scenario_comparison.h"

namespace {

using namespace tarvel;

using bench::DiscardingCanvas;

constexpr float kFirstAge = 20;
constexpr float kLastAge = 119;  // 100 years

// Each sample run from age 20 to 119, its plot file written into folder.
std::vector<std::string> WriteHundredYearPlotFiles(const std::filesystem::path& folder) {
  const bench::BenchClock clock;
  std::vector<std::string> paths;
  const std::vector<std::string> samples = {"couple-saving", "early-retiree-72t", "single-drawdown",
                                            "couple-saving"};
  for (std::size_t i = 0; i < samples.size(); ++i) {
    auto scenario = bench::LoadJsonScenario(std::filesystem::path(TARVEL_EXAMPLES_SOURCE_DIR) /
                                            (samples[i] + ".json"));
    if (!scenario) return {};
    scenario->initial.start_age = kFirstAge;
    scenario->initial.end_age = kLastAge;
    const auto workdir = folder / ("plan" + std::to_string(i));
    std::filesystem::create_directories(workdir);
    auto run = bench::MakeRun(clock, workdir, true);
    if (!engine::RunScenario(*scenario, *run)) return {};
    paths.push_back((workdir / "plotinf01.tmp").string());
  }
  return paths;
}

void CompareFourHundredYearPlans(benchmark::State& state) {
  const bench::BenchFolder folder("tarvel_compare_bench");
  const std::vector<std::string> paths = WriteHundredYearPlotFiles(folder.path());
  if (paths.empty()) {
    state.SkipWithError("the sample plot files cannot be written");
    return;
  }
  DiscardingCanvas canvas;
  graphs::ChartContext context;
  context.area = {0, 0, 1200, 800};
  for (auto _ : state) {
    std::vector<siblings::PlotFile> plans;
    std::vector<std::string> names;
    for (const std::string& path : paths) {
      auto load = siblings::ReadPlotFile(path);
      if (!load.ok()) {
        state.SkipWithError(load.message.c_str());
        return;
      }
      names.push_back(load.data->ScenarioName());
      plans.push_back(std::move(*load.data));
    }
    const auto ages = siblings::AgesInside(plans, siblings::DefaultComparisonAges());
    std::vector<siblings::PlanFigures> figures;
    for (std::size_t i = 0; i < plans.size(); ++i) {
      figures.push_back(siblings::FiguresOf(plans[i], names[i], ages));
    }
    benchmark::DoNotOptimize(siblings::ComparisonTable(figures, ages, model::Currency::Dollars()));
    const siblings::LineChart chart = siblings::ComparisonChart(plans, names);
    context.view = siblings::WholeChartView(chart, graphs::ChartStyle::Line);
    benchmark::DoNotOptimize(siblings::DrawLineChart(canvas, context, chart));
    state.counters["years"] = static_cast<double>(plans.front().periods.size());
  }
}
BENCHMARK(CompareFourHundredYearPlans)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
