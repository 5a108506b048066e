// What a graph page remembers between paints: the kind and the kind a breakdown pie returns
// to, the style, the view window and its zoom selection, the selected period, the legend
// flags and the age marked in the results folder. The graph pages share one, so a style,
// zoom or legend chosen on one page carries to the others.
#pragma once

#include <optional>

#include "engine/run.h"
#include "graphs/chart_context.h"
#include "graphs/chart_source.h"
#include "graphs/graph_kinds.h"

namespace tarvel::graphs {

// A zoom selection marked with Shift and the left button, not yet applied.
struct ZoomSelection {
  bool start_set = false;
  bool end_set = false;
  float start_age = 0;
  float end_age = 0;
  // The value at the pointer's height of the latest mark and its graph; a zoomed chart is
  // fitted to its own values, so these only describe the marks.
  float maximum = 0;
  GraphKind kind = GraphKind::NetWorth;
};

// The periods a view shows: the first period's index and how many.
struct PeriodWindow {
  int first = 0;
  int count = 0;
};

// The window after turning the mouse wheel by notches (positive zooms in) around the anchor
// period, which keeps its place under the pointer: each notch in shows a fifth fewer periods,
// each notch out a quarter more; never fewer than 3 nor more than the run.
PeriodWindow WheelZoomWindow(PeriodWindow shown, int run_periods, int anchor, int notches);

enum class ZoomMark { Started, Ended, Cancelled };
enum class ZoomOutcome { WholeRun, Zoomed, Dropped };

class GraphPageState {
 public:
  explicit GraphPageState(GraphKind kind = GraphKind::NetWorth) : kind_(kind) {}

  GraphKind kind() const { return kind_; }
  GraphKind previous_kind() const { return previous_kind_; }
  // The kind whose series are shown: the pie's origin while a breakdown pie is up.
  GraphKind SeriesKind() const { return InBreakdown() ? previous_kind_ : kind_; }
  bool InBreakdown() const { return kind_ == GraphKind::Breakdown; }
  // A folder shows this kind; a breakdown pie that was up is left.
  void ShowKind(GraphKind kind);

  // The view for painting: first period, period count, zoomed flag and style.
  const ChartView& view() const { return view_; }
  ChartStyle style() const { return view_.style; }
  void SetStyle(ChartStyle style);
  // After every run: the count becomes the whole run unless a zoom still fits inside it.
  void SetRunPeriods(int periods);
  int run_periods() const { return run_periods_; }

  const ZoomSelection& selection() const { return selection_; }
  // Shift with the left button at a period's age and the value at the pointer's height on
  // a graph of the given kind.
  ZoomMark MarkZoom(float age, float value, GraphKind kind = GraphKind::NetWorth);
  // Shift with the right button: applies the selection, or returns to the whole run.
  ZoomOutcome ApplyZoom(const ChartSource& source);
  // Shows the ages from one to the other (in either order), also from a zoomed view. A range
  // shorter than 2 years or ending beyond the scenario's end age is dropped.
  ZoomOutcome ZoomToAges(float from_age, float to_age, const ChartSource& source);
  // The mouse wheel over the anchor period (WheelZoomWindow); a window as wide as the run
  // shows the whole run.
  ZoomOutcome WheelZoom(int anchor_period, int notches, const ChartSource& source);
  // No selection, first period 0, the whole run.
  void ResetZoom();
  // The ages the run writes to the plot file while zoomed; unset for the whole run.
  engine::AgeRange ZoomAgeRange() const;

  // Right double-click: line, bar, 3-D bar, line. With fewer than 3 periods shown the style
  // stays line; entering the 3-D style clears any zoom. Returns true when the style changed.
  bool CycleStyle();

  bool legend_in_front() const { return legend_in_front_; }
  bool legend_hidden() const { return legend_hidden_; }
  // "L": the legend goes behind or in front of the series, and shows again when hidden.
  void ToggleLegend();
  // "N": no legend.
  void HideLegend() { legend_hidden_ = true; }

  // Double-click in a plot: the pie of the period under the pointer; double-click on the pie
  // returns to the previous kind.
  void EnterBreakdown(int period);
  void LeaveBreakdown();

  int selected_period() const { return selected_period_; }
  // Selects a period of the run (held inside the run's periods).
  void SelectPeriod(int period);
  // Arrow keys: one period left or right within the run; false at either end.
  bool MoveSelectedPeriod(int delta);

  const std::optional<float>& marked_age() const { return marked_age_; }
  // The results folder's chosen age, or none.
  void SetMarkedAge(std::optional<float> age) { marked_age_ = age; }

 private:
  void ShowWholeRun();
  void ShowWindow(PeriodWindow window, float first_age, float last_age);

  GraphKind kind_;
  GraphKind previous_kind_ = GraphKind::NetWorth;
  ChartView view_;
  int run_periods_ = 0;
  ZoomSelection selection_;
  float zoom_first_age_ = 0;
  float zoom_last_age_ = 0;
  int selected_period_ = 0;
  bool legend_in_front_ = false;
  bool legend_hidden_ = false;
  std::optional<float> marked_age_;
};

}  // namespace tarvel::graphs
