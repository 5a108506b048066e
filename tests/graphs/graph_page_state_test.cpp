// Zoom, style, legend and selection rules of a graph page.
#include "graphs/graph_page_state.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "graphs/paint_graph_page.h"
#include "page_test_source.h"
#include "support/recording_canvas.h"

namespace tarvel::graphs {
namespace {

using testing::OwnedSource;

struct ZoomFixture : ::testing::Test {
  OwnedSource run{25, 60};  // ages 60 to 84
  GraphPageState state;
  void SetUp() override { state.SetRunPeriods(run.source.PeriodCount()); }
};

using GraphPageZoom = ZoomFixture;

struct MarkedZoomCase {
  const char* name;
  std::vector<std::pair<float, float>> marks;  // age and the value at the pointer's height
  ZoomOutcome outcome;
  int first_period;
  int periods;
};

// Shift-clicks at ages 60 to 84 then a Shift-right-click; the marks' heights never matter.
TEST_F(GraphPageZoom, AppliesMarkedRangesByTheirAgesOnly) {
  const MarkedZoomCase cases[] = {
      {"top-left at 60, bottom-right at 75 below zero",
       {{60, 9000}, {75, -500}},
       ZoomOutcome::Zoomed,
       0,
       16},
      {"right to left", {{75, 5000}, {65, 9000}}, ZoomOutcome::Zoomed, 5, 11},
      {"both marks below zero", {{62, -100}, {70, -900}}, ZoomOutcome::Zoomed, 2, 9},
      {"only a start runs from the first age", {{70, 0}}, ZoomOutcome::Zoomed, 0, 11},
      {"shorter than two years", {{60, 100}, {61, 100}}, ZoomOutcome::Dropped, 0, 25},
      {"no marks", {}, ZoomOutcome::WholeRun, 0, 25},
  };
  for (const MarkedZoomCase& c : cases) {
    SCOPED_TRACE(c.name);
    GraphPageState fresh;
    fresh.SetRunPeriods(run.source.PeriodCount());
    for (const auto& [age, value] : c.marks) fresh.MarkZoom(age, value);
    EXPECT_EQ(fresh.ApplyZoom(run.source), c.outcome);
    EXPECT_EQ(fresh.view().zoomed, c.outcome == ZoomOutcome::Zoomed);
    EXPECT_EQ(fresh.view().first_period, c.first_period);
    EXPECT_EQ(fresh.view().Periods(), c.periods);
  }
}

// Net worth 68,181 at 60 rising by 100,000 a year, -3,000 of equity at 70.
OwnedSource RisingNetWorth() {
  OwnedSource rising(25, 60);
  for (int i = 0; i < 25; ++i) {
    rising.periods[static_cast<std::size_t>(i)][6] = 100'000.0f * i + 68'181;
  }
  rising.periods[10][5] = -3'000;
  rising.Refresh();
  return rising;
}

TEST(GraphPageZoomedChart, ShowsTheDataOfTheRangeWithRoundTicksWhateverTheMarksHeight) {
  const OwnedSource rising = RisingNetWorth();
  GraphPageState state;
  state.SetRunPeriods(rising.source.PeriodCount());
  state.MarkZoom(60, 9'000);  // top left
  state.MarkZoom(75, -500);   // bottom right, below the zero line
  ASSERT_EQ(state.ApplyZoom(rising.source), ZoomOutcome::Zoomed);
  test_support::RecordingCanvas canvas;
  PageRequest request;
  request.window = {0, 0, 800, 600};
  const PagePaint paint = PaintGraphPage(canvas, rising.source, state, request);
  // Values -3,000 to 1,568,181 at ages 60 to 75: steps of 200,000 from -200,000 to 1,800,000.
  EXPECT_FLOAT_EQ(paint.chart.scale.minimum, -200'000);
  EXPECT_FLOAT_EQ(paint.chart.scale.step, 200'000);
  const std::vector<std::string> texts = canvas.Texts();
  EXPECT_THAT(texts, ::testing::Contains("$1,800,000"));
  EXPECT_THAT(texts, ::testing::Contains("-$200,000"));
}

struct WheelCase {
  const char* name;
  PeriodWindow shown;
  int anchor;
  int notches;
  PeriodWindow expected;
};

TEST(WheelZoomWindow, ZoomsAroundThePointerWithinTheRun) {
  const WheelCase cases[] = {
      {"in at the middle", {0, 25}, 12, 1, {2, 20}},
      {"out again", {2, 20}, 12, -1, {0, 25}},
      {"in at the right end keeps the end", {0, 25}, 24, 1, {5, 20}},
      {"two notches at once", {0, 25}, 0, 2, {0, 16}},
      {"out near the end stays inside the run", {20, 5}, 22, -1, {19, 6}},
      {"never fewer than three periods", {5, 3}, 6, 1, {5, 3}},
      {"small windows still change", {5, 4}, 6, 1, {5, 3}},
      {"never more than the run", {0, 25}, 3, -3, {0, 25}},
  };
  for (const WheelCase& c : cases) {
    SCOPED_TRACE(c.name);
    const PeriodWindow window = WheelZoomWindow(c.shown, 25, c.anchor, c.notches);
    EXPECT_EQ(window.first, c.expected.first);
    EXPECT_EQ(window.count, c.expected.count);
  }
  const PeriodWindow two_years = WheelZoomWindow({0, 2}, 2, 1, 1);
  EXPECT_EQ(two_years.count, 2);
}

TEST_F(GraphPageZoom, TheWheelZoomsInAndBackToTheWholeRun) {
  EXPECT_EQ(state.WheelZoom(12, 1, run.source), ZoomOutcome::Zoomed);
  EXPECT_TRUE(state.view().zoomed);
  EXPECT_EQ(state.view().Periods(), 20);
  const engine::AgeRange ages = state.ZoomAgeRange();
  EXPECT_FLOAT_EQ(ages.first, 62);
  EXPECT_FLOAT_EQ(ages.last, 81);
  EXPECT_EQ(state.WheelZoom(12, -1, run.source), ZoomOutcome::WholeRun);
  EXPECT_FALSE(state.view().zoomed);
  EXPECT_EQ(state.view().Periods(), 25);
}

TEST_F(GraphPageZoom, ZoomsToTypedOrDraggedAgesAlsoFromAZoomedView) {
  EXPECT_EQ(state.ZoomToAges(80, 64, run.source), ZoomOutcome::Zoomed);
  EXPECT_EQ(state.view().first_period, 4);
  EXPECT_EQ(state.view().Periods(), 17);
  EXPECT_EQ(state.ZoomToAges(66, 70, run.source), ZoomOutcome::Zoomed);
  EXPECT_EQ(state.view().first_period, 6);
  EXPECT_EQ(state.view().Periods(), 5);
  EXPECT_EQ(state.ZoomToAges(66, 67, run.source), ZoomOutcome::Dropped);
  EXPECT_EQ(state.view().Periods(), 5);
}

TEST_F(GraphPageZoom, AppliesAMarkedRangeInEitherOrder) {
  EXPECT_EQ(state.MarkZoom(75, 5000), ZoomMark::Started);
  EXPECT_EQ(state.MarkZoom(65, 9000), ZoomMark::Ended);
  EXPECT_EQ(state.ApplyZoom(run.source), ZoomOutcome::Zoomed);
  EXPECT_TRUE(state.view().zoomed);
  EXPECT_EQ(state.view().first_period, 5);
  EXPECT_EQ(state.view().Periods(), 11);
  const engine::AgeRange range = state.ZoomAgeRange();
  EXPECT_TRUE(range.set);
  EXPECT_FLOAT_EQ(range.first, 65);
  EXPECT_FLOAT_EQ(range.last, 75);
}

TEST_F(GraphPageZoom, DropsARangeShorterThanTwoYears) {
  state.MarkZoom(60, 100);
  state.MarkZoom(61, 100);
  EXPECT_EQ(state.ApplyZoom(run.source), ZoomOutcome::Dropped);
  EXPECT_FALSE(state.view().zoomed);
  EXPECT_EQ(state.view().first_period, 0);
  EXPECT_EQ(state.view().Periods(), 25);
}

TEST_F(GraphPageZoom, DropsARangeEndingBeyondTheScenariosEndAge) {
  run.source.end_age = 80;
  state.MarkZoom(70, 100);
  state.MarkZoom(82, 100);
  EXPECT_EQ(state.ApplyZoom(run.source), ZoomOutcome::Dropped);
  EXPECT_FALSE(state.view().zoomed);
}

TEST_F(GraphPageZoom, NoSelectionAndASecondApplyShowTheWholeRun) {
  EXPECT_EQ(state.ApplyZoom(run.source), ZoomOutcome::WholeRun);
  state.MarkZoom(62, 100);
  state.MarkZoom(70, 100);
  ASSERT_EQ(state.ApplyZoom(run.source), ZoomOutcome::Zoomed);
  EXPECT_EQ(state.ApplyZoom(run.source), ZoomOutcome::WholeRun);
  EXPECT_FALSE(state.view().zoomed);
  EXPECT_EQ(state.view().Periods(), 25);
  EXPECT_FALSE(state.ZoomAgeRange().set);
}

TEST_F(GraphPageZoom, AThirdMarkCancelsTheSelection) {
  state.MarkZoom(62, 100);
  state.MarkZoom(70, 100);
  EXPECT_EQ(state.MarkZoom(72, 100), ZoomMark::Cancelled);
  EXPECT_FALSE(state.selection().start_set);
  EXPECT_EQ(state.ApplyZoom(run.source), ZoomOutcome::WholeRun);
}

TEST_F(GraphPageZoom, EnteringTheThreeDStyleClearsTheZoom) {
  state.MarkZoom(62, 100);
  state.MarkZoom(70, 100);
  state.ApplyZoom(run.source);
  state.CycleStyle();
  state.CycleStyle();
  EXPECT_EQ(state.style(), ChartStyle::Bar3D);
  EXPECT_FALSE(state.view().zoomed);
  EXPECT_EQ(state.view().Periods(), 25);
}

TEST_F(GraphPageZoom, ANewRunKeepsAZoomThatStillFits) {
  state.MarkZoom(62, 100);
  state.MarkZoom(70, 100);
  state.ApplyZoom(run.source);
  state.SetRunPeriods(30);
  EXPECT_TRUE(state.view().zoomed);
  state.SetRunPeriods(8);
  EXPECT_FALSE(state.view().zoomed);
  EXPECT_EQ(state.view().Periods(), 8);
}

TEST(GraphPageStyle, CyclesLineBarThreeDAndBack) {
  GraphPageState state;
  state.SetRunPeriods(10);
  EXPECT_TRUE(state.CycleStyle());
  EXPECT_EQ(state.style(), ChartStyle::Bar);
  EXPECT_TRUE(state.CycleStyle());
  EXPECT_EQ(state.style(), ChartStyle::Bar3D);
  EXPECT_TRUE(state.CycleStyle());
  EXPECT_EQ(state.style(), ChartStyle::Line);
}

TEST(GraphPageStyle, ATwoYearRunStaysLine) {
  GraphPageState state;
  state.SetRunPeriods(2);
  EXPECT_FALSE(state.CycleStyle());
  EXPECT_EQ(state.style(), ChartStyle::Line);
}

TEST(GraphPageLegend, LTogglesFrontAndShowsAHiddenLegend) {
  GraphPageState state;
  state.ToggleLegend();
  EXPECT_TRUE(state.legend_in_front());
  state.HideLegend();
  EXPECT_TRUE(state.legend_hidden());
  state.ToggleLegend();
  EXPECT_FALSE(state.legend_hidden());
  EXPECT_TRUE(state.legend_in_front());
  state.ToggleLegend();
  EXPECT_FALSE(state.legend_in_front());
}

TEST(GraphPageBreakdown, ReturnsToTheKindItWasOpenedFrom) {
  GraphPageState state(GraphKind::Outgoing);
  state.SetRunPeriods(20);
  state.EnterBreakdown(7);
  EXPECT_TRUE(state.InBreakdown());
  EXPECT_EQ(state.SeriesKind(), GraphKind::Outgoing);
  EXPECT_EQ(state.selected_period(), 7);
  state.LeaveBreakdown();
  EXPECT_EQ(state.kind(), GraphKind::Outgoing);
}

TEST(GraphPageSelection, ArrowsStayWithinTheRun) {
  GraphPageState state;
  state.SetRunPeriods(3);
  EXPECT_FALSE(state.MoveSelectedPeriod(-1));
  EXPECT_TRUE(state.MoveSelectedPeriod(1));
  EXPECT_TRUE(state.MoveSelectedPeriod(1));
  EXPECT_FALSE(state.MoveSelectedPeriod(1));
  EXPECT_EQ(state.selected_period(), 2);
}

}  // namespace
}  // namespace tarvel::graphs
