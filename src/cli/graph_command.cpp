// Reads and runs the scenario as `tarvel run` does, then paints the graph page with the
// planner's page painter into an image file.
#include "cli/graph_command.h"

#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "cli/fan_graph.h"
#include "cli/image_writer.h"
#include "cli/opened_scenario.h"
#include "cli/private_folder.h"
#include "engine/run.h"
#include "graphs/chart_source.h"
#include "graphs/draw_chart.h"
#include "graphs/graph_page_state.h"
#include "graphs/paint_graph_page.h"

namespace tarvel::cli {
namespace {

constexpr int kLargestSide = 10000;
constexpr char kAllocationTitle[] = "ASSET ALLOCATION";

struct PageChoice {
  graphs::GraphKind kind = graphs::GraphKind::NetWorth;
  graphs::PageLayout layout = graphs::PageLayout::Full;
  graphs::AccountRange accounts;
};

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// "accounts:N" shows the N-th ten accounts (1 for accounts 1 to 10).
std::optional<PageChoice> ParseKind(const std::string& text) {
  PageChoice choice;
  using graphs::GraphKind;
  if (text == "networth") return choice;
  const std::pair<const char*, GraphKind> kinds[] = {
      {"inout", GraphKind::InOut},           {"incoming", GraphKind::Incoming},
      {"outgoing", GraphKind::Outgoing},     {"groups", GraphKind::Groups},
      {"allocation", GraphKind::Allocation}, {"accounts", GraphKind::Accounts}};
  for (const auto& [name, kind] : kinds) {
    if (text == name) {
      choice.kind = kind;
      return choice;
    }
  }
  if (text == "summary") {
    choice.layout = graphs::PageLayout::Summary;
    return choice;
  }
  if (text.rfind("accounts:", 0) == 0) {
    const std::optional<int> folder = WholeNumber(std::string_view(text).substr(9));
    if (!folder || *folder < 1 || *folder > 5) return std::nullopt;
    choice.kind = GraphKind::Accounts;
    const int first = (*folder - 1) * graphs::kAccountsPerFolder;
    choice.accounts = {first, first + graphs::kAccountsPerFolder - 1};
    return choice;
  }
  return std::nullopt;
}

std::optional<graphs::ChartStyle> ParseStyle(const std::string& text) {
  if (text == "line") return graphs::ChartStyle::Line;
  if (text == "bar") return graphs::ChartStyle::Bar;
  if (text == "3d") return graphs::ChartStyle::Bar3D;
  return std::nullopt;
}

std::optional<std::pair<int, int>> ParseZoom(const std::string& text) {
  const std::size_t dash = text.find('-');
  if (dash == std::string::npos) return std::nullopt;
  const std::optional<int> from = WholeNumber(std::string_view(text).substr(0, dash));
  const std::optional<int> to = WholeNumber(std::string_view(text).substr(dash + 1));
  if (!from || !to || *from < 0 || *to < 0 || *from > 119 || *to > 119) return std::nullopt;
  return std::make_pair(*from, *to);
}

// The zoom maximum the planner takes from the pointer: here the largest value shown.
float ZoomMaximum(const graphs::ChartSource& source, const PageChoice& choice, int first,
                  int count) {
  const graphs::GraphKind kind =
      choice.layout == graphs::PageLayout::Summary ? graphs::GraphKind::NetWorth : choice.kind;
  const graphs::KindSeries series = graphs::SeriesOfKind(kind, source, choice.accounts);
  return graphs::FindExtremes(source.Data(), series.series, first, count).maximum;
}

// Applies --zoom as a Shift-click at each age and a Shift-right-click; false when dropped.
bool ApplyZoom(const std::pair<int, int>& ages, const graphs::ChartSource& source,
               const PageChoice& choice, graphs::GraphPageState& state) {
  state.MarkZoom(static_cast<float>(ages.first), 0);
  state.MarkZoom(static_cast<float>(ages.second), 0);
  graphs::GraphPageState trial = state;
  if (trial.ApplyZoom(source) != graphs::ZoomOutcome::Zoomed) return false;
  const float maximum =
      ZoomMaximum(source, choice, trial.view().first_period, trial.view().Periods());
  state.ResetZoom();
  state.MarkZoom(static_cast<float>(ages.first), maximum);
  state.MarkZoom(static_cast<float>(ages.second), maximum);
  return state.ApplyZoom(source) == graphs::ZoomOutcome::Zoomed;
}

// The breakdown pie of a whole age, as a double-click on its period opens it.
bool OpenPie(int age, const graphs::ChartSource& source, graphs::GraphPageState& state) {
  for (int period = 0; period < source.PeriodCount(); ++period) {
    if (static_cast<int>(source.Age(period)) != age) continue;
    state.EnterBreakdown(period);
    return true;
  }
  return false;
}

}  // namespace

std::optional<platform::Size> ParseImageSize(const std::string& text) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos) return std::nullopt;
  const std::optional<int> width = WholeNumber(std::string_view(text).substr(0, x));
  const std::optional<int> height = WholeNumber(std::string_view(text).substr(x + 1));
  if (!width || !height || *width < 100 || *height < 100 || *width > kLargestSide ||
      *height > kLargestSide) {
    return std::nullopt;
  }
  return platform::Size{*width, *height};
}

int RunGraphCommand(const GraphCommandOptions& options) {
  if (options.kind == "fan") return RunFanGraph(options);
  const std::optional<PageChoice> choice = ParseKind(options.kind);
  if (!choice)
    return Usage(
        "--kind must be networth, inout, incoming, outgoing, groups, "
        "accounts[:1-5], allocation, summary or fan, not \"" +
        options.kind + "\".");
  const std::optional<graphs::ChartStyle> style = ParseStyle(options.style);
  if (!style) return Usage("--style must be line, bar or 3d, not \"" + options.style + "\".");
  const std::optional<platform::Size> size = ParseImageSize(options.size);
  if (!size)
    return Usage("--size must be WIDTHxHEIGHT in pixels (100 to 10000), not \"" + options.size +
                 "\".");
  std::optional<std::pair<int, int>> zoom;
  if (!options.zoom.empty() && !(zoom = ParseZoom(options.zoom))) {
    return Usage("--zoom must be two ages FROM-TO, not \"" + options.zoom + "\".");
  }
  ImageFormat format;
  if (!ImageFormatOf(options.out, format)) {
    return Usage("--out must name a .png, .svg or .pdf file, not \"" + options.out + "\".");
  }
  const auto clock = ClockForToday(options.today);
  if (!clock) return 2;
  auto scenario = OpenScenarioFile(options.input);
  if (!scenario) return 1;
  PrivateFolder scratch;  // removed, with the run files in it, on every way out
  auto run = std::make_unique<engine::Run>();
  if (!RunOpenedFile(*scenario, {options.input, options.workdir, clock.get()}, scratch,
                     run.get())) {
    return 1;
  }

  const graphs::ChartSource source = graphs::MakeChartSource(*run, *scenario);
  graphs::GraphPageState state(choice->kind);
  state.SetRunPeriods(source.PeriodCount());
  state.SetStyle(*style);
  if (zoom && !ApplyZoom(*zoom, source, *choice, state)) {
    return Fail("--zoom " + options.zoom +
                " is not a range of at least 2 years within the "
                "scenario's ages.");
  }
  if (options.pie_age >= 0 && !OpenPie(options.pie_age, source, state)) {
    return Fail("--pie " + std::to_string(options.pie_age) + " is not an age of the run.");
  }
  graphs::PageRequest request;
  request.layout = choice->layout;
  request.window = {0, 0, size->width, size->height};
  request.accounts = choice->accounts;
  request.allocation_title = kAllocationTitle;
  request.font = graphs::ScreenChartFont();
  request.palette = graphs::Palette::FromProgramColours(scenario->colours);
  request.footer_lines =
      graphs::DefaultFooterLines(run->options.scenario_file_name, clock->Today(), clock->Now());
  std::string error;
  const bool written = WriteImage(
      options.out, format, *size,
      [&](platform::Canvas& canvas) { graphs::PaintGraphPage(canvas, source, state, request); },
      error);
  return written ? 0 : Fail(error);
}

void AddGraphCommand(CLI::App& app, int& status) {
  auto options = std::make_shared<GraphCommandOptions>();
  CLI::App* command =
      app.add_subcommand("graph", "Draw a graph of a scenario's run into an image file");
  command->add_option("file", options->input, "Scenario file (.ret)")->required();
  command->add_option("--kind", options->kind,
                      "networth, inout, incoming, outgoing, groups, accounts[:N], allocation, "
                      "summary or fan");
  command->add_option("--style", options->style, "line, bar or 3d");
  command->add_option("--out", options->out, "Image file: .png, .svg or .pdf")->required();
  command->add_option("--size", options->size, "Image size WIDTHxHEIGHT in pixels");
  command->add_option("--zoom", options->zoom, "Ages FROM-TO to show");
  command->add_option("--pie", options->pie_age, "Show the breakdown pie of this age");
  command->add_option("--workdir", options->workdir, "Folder for the run files");
  command->add_option("--today", options->today, "Today's date for the footer, YYYY-MM-DD");
  command->add_option("--source", options->source,
                      "Fan: yearly rates from accounts, groups, historical or bootstrap");
  command->add_option("--runs", options->runs, "Fan: number of runs (default 1000)");
  command->add_option("--seed", options->seed, "Fan: seed of the analysis (default 1)")
      ->check(CLI::NonNegativeNumber);
  command->add_option("--block-years", options->block_years, "Fan: bootstrap block length");
  CLI::Option* todays_money = command->add_flag("--todays-money", options->todays_money,
                                                "Fan: net worth in today's money (the default)");
  command->add_flag("--nominal", options->nominal, "Fan: net worth in the money of each year")
      ->excludes(todays_money);
  command->callback([options, &status] { status = RunGraphCommand(*options); });
}

}  // namespace tarvel::cli
