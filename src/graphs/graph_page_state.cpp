// The rules of the page state: zoom marking and applying, the style cycle, the legend keys,
// the breakdown pie and the selected period.
#include "graphs/graph_page_state.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tarvel::graphs {
namespace {

constexpr float kShortestZoom = 2.0f;  // years between the first and the last age shown
constexpr int kFewestStyledPeriods = 3;
constexpr int kFewestZoomedPeriods = 3;  // the shortest zoom, 2 years, shows 3 periods
constexpr double kWheelZoomIn = 0.8;     // of the periods shown, per notch
constexpr double kWheelZoomOut = 1.25;

}  // namespace

PeriodWindow WheelZoomWindow(PeriodWindow shown, int run_periods, int anchor, int notches) {
  if (run_periods < kFewestZoomedPeriods || notches == 0) return shown;
  const int fewest = kFewestZoomedPeriods;
  shown.count = std::clamp(shown.count, fewest, run_periods);
  const double factor = std::pow(notches > 0 ? kWheelZoomIn : kWheelZoomOut, std::abs(notches));
  int count = static_cast<int>(std::lround(shown.count * factor));
  // Every notch changes the window by at least one period while there is room.
  if (count == shown.count) count += notches > 0 ? -1 : 1;
  count = std::clamp(count, fewest, run_periods);
  anchor = std::clamp(anchor, shown.first, shown.first + shown.count - 1);
  const double place = static_cast<double>(anchor - shown.first) / shown.count;
  const int first = anchor - static_cast<int>(std::lround(place * count));
  return {std::clamp(first, 0, run_periods - count), count};
}

void GraphPageState::ShowKind(GraphKind kind) {
  if (kind == GraphKind::Breakdown) return;  // a pie is entered from a graph only
  kind_ = kind;
}

void GraphPageState::SetStyle(ChartStyle style) {
  view_.style = view_.Periods() < kFewestStyledPeriods ? ChartStyle::Line : style;
  if (view_.style == ChartStyle::Bar3D && view_.zoomed) ResetZoom();
}

void GraphPageState::SetRunPeriods(int periods) {
  run_periods_ = std::max(0, periods);
  const bool fits = view_.zoomed && view_.first_period + view_.Periods() <= run_periods_;
  if (!fits) ShowWholeRun();
  selected_period_ = std::clamp(selected_period_, 0, std::max(0, run_periods_ - 1));
}

void GraphPageState::ShowWholeRun() {
  view_.first_period = 0;
  view_.period_count = static_cast<float>(run_periods_);
  view_.zoomed = false;
}

ZoomMark GraphPageState::MarkZoom(float age, float value, GraphKind kind) {
  if (selection_.start_set && selection_.end_set) {
    selection_ = {};
    return ZoomMark::Cancelled;
  }
  if (!selection_.start_set) {
    selection_.start_set = true;
    selection_.start_age = age;
    selection_.maximum = value;
    selection_.kind = kind;
    return ZoomMark::Started;
  }
  selection_.end_set = true;
  selection_.end_age = age;
  selection_.maximum = value;
  selection_.kind = kind;
  return ZoomMark::Ended;
}

ZoomOutcome GraphPageState::ApplyZoom(const ChartSource& source) {
  const ZoomSelection selection = std::exchange(selection_, {});
  if (view_.zoomed || !selection.start_set) {
    ResetZoom();
    return ZoomOutcome::WholeRun;
  }
  // Only a start shows the ages from the first period's to it.
  const float end = selection.end_set ? selection.end_age : source.Age(0);
  return ZoomToAges(selection.start_age, end, source);
}

ZoomOutcome GraphPageState::ZoomToAges(float from_age, float to_age, const ChartSource& source) {
  const float start = std::min(from_age, to_age);
  const float end = std::max(from_age, to_age);
  // A selection that is too short or runs past the scenario's end leaves the view alone.
  if (end - start < kShortestZoom || end > source.end_age) return ZoomOutcome::Dropped;
  const int first = std::max(0, static_cast<int>(std::lround(start - source.Age(0))));
  const int count = static_cast<int>(std::lround(end - start)) + 1;
  if (first + count > run_periods_) return ZoomOutcome::Dropped;
  ShowWindow({first, count}, start, end);
  return ZoomOutcome::Zoomed;
}

ZoomOutcome GraphPageState::WheelZoom(int anchor_period, int notches, const ChartSource& source) {
  const PeriodWindow shown{view_.first_period, view_.Periods()};
  const PeriodWindow window = WheelZoomWindow(shown, run_periods_, anchor_period, notches);
  if (window.count >= run_periods_) {
    ResetZoom();
    return ZoomOutcome::WholeRun;
  }
  if (window.first == shown.first && window.count == shown.count) return ZoomOutcome::Dropped;
  selection_ = {};
  ShowWindow(window, source.Age(window.first), source.Age(window.first + window.count - 1));
  return ZoomOutcome::Zoomed;
}

void GraphPageState::ShowWindow(PeriodWindow window, float first_age, float last_age) {
  view_.first_period = window.first;
  view_.period_count = static_cast<float>(window.count);
  view_.zoomed = true;
  zoom_first_age_ = first_age;
  zoom_last_age_ = last_age;
}

void GraphPageState::ResetZoom() {
  selection_ = {};
  ShowWholeRun();
}

engine::AgeRange GraphPageState::ZoomAgeRange() const {
  if (!view_.zoomed) return {};
  return {true, zoom_first_age_, zoom_last_age_};
}

bool GraphPageState::CycleStyle() {
  const ChartStyle before = view_.style;
  switch (before) {
    case ChartStyle::Line:
      SetStyle(ChartStyle::Bar);
      break;
    case ChartStyle::Bar:
      SetStyle(ChartStyle::Bar3D);
      break;
    case ChartStyle::Bar3D:
      SetStyle(ChartStyle::Line);
      break;
  }
  return view_.style != before;
}

void GraphPageState::ToggleLegend() {
  if (legend_hidden_) {
    legend_hidden_ = false;
    return;
  }
  legend_in_front_ = !legend_in_front_;
}

void GraphPageState::EnterBreakdown(int period) {
  if (InBreakdown()) return;
  previous_kind_ = kind_;
  kind_ = GraphKind::Breakdown;
  SelectPeriod(period);
}

void GraphPageState::LeaveBreakdown() {
  if (InBreakdown()) kind_ = previous_kind_;
}

void GraphPageState::SelectPeriod(int period) {
  selected_period_ = std::clamp(period, 0, std::max(0, run_periods_ - 1));
}

bool GraphPageState::MoveSelectedPeriod(int delta) {
  const int before = selected_period_;
  SelectPeriod(selected_period_ + delta);
  return selected_period_ != before;
}

}  // namespace tarvel::graphs
