// A window's chart of a few lines (the comparer's overlay, the trade-off and refinance plots):
// painted by the graph engine, a right double-click cycles line, bar and 3-D bar, and the
// pointer shows the values of the point under it.
#pragma once

#include <QWidget>

#include "graphs/chart_geometry.h"
#include "graphs/palette.h"
#include "model/money_format.h"
#include "siblings/line_chart.h"

namespace tarvel::siblings_app {

class LineChartWidget : public QWidget {
  Q_OBJECT

 public:
  explicit LineChartWidget(QWidget* parent = nullptr);

  void SetChart(siblings::LineChart chart);
  void SetCurrency(const model::Currency& currency);
  void SetPalette(const graphs::Palette& palette);
  void SetAxisName(const QString& name) { axis_name_ = name; }
  const siblings::LineChart& chart() const { return chart_; }

  // The chart on any canvas (a printer page or a picture) filling area.
  void PaintOn(platform::Canvas& canvas, platform::Rect area, bool printing) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  siblings::LineChart chart_;
  model::Currency currency_;
  graphs::Palette palette_;
  graphs::ChartStyle style_ = graphs::ChartStyle::Line;
  mutable graphs::ChartGeometry geometry_;  // of the last paint on screen
  QString axis_name_ = tr("Age");
};

}  // namespace tarvel::siblings_app
