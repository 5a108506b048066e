// The scenario comparer's work when a window opens: four 100-year plot files read, their
// figures and table made, and the overlay chart drawn into a canvas that discards every call.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "engine/run_scenario.h"
#include "siblings/comparison_chart.h"
#include "siblings/plot_file.h"
#include "siblings/scenario_comparison.h"

namespace {

using namespace tarvel;

class DiscardingCanvas : public platform::Canvas {
 public:
  platform::Size DeviceSize() const override { return {1200, 800}; }
  platform::Resolution PixelsPerInch() const override { return {}; }
  platform::TextMetrics Measure(const platform::Font&) const override { return {14, 2, 7}; }
  int TextWidth(const platform::Font&, std::string_view text) const override {
    return static_cast<int>(text.size()) * 7;
  }
  void DrawLine(platform::Point, platform::Point, const platform::Pen&) override {}
  void DrawPolyline(std::span<const platform::Point>, const platform::Pen&) override {}
  void DrawRectangle(const platform::Rect&, const platform::Pen&, const platform::Brush&) override {
  }
  void DrawPolygon(std::span<const platform::Point>, const platform::Pen&,
                   const platform::Brush&) override {}
  void DrawEllipse(const platform::Rect&, const platform::Pen&, const platform::Brush&) override {}
  void DrawPie(const platform::Rect&, double, double, const platform::Pen&,
               const platform::Brush&) override {}
  void DrawText(platform::Point, std::string_view, const platform::Font&,
                const platform::TextStyle&) override {}
  void SetClip(const platform::Rect&) override {}
  void ClearClip() override {}
};

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
  const auto folder = std::filesystem::temp_directory_path() / "tarvel_compare_bench";
  const std::vector<std::string> paths = WriteHundredYearPlotFiles(folder);
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
  std::filesystem::remove_all(folder);
}
BENCHMARK(CompareFourHundredYearPlans)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
