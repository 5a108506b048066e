// Paints the page into its back buffer when it is next shown after a change, and copies it
// to the screen; callouts and zoom marks are drawn over the copy, so the buffer keeps none.
#include "app/graph_page.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "app/list_colours.h"
#include "graphs/boxes.h"
#include "graphs/page_hint.h"
#include "graphs/page_pointer.h"
#include "painting/qt_canvas.h"

namespace tarvel::app {
namespace {

constexpr int kWheelNotch = 120;  // eighths of a degree
constexpr int kDragBandAlpha = 60;

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
  menu_timer_.setSingleShot(true);
  connect(&menu_timer_, &QTimer::timeout, this, [this] { ShowContextMenu(menu_point_); });
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

graphs::PageRequest GraphPage::ScreenRequest() const {
  graphs::PageRequest request;
  request.layout = layout_;
  request.window = {0, 0, width(), height()};
  request.accounts = accounts_;
  request.allocation_title = allocation_title_;
  request.font = graphs::ScreenChartFont(QFontInfo(font()).pixelSize());
  request.palette = palette_;
  request.currency = currency_;
  request.scheme = Scheme();
  request.footer_lines = footer_lines_;
  return request;
}

graphs::ChartScheme ScreenSchemeOf(const QPalette& palette) {
  return graphs::ScreenScheme(ColourRefOf(palette.color(QPalette::Base)),
                              ColourRefOf(palette.color(QPalette::Text)));
}

graphs::ChartScheme GraphPage::Scheme() const { return ScreenSchemeOf(palette()); }

graphs::PagePaint GraphPage::PaintOnto(QPaintDevice& device,
                                       const graphs::PageRequest& request) const {
  QPainter painter(&device);
  painter.fillRect(QRect(0, 0, device.width(), device.height()),
                   QColorOf(request.scheme.background));
  if (!has_run_) return {};
  painter.setRenderHint(QPainter::Antialiasing, true);
  painting::QtCanvas canvas(painter);
  return graphs::PaintGraphPage(canvas, source_, state(), request);
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
  paint_ = PaintOnto(buffer_, ScreenRequest());
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
  if (dragging_) {
    QColor band = mark_colour;
    band.setAlpha(kDragBandAlpha);
    const graphs::ChartGeometry& g = drag_geometry_;
    const int left = std::clamp(std::min(press_point_->x(), drag_point_.x()), g.x0, g.x0 + g.width);
    const int right =
        std::clamp(std::max(press_point_->x(), drag_point_.x()), g.x0, g.x0 + g.width);
    painter.fillRect(QRect(QPoint(left, g.y0 - g.height), QPoint(right, g.y0)), band);
  }
  if (!callout_lines_.empty()) {
    painting::QtCanvas canvas(painter);
    graphs::Callout callout;
    callout.anchor = PointOf(callout_anchor_);
    callout.height = graphs::ScreenCalloutHeight(ScreenRequest().font);
    callout.lines = callout_lines_;
    callout.align = graphs::CalloutAlign::RightToAnchor;
    callout.bounds = platform::Rect{0, 0, width(), height()};
    const graphs::ChartScheme scheme = Scheme();
    graphs::DrawCallout(canvas, graphs::InScheme(palette_, scheme), scheme, callout);
  }
}

void GraphPage::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // A new desktop palette or font repaints the page in its colours and at its size.
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) Redraw();
}

void GraphPage::resizeEvent(QResizeEvent*) {
  zoom_marks_.clear();
  Redraw();
}

std::optional<GraphPage::PlotHit> GraphPage::HitWhere(QPoint point, AreaTest inside) const {
  if (!has_run_ || (layout_ == graphs::PageLayout::Full && paint_.pie)) return std::nullopt;
  const platform::Point at = PointOf(point);
  if (layout_ == graphs::PageLayout::Full) {
    if (!inside(paint_.chart, at)) return std::nullopt;
    return PlotHit{&paint_.chart, kind_};
  }
  for (int i = 0; i < graphs::kThumbnailCount; ++i) {
    if (i == paint_.pie_quadrant) continue;
    const graphs::ChartGeometry& geometry = paint_.thumbnails[static_cast<std::size_t>(i)];
    if (inside(geometry, at)) return PlotHit{&geometry, graphs::ThumbnailKind(i + 1)};
  }
  return std::nullopt;
}

std::optional<GraphPage::PlotHit> GraphPage::PlotAt(QPoint point) const {
  return HitWhere(point, graphs::InPlot);
}

std::optional<GraphPage::PlotHit> GraphPage::ZoomBandAt(QPoint point) const {
  return HitWhere(point, graphs::InZoomBand);
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

void GraphPage::ShowSeriesValues(const PlotHit& hit, QPoint point) {
  const int period = graphs::PeriodAt(*hit.geometry, point.x(), state_->style());
  state_->SelectPeriod(period);
  const graphs::KindSeries series =
      graphs::SeriesOfKind(hit.kind, source_, accounts_, allocation_title_);
  const std::vector<std::string> lines =
      graphs::SeriesValueLines(series, source_, period, currency_);
  if (layout_ == graphs::PageLayout::Summary) Redraw();  // the panel shows the chosen age
  ShowCallout(point, lines);
}

void GraphPage::ViewChanged(bool zoom_changed) {
  zoom_marks_.clear();
  Redraw();
  if (zoom_changed) emit ZoomChanged();
  ShowHint();
}

void GraphPage::ShowHint() {
  if (underMouse()) emit StatusHint(QString::fromStdString(graphs::PageHint(*state_)));
}

void GraphPage::mousePressEvent(QMouseEvent* event) {
  TakeOverState();
  RenderIfStale();
  const QPoint point = event->position().toPoint();
  const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
  if (event->button() == Qt::RightButton) {
    if (shift) {
      state_->ApplyZoom(source_);
      ViewChanged(true);
    } else {
      menu_point_ = point;
      menu_timer_.start(QApplication::doubleClickInterval());
    }
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  if (shift) {
    // A range is chosen by its ages, so a mark may be set below the plot, over the ages.
    if (const std::optional<PlotHit> band = ZoomBandAt(point)) MarkZoom(*band, point);
    return;
  }
  if (const std::optional<PlotHit> band = ZoomBandAt(point)) {
    press_point_ = point;
    drag_geometry_ = *band->geometry;
  }
  if (const std::optional<PlotHit> hit = PlotAt(point)) ShowSeriesValues(*hit, point);
}

void GraphPage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool dragged = dragging_;
  dragging_ = false;
  if (dragged) ZoomByDrag(event->position().toPoint());
  press_point_.reset();
  if (dragged) update();
}

void GraphPage::ZoomByDrag(QPoint release) {
  const graphs::AgeSpan ages =
      graphs::AgesBetween(drag_geometry_, source_, press_point_->x(), release.x(), state_->style());
  const bool zoomed =
      state_->ZoomToAges(ages.first, ages.last, source_) == graphs::ZoomOutcome::Zoomed;
  ViewChanged(zoomed);
  if (!zoomed) emit StatusHint(tr("Drag across at least 2 years of ages to zoom."));
}

bool GraphPage::ZoomToAges(int from_age, int to_age) {
  TakeOverState();
  const bool zoomed = state_->ZoomToAges(static_cast<float>(from_age), static_cast<float>(to_age),
                                         source_) == graphs::ZoomOutcome::Zoomed;
  if (zoomed) ViewChanged(true);
  return zoomed;
}

void GraphPage::wheelEvent(QWheelEvent* event) {
  TakeOverState();
  RenderIfStale();
  const QPoint point = event->position().toPoint();
  const std::optional<PlotHit> band = ZoomBandAt(point);
  if (!band) {
    event->ignore();
    return;
  }
  event->accept();
  wheel_angle_ += event->angleDelta().y();
  const int notches = wheel_angle_ / kWheelNotch;
  if (notches == 0) return;
  wheel_angle_ -= notches * kWheelNotch;
  const int anchor = graphs::PeriodAt(*band->geometry, point.x(), state_->style());
  if (state_->WheelZoom(anchor, notches, source_) != graphs::ZoomOutcome::Dropped) {
    ViewChanged(true);
  }
}

void GraphPage::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  // A mouse's right click waits for the double-click interval (mousePressEvent); the menu key
  // opens the menu at once, at the pointer when it is over the page.
  if (event->reason() == QContextMenuEvent::Mouse) return;
  const QPoint pointer = mapFromGlobal(QCursor::pos());
  ShowContextMenu(rect().contains(pointer) ? pointer : rect().center());
}

void GraphPage::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  emit StatusHint(QString::fromStdString(graphs::PageHint(state())));
}

void GraphPage::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  emit StatusHint({});
}

void GraphPage::mouseDoubleClickEvent(QMouseEvent* event) {
  TakeOverState();
  RenderIfStale();
  const QPoint point = event->position().toPoint();
  if (event->button() == Qt::RightButton) {
    menu_timer_.stop();  // the second click of a double-click: no menu
    const bool was_zoomed = state_->view().zoomed;
    if (state_->CycleStyle()) ViewChanged(was_zoomed != state_->view().zoomed);
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  if (state_->InBreakdown()) {
    state_->LeaveBreakdown();
    ViewChanged(false);
    return;
  }
  const std::optional<PlotHit> hit = PlotAt(point);
  if (!hit) return;
  if (layout_ == graphs::PageLayout::Summary) state_->ShowKind(hit->kind);
  state_->EnterBreakdown(graphs::PeriodUnderPointer(*hit->geometry, point.x()));
  ViewChanged(false);
}

void GraphPage::mouseMoveEvent(QMouseEvent* event) {
  RenderIfStale();
  const QPoint point = event->position().toPoint();
  if (press_point_ && event->buttons().testFlag(Qt::LeftButton)) {
    if (!dragging_ &&
        std::abs(point.x() - press_point_->x()) >= QApplication::startDragDistance()) {
      dragging_ = true;
      callout_lines_.clear();
    }
    if (dragging_) {
      drag_point_ = point;
      update();
      return;
    }
  }
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
