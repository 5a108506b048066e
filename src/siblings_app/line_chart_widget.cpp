// Paints straight onto the widget through the shared QPainter canvas.
#include "siblings_app/line_chart_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "graphs/page_pointer.h"
#include "graphs/paint_graph_page.h"
#include "painting/qt_canvas.h"
#include "painting/text_1252.h"

namespace tarvel::siblings_app {

LineChartWidget::LineChartWidget(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setMinimumSize(480, 320);
  setToolTip(tr("Right double-click: line, bar or 3-D bars"));
}

void LineChartWidget::SetChart(siblings::LineChart chart) {
  chart_ = std::move(chart);
  update();
}

void LineChartWidget::SetCurrency(const model::Currency& currency) {
  currency_ = currency;
  update();
}

void LineChartWidget::SetPalette(const graphs::Palette& palette) {
  palette_ = palette;
  update();
}

void LineChartWidget::PaintOn(platform::Canvas& canvas, platform::Rect area, bool printing) const {
  graphs::ChartContext context;
  context.area = area;
  context.view = siblings::WholeChartView(chart_, style_);
  context.view.printing = printing;
  context.font = printing ? platform::Font("Courier", -std::max(8, canvas.PixelsPerInch().y / 7))
                          : graphs::ScreenChartFont();
  context.palette = palette_;
  context.currency = currency_;
  canvas.DrawRectangle(area, platform::Pen::None(), platform::Brush::Solid(platform::kWhite));
  const auto geometry = siblings::DrawLineChart(canvas, context, chart_);
  if (!printing) geometry_ = geometry;
}

void LineChartWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painting::QtCanvas canvas(painter);
  PaintOn(canvas, {0, 0, width(), height()}, false);
}

void LineChartWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (geometry_.grid_x <= 0 || !graphs::InPlot(geometry_, {point.x(), point.y()})) {
    QToolTip::hideText();
    return;
  }
  const int period = graphs::PeriodUnderPointer(geometry_, point.x());
  if (period < 0 || period >= static_cast<int>(chart_.points.size())) return;
  const auto& values = chart_.points[static_cast<std::size_t>(period)];
  QString text = QStringLiteral("%1 %2").arg(axis_name_).arg(values[0]);
  for (std::size_t line = 0; line < chart_.names.size(); ++line) {
    text += QStringLiteral("\n%1: %2")
                .arg(painting::FromWindows1252(chart_.names[line]),
                     painting::FromWindows1252(model::Money(values[line + 1], currency_)));
  }
  QToolTip::showText(event->globalPosition().toPoint(), text, this);
}

void LineChartWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) return;
  style_ = static_cast<graphs::ChartStyle>((static_cast<int>(style_) + 1) % 3);
  update();
}

}  // namespace tarvel::siblings_app
