// The trade-off and refinance plotters: the graph file their analysis wrote, drawn by the
// graph engine, with export and print; a missing or damaged file shows why.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QStackedWidget>
#include <functional>

#include "siblings/xy_graph_file.h"
#include "siblings_app/line_chart_widget.h"

namespace tarvel::siblings_app {

class XyPlotWindow : public QMainWindow {
  Q_OBJECT

 public:
  using MakeChart = std::function<siblings::LineChart(const siblings::XyGraphFile&)>;

  XyPlotWindow(const QString& title, const QString& axis_name, MakeChart make_chart,
               const model::Currency& currency);
  void Load(const QString& path);

  bool showing_chart() const { return stack_->currentWidget() == chart_; }
  QString problem() const { return showing_chart() ? QString() : problem_->text(); }
  const siblings::LineChart& chart() const { return chart_->chart(); }

 private:
  QString title_;
  MakeChart make_chart_;
  QStackedWidget* stack_;
  LineChartWidget* chart_;
  QLabel* problem_;
};

}  // namespace tarvel::siblings_app
