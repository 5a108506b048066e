// A graph folder of the main window: one graph kind (or the summary page) painted into a
// back buffer, with pointer read-outs, the breakdown pie, style cycling, zooming (Shift-clicks,
// a drag across ages, the mouse wheel, a context menu), the legend keys, image copies and the
// age marked in the results folder. The folders share one page state, so a style, zoom or
// legend chosen on one page is there on the others.
#pragma once

#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/run.h"
#include "graphs/chart_source.h"
#include "graphs/graph_page_state.h"
#include "graphs/paint_graph_page.h"
#include "model/money_format.h"
#include "model/records.h"

class QMenu;
class QPaintDevice;

namespace tarvel::app {

// The colours a chart takes on screen in the widget palette: black on white in a light one,
// its text on its views' background in a dark one.
graphs::ChartScheme ScreenSchemeOf(const QPalette& palette);

class GraphPage : public QWidget {
  Q_OBJECT

 public:
  // A full page of one kind, or the summary page with layout Summary, on the page state
  // shared with the other graph folders (a state of its own when none is given).
  explicit GraphPage(graphs::GraphKind kind, graphs::PageLayout layout = graphs::PageLayout::Full,
                     std::shared_ptr<graphs::GraphPageState> shared = nullptr,
                     QWidget* parent = nullptr);

  // Shows a new run; the run must stay alive and unchanged until the next SetRun. The style,
  // legend flags and zoom are kept.
  void SetRun(const engine::Run& run, const model::Scenario& scenario);
  // Shows results from elsewhere (a plot file); the source's spans must stay valid until the
  // next SetRun or SetSource.
  void SetSource(graphs::ChartSource source, const graphs::Palette& palette);
  // Accounts folders: the account positions shown (at most ten).
  void SetAccountRange(graphs::AccountRange range);
  void SetAllocationTitle(const std::string& title);
  void SetCurrency(const model::Currency& currency);
  void SetFooterLines(const std::array<std::string, 3>& lines);
  // The age chosen in the results folder, or none.
  void SetMarkedAge(std::optional<float> age);
  // No zoom selection, first period 0, the whole run.
  void ResetZoom();
  // Shows the ages from one to the other on every graph page; false when the range is shorter
  // than 2 years or leaves the plan's ages (the view stays as it was).
  bool ZoomToAges(int from_age, int to_age);

  // The context menu at a point of the page: zoom, reset, style, pie, legend and image
  // actions, enabled for what the page shows there.
  std::unique_ptr<QMenu> MakeContextMenu(QPoint point);
  // The page as an image file shows it: black on white in the usual chart font, whatever the
  // desktop's palette and font, without callouts or zoom marks.
  QImage Image();
  // Writes Image() to a file, its type by the file's extension; false with the reason.
  bool SaveImage(const QString& path, QString* reason = nullptr);

  // What the page paints on screen: the desktop palette's colours, the chart font grown with
  // the desktop's font.
  graphs::PageRequest ScreenRequest() const;

  // The shared state as this page shows it: its own kind, unless its breakdown pie is up.
  graphs::GraphPageState state() const;
  // The ages the plot file should hold while zoomed (the shell re-runs with them).
  engine::AgeRange ZoomAgeRange() const { return state_->ZoomAgeRange(); }
  // The results the page shows.
  const graphs::ChartSource& source() const { return source_; }
  // Where the last paint put the chart, the pie and the thumbnails.
  const graphs::PagePaint& painted() const { return paint_; }
  // The callout shown, one or two lines; empty when none.
  const std::vector<std::string>& callout_lines() const { return callout_lines_; }

 signals:
  // The view window changed through a zoom; the shell may re-run for the plot file.
  void ZoomChanged();
  // What the mouse does on this page, for the status bar; empty when the pointer left.
  void StatusHint(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  struct PlotHit {
    const graphs::ChartGeometry* geometry = nullptr;
    graphs::GraphKind kind = graphs::GraphKind::NetWorth;
  };

  // Marks the buffer for painting; hidden pages paint only when they are shown or used, so a
  // run refreshes every folder's page without painting them all.
  void Redraw();
  // True when the shared state's graph is this page's (or one of the summary's thumbnails).
  bool ShowsKind(graphs::GraphKind kind) const;
  // A page shown, or used, after another page: the shared state takes this page's kind.
  void TakeOverState();
  void RenderIfStale();
  graphs::ChartScheme Scheme() const;
  // The page painted onto an image or the back buffer, on the request's background.
  graphs::PagePaint PaintOnto(QPaintDevice& device, const graphs::PageRequest& request) const;
  using AreaTest = bool (*)(const graphs::ChartGeometry&, platform::Point);
  // The full chart or the summary thumbnail whose area holds the point.
  std::optional<PlotHit> HitWhere(QPoint point, AreaTest inside) const;
  std::optional<PlotHit> PlotAt(QPoint point) const;
  // Where a zoom may be marked, dragged or wheeled: over the shown ages, plot or labels.
  std::optional<PlotHit> ZoomBandAt(QPoint point) const;
  void ShowCallout(QPoint anchor, std::vector<std::string> lines);
  void ShowSeriesValues(const PlotHit& hit, QPoint point);
  void MarkZoom(const PlotHit& hit, QPoint point);
  void ZoomByDrag(QPoint release);
  void MovePointerToSelection();
  // After a zoom or style change: repaint, tell the shell, refresh the hint.
  void ViewChanged(bool zoom_changed);
  void ShowHint();
  void ShowContextMenu(QPoint point);
  // Context-menu actions.
  void AddZoomActions(QMenu& menu, QPoint point);
  void AddStyleActions(QMenu& menu);
  void AddPieAction(QMenu& menu, QPoint point);
  void AddLegendActions(QMenu& menu);
  void AddImageActions(QMenu& menu);
  void AskZoomRange(QPoint point);
  void SetStyle(graphs::ChartStyle style);
  void AskImageFile();

  graphs::GraphKind kind_;
  graphs::PageLayout layout_;
  std::shared_ptr<graphs::GraphPageState> state_;
  graphs::ChartSource source_;
  bool has_run_ = false;
  graphs::Palette palette_;
  model::Currency currency_;
  graphs::AccountRange accounts_;
  std::string allocation_title_;
  std::array<std::string, 3> footer_lines_{};
  QPixmap buffer_;
  bool buffer_stale_ = true;
  graphs::PagePaint paint_;
  QPoint callout_anchor_;
  std::vector<std::string> callout_lines_;
  std::vector<QPoint> zoom_marks_;  // pointer positions of the pending selection
  graphs::ChartGeometry zoom_geometry_;
  // A left press over the ages that may become a drag across them.
  std::optional<QPoint> press_point_;
  bool dragging_ = false;
  QPoint drag_point_;
  graphs::ChartGeometry drag_geometry_;
  int wheel_angle_ = 0;  // eighths of a degree not yet turned into notches
  // A right click opens the menu once a right double-click (the style cycle) is ruled out.
  QTimer menu_timer_;
  QPoint menu_point_;
  QString image_folder_;
};

}  // namespace tarvel::app
