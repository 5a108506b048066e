// Paints the page into its back buffer when it is next shown after a change, and copies it
// to the screen; callouts and zoom marks are drawn over the copy, so the buffer keeps none.
#include "app/graph_page.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "graphs/boxes.h"
#include "graphs/page_pointer.h"
#include "painting/qt_canvas.h"

namespace tarvel::app {
namespace {

constexpr int kCalloutHeight = 18;

platform::Point PointOf(QPoint point) { return {point.x(), point.y()}; }

}  // namespace

GraphPage::GraphPage(graphs::GraphKind kind, graphs::PageLayout layout,
                     std::shared_ptr<graphs::GraphPageState> shared, QWidget* parent)
    : QWidget(parent),
      kind_(kind),
      layout_(layout),
      state_(shared ? std::move(shared) : std::make_shared<graphs::GraphPageState>(kind)) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(200, 150);
}

bool GraphPage::ShowsKind(graphs::GraphKind kind) const {
  if (layout_ == graphs::PageLayout::Full) return kind == kind_;
  for (int thumbnail = 1; thumbnail <= graphs::kThumbnailCount; ++thumbnail) {
    if (kind == graphs::ThumbnailKind(thumbnail)) return true;
  }
  return false;
}

graphs::GraphPageState GraphPage::state() const {
  graphs::GraphPageState shown = *state_;
  const bool own_pie = shown.InBreakdown() && ShowsKind(shown.previous_kind());
  if (!own_pie && shown.kind() != kind_) shown.ShowKind(kind_);
  return shown;
}

void GraphPage::TakeOverState() { *state_ = state(); }

void GraphPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Another page may have changed the style, zoom or legend meanwhile.
  TakeOverState();
  if (!state_->selection().start_set) zoom_marks_.clear();
  Redraw();
}

void GraphPage::SetRun(const engine::Run& run, const model::Scenario& scenario) {
  SetSource(graphs::MakeChartSource(run, scenario),
            graphs::Palette::FromProgramColours(scenario.colours));
}

void GraphPage::SetSource(graphs::ChartSource source, const graphs::Palette& palette) {
  source_ = std::move(source);
  palette_ = palette;
  has_run_ = true;
  state_->SetRunPeriods(source_.PeriodCount());
  Redraw();
}

void GraphPage::SetAccountRange(graphs::AccountRange range) {
  accounts_ = range;
  Redraw();
}

void GraphPage::SetAllocationTitle(const std::string& title) {
  allocation_title_ = title;
  Redraw();
}

void GraphPage::SetCurrency(const model::Currency& currency) {
  currency_ = currency;
  Redraw();
}

void GraphPage::SetFooterLines(const std::array<std::string, 3>& lines) {
  footer_lines_ = lines;
  Redraw();
}

void GraphPage::SetMarkedAge(std::optional<float> age) {
  state_->SetMarkedAge(age);
  Redraw();
}

void GraphPage::ResetZoom() {
  state_->ResetZoom();
  zoom_marks_.clear();
  Redraw();
}

graphs::PageRequest GraphPage::Request() const {
  graphs::PageRequest request;
  request.layout = layout_;
  request.window = {0, 0, width(), height()};
  request.accounts = accounts_;
  request.allocation_title = allocation_title_;
  request.font = graphs::ScreenChartFont();
  request.palette = palette_;
  request.currency = currency_;
  request.background = platform::Rgb(255, 255, 255);
  request.footer_lines = footer_lines_;
  return request;
}

void GraphPage::Redraw() {
  callout_lines_.clear();
  buffer_stale_ = true;
  update();
}

void GraphPage::RenderIfStale() {
  if (!buffer_stale_) return;
  buffer_stale_ = false;
  const QSize size = this->size().expandedTo(QSize(1, 1));
  if (buffer_.size() != size) buffer_ = QPixmap(size);
  buffer_.fill(Qt::white);
  paint_ = {};
  if (has_run_) {
    QPainter painter(&buffer_);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painting::QtCanvas canvas(painter);
    paint_ = graphs::PaintGraphPage(canvas, source_, state(), Request());
  }
}

void GraphPage::paintEvent(QPaintEvent*) {
  RenderIfStale();
  QPainter painter(this);
  painter.drawPixmap(0, 0, buffer_);
  const QColor mark_colour = palette().color(QPalette::Active, QPalette::Highlight);
  for (const QPoint& mark : zoom_marks_) {
    // From the bottom axis up to the pointer, then left to the value axis.
    painter.setPen(QPen(mark_colour, 2));
    painter.drawLine(mark.x(), zoom_geometry_.y0, mark.x(), mark.y());
    painter.drawLine(mark.x(), mark.y(), zoom_geometry_.x0, mark.y());
  }
  if (zoom_marks_.size() == 2) {
    painter.setPen(QPen(mark_colour, 2));
    painter.setBrush(Qt::NoBrush);
    const int top = std::min(zoom_marks_[0].y(), zoom_marks_[1].y());
    painter.drawRect(
        QRect(QPoint(std::min(zoom_marks_[0].x(), zoom_marks_[1].x()), top),
              QPoint(std::max(zoom_marks_[0].x(), zoom_marks_[1].x()), zoom_geometry_.y0)));
  }
  if (!callout_lines_.empty()) {
    painting::QtCanvas canvas(painter);
    graphs::Callout callout;
    callout.anchor = PointOf(callout_anchor_);
    callout.height = kCalloutHeight;
    callout.first_line = callout_lines_[0];
    if (callout_lines_.size() > 1) callout.second_line = callout_lines_[1];
    callout.align = graphs::CalloutAlign::RightToAnchor;
    graphs::DrawCallout(canvas, palette_, platform::kWhite, callout);
  }
}

void GraphPage::resizeEvent(QResizeEvent*) {
  zoom_marks_.clear();
  Redraw();
}

std::optional<GraphPage::PlotHit> GraphPage::PlotAt(QPoint point) const {
  if (!has_run_ || (layout_ == graphs::PageLayout::Full && paint_.pie)) return std::nullopt;
  const platform::Point at = PointOf(point);
  if (layout_ == graphs::PageLayout::Full) {
    if (!graphs::InPlot(paint_.chart, at)) return std::nullopt;
    return PlotHit{&paint_.chart, kind_};
  }
  for (int i = 0; i < graphs::kThumbnailCount; ++i) {
    if (i == paint_.pie_quadrant) continue;
    const graphs::ChartGeometry& geometry = paint_.thumbnails[static_cast<std::size_t>(i)];
    if (graphs::InPlot(geometry, at)) return PlotHit{&geometry, graphs::ThumbnailKind(i + 1)};
  }
  return std::nullopt;
}

void GraphPage::ShowCallout(QPoint anchor, std::vector<std::string> lines) {
  callout_anchor_ = anchor;
  callout_lines_ = std::move(lines);
  update();
}

void GraphPage::MarkZoom(const PlotHit& hit, QPoint point) {
  const int period = graphs::PeriodUnderPointer(*hit.geometry, point.x());
  const double value = hit.geometry->ValueAt(point.y());
  const graphs::ZoomMark mark =
      state_->MarkZoom(source_.Age(period), static_cast<float>(value), hit.kind);
  if (mark == graphs::ZoomMark::Cancelled) {
    zoom_marks_.clear();
  } else {
    zoom_geometry_ = *hit.geometry;
    zoom_marks_.push_back(point);
  }
  update();
}

void GraphPage::mousePressEvent(QMouseEvent* event) {
  TakeOverState();
  RenderIfStale();
  const QPoint point = event->position().toPoint();
  const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
  if (shift && event->button() == Qt::RightButton) {
    state_->ApplyZoom(source_);
    zoom_marks_.clear();
    Redraw();
    emit ZoomChanged();
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  const std::optional<PlotHit> hit = PlotAt(point);
  if (!hit) return;
  if (shift) {
    MarkZoom(*hit, point);
    return;
  }
  if (state_->style() == graphs::ChartStyle::Bar3D) return;  // line and bar graphs only
  state_->SelectPeriod(graphs::ClickedPeriod(*hit->geometry, point.x()));
  const double value = hit->geometry->ValueAt(point.y());
  ShowCallout(point, {graphs::ValueReadoutText(value, currency_)});
  if (layout_ == graphs::PageLayout::Summary) Redraw();
}

void GraphPage::mouseDoubleClickEvent(QMouseEvent* event) {
  TakeOverState();
  RenderIfStale();
  const QPoint point = event->position().toPoint();
  if (event->button() == Qt::RightButton) {
    if (state_->CycleStyle()) {
      zoom_marks_.clear();
      Redraw();
    }
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  if (state_->InBreakdown()) {
    state_->LeaveBreakdown();
    Redraw();
    return;
  }
  const std::optional<PlotHit> hit = PlotAt(point);
  if (!hit) return;
  if (layout_ == graphs::PageLayout::Summary) state_->ShowKind(hit->kind);
  state_->EnterBreakdown(graphs::PeriodUnderPointer(*hit->geometry, point.x()));
  zoom_marks_.clear();
  Redraw();
}

void GraphPage::mouseMoveEvent(QMouseEvent* event) {
  RenderIfStale();
  if (!paint_.pie || !paint_.breakdown) {
    unsetCursor();
    return;
  }
  const platform::Point at = PointOf(event->position().toPoint());
  if (graphs::OverPie(*paint_.pie, at)) {
    setCursor(Qt::CrossCursor);
  } else {
    unsetCursor();
  }
  const std::optional<int> slice = graphs::SliceAt(*paint_.pie, *paint_.breakdown, at);
  if (!slice) {
    if (!callout_lines_.empty()) ShowCallout({}, {});
    return;
  }
  const graphs::PieSlice& hit = paint_.breakdown->slices[static_cast<std::size_t>(*slice)];
  ShowCallout(event->position().toPoint(),
              {hit.name, model::FormatMoney(model::Format("%.2f", hit.value), currency_)});
}

void GraphPage::MovePointerToSelection() {
  RenderIfStale();
  const graphs::ChartGeometry& geometry = paint_.thumbnails[0];
  if (geometry.grid_x <= 0) return;
  const int period = state_->selected_period();
  if (period < geometry.first_period || period >= geometry.first_period + geometry.periods) return;
  const QPoint local(geometry.PeriodX(period) + geometry.grid_x / 2,
                     geometry.y0 - geometry.height / 2);
  QCursor::setPos(mapToGlobal(local));
}

void GraphPage::keyPressEvent(QKeyEvent* event) {
  TakeOverState();
  RenderIfStale();
  switch (event->key()) {
    case Qt::Key_L:
      state_->ToggleLegend();
      Redraw();
      return;
    case Qt::Key_N:
      state_->HideLegend();
      Redraw();
      return;
    case Qt::Key_Left:
    case Qt::Key_Right:
      if (layout_ == graphs::PageLayout::Summary &&
          state_->MoveSelectedPeriod(event->key() == Qt::Key_Left ? -1 : 1)) {
        Redraw();
        MovePointerToSelection();
      }
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

}  // namespace tarvel::app
