// One window class serves both plotters; each main gives its title and chart.
#include "siblings_app/xy_plot_window.h"

#include <QFileInfo>
#include <QMenuBar>

#include "painting/text_1252.h"
#include "siblings_app/sibling_output.h"

namespace tarvel::siblings_app {
namespace {

constexpr platform::Size kPictureSize{1200, 800};

}  // namespace

XyPlotWindow::XyPlotWindow(const QString& title, const QString& axis_name, MakeChart make_chart,
                           const model::Currency& currency)
    : title_(title),
      make_chart_(std::move(make_chart)),
      stack_(new QStackedWidget(this)),
      chart_(new LineChartWidget(stack_)),
      problem_(MakeProblemLabel({}, stack_)) {
  chart_->SetCurrency(currency);
  chart_->SetAxisName(axis_name);
  stack_->addWidget(chart_);
  stack_->addWidget(problem_);
  setCentralWidget(stack_);
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addAction(tr("&Export Picture..."), this, [this] {
    if (!showing_chart()) return;
    ExportPicture(this, "graph.png", kPictureSize, [this](platform::Canvas& canvas) {
      chart_->PaintOn(canvas, {0, 0, kPictureSize.width, kPictureSize.height}, false);
    });
  });
  file->addAction(tr("&Print..."), QKeySequence::Print, this, [this] {
    if (!showing_chart()) return;
    PrintOnePage(this, title_, [this](platform::Canvas& canvas) {
      const auto size = canvas.DeviceSize();
      const auto ppi = canvas.PixelsPerInch();
      chart_->PaintOn(canvas, {ppi.x / 2, ppi.y / 2, size.width - ppi.x / 2, size.height * 2 / 3},
                      true);
    });
  });
  file->addSeparator();
  file->addAction(tr("E&xit"), QKeySequence::Quit, this, &QWidget::close);
  setWindowTitle(title_);
  resize(900, 600);
}

void XyPlotWindow::Load(const QString& path) {
  const auto load = siblings::ReadXyGraphFile(path.toStdString());
  if (!load.ok()) {
    problem_->setText(painting::FromWindows1252(load.message));
    stack_->setCurrentWidget(problem_);
    return;
  }
  chart_->SetChart(make_chart_(*load.data));
  stack_->setCurrentWidget(chart_);
  setWindowTitle(title_ + " - " + QFileInfo(path).fileName());
}

}  // namespace tarvel::siblings_app
