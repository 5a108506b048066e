// Scenario files run into a scratch folder of their own, so the planner's run files in the
// working directory are never touched.
#include "siblings_app/comparer_window.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "painting/text_1252.h"
#include "siblings/aligned_text.h"
#include "siblings/comparison_chart.h"
#include "siblings/plan_file.h"
#include "siblings/plot_chart_source.h"
#include "siblings_app/sibling_output.h"

namespace tarvel::siblings_app {
namespace {

constexpr platform::Size kPictureSize{1200, 800};

QString Text(const std::string& text) { return painting::FromWindows1252(text); }

// The table page of the printout: one line per row, columns at even steps.
void PaintTable(platform::Canvas& canvas, const siblings::TextTable& table) {
  const auto ppi = canvas.PixelsPerInch();
  const platform::Font font("Courier", -std::max(8, ppi.y / 8));
  const int line = canvas.Measure(font).LineHeight();
  const auto size = canvas.DeviceSize();
  const int left = ppi.x / 2;
  const int label_width = (size.width - ppi.x) * 2 / 5;
  const int columns = table.empty() ? 1 : static_cast<int>(table.front().size()) - 1;
  const int column_width = (size.width - ppi.x - label_width) / std::max(1, columns);
  int y = ppi.y / 2;
  for (const auto& row : table) {
    for (std::size_t cell = 0; cell < row.size(); ++cell) {
      if (cell == 0) {
        canvas.DrawText({left, y}, row[cell], font, {});
      } else {
        const int right = left + label_width + column_width * static_cast<int>(cell);
        canvas.DrawText({right, y}, row[cell], font,
                        siblings::Aligned(platform::HorizontalAlign::Right));
      }
    }
    y += line * 3 / 2;
  }
}

}  // namespace

ComparerWindow::ComparerWindow(const QString& plot_path, const model::Currency& currency)
    : currency_(currency),
      problem_(MakeProblemLabel({})),
      ages_(new QLineEdit("65, 75, 85, 95")),
      chart_(new LineChartWidget),
      table_(new QTableWidget),
      splitter_(new QSplitter(Qt::Vertical)) {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* controls = new QHBoxLayout;
  auto* add = new QPushButton(tr("&Add Plan..."));
  auto* remove = new QPushButton(tr("&Remove Last Plan"));
  controls->addWidget(add);
  controls->addWidget(remove);
  controls->addSpacing(16);
  auto* ages_label = new QLabel(tr("Net worth at &ages:"));
  ages_label->setBuddy(ages_);
  controls->addWidget(ages_label);
  controls->addWidget(ages_);
  controls->addStretch();
  layout->addLayout(controls);
  problem_->setStyleSheet("color: #b00000;");
  problem_->setMargin(4);
  problem_->hide();
  layout->addWidget(problem_);
  splitter_->addWidget(chart_);
  splitter_->addWidget(table_);
  splitter_->setStretchFactor(0, 1);
  splitter_->setStretchFactor(1, 0);
  splitter_->setChildrenCollapsible(false);
  layout->addWidget(splitter_, 1);
  setCentralWidget(central);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Each plan's column is as wide as its figures (or its name); the figures stay beside
  // their labels however wide the window is.
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(false);
  table_->horizontalHeader()->setMinimumSectionSize(140);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  chart_->SetCurrency(currency_);
  connect(add, &QPushButton::clicked, this, &ComparerWindow::ChoosePlan);
  connect(remove, &QPushButton::clicked, this, &ComparerWindow::RemoveLastPlan);
  connect(ages_, &QLineEdit::editingFinished, this, &ComparerWindow::Refresh);
  BuildMenus();
  setWindowTitle(tr("Tarvel Scenario Comparer"));
  resize(1000, 760);
  AddPlan(plot_path);
  Refresh();
}

void ComparerWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addAction(tr("&Add Plan..."), QKeySequence::Open, this, &ComparerWindow::ChoosePlan);
  file->addAction(tr("Export &Table as CSV..."), this, &ComparerWindow::ExportCsv);
  file->addAction(tr("Export &Graph Picture..."), this, [this] {
    ExportPicture(this, "comparison.png", kPictureSize, [this](platform::Canvas& canvas) {
      chart_->PaintOn(canvas, {0, 0, kPictureSize.width, kPictureSize.height}, false);
    });
  });
  file->addAction(tr("&Print..."), QKeySequence::Print, this, &ComparerWindow::PrintBoth);
  file->addSeparator();
  file->addAction(tr("E&xit"), QKeySequence::Quit, this, &QWidget::close);
}

bool ComparerWindow::AddPlan(const QString& path) {
  if (plan_count() >= siblings::kMostComparedPlans) {
    problem_->setText(tr("Four plans are compared at most; remove one first."));
    problem_->show();
    return false;
  }
  const QString scratch = scratch_.filePath(QString("plan%1").arg(plan_count() + 1));
  auto load = siblings::LoadPlanFile(path.toStdString(), scratch.toStdString(), clock_);
  if (!load.ok()) {
    problem_->setText(Text(load.message));
    problem_->show();
    return false;
  }
  problem_->clear();
  problem_->hide();
  names_.push_back(QFileInfo(path).fileName() == "plotinf01.tmp"
                       ? load.data->ScenarioName()
                       : QFileInfo(path).fileName().toStdString());
  plans_.push_back(std::move(*load.data));
  chart_->SetPalette(siblings::PlotPalette(plans_.front()));
  return true;
}

void ComparerWindow::ChoosePlan() {
  const QString path = QFileDialog::getOpenFileName(
      this, tr("Add a Plan"), QString(),
      tr("Plans (*.tvp *.TVP *.ret *.RET *.tmp);;Graph Files (*.tvp *.TVP);;Scenario Files "
         "(*.ret *.RET);;All files (*)"));
  if (!path.isEmpty() && AddPlan(path)) Refresh();
}

void ComparerWindow::RemoveLastPlan() {
  if (plans_.size() <= 1) return;
  plans_.pop_back();
  names_.pop_back();
  Refresh();
}

std::vector<int> ComparerWindow::ChosenAges() const {
  std::vector<int> ages;
  for (const QString& word :
       ages_->text().split(QRegularExpression("[,; ]+"), Qt::SkipEmptyParts)) {
    bool ok = false;
    const int age = word.toInt(&ok);
    if (ok && age > 0 && age < 130) ages.push_back(age);
  }
  return ages;
}

std::vector<siblings::PlanFigures> ComparerWindow::Figures(std::vector<int>& ages) const {
  ages = siblings::AgesInside(plans_, ChosenAges());
  std::vector<siblings::PlanFigures> figures;
  for (std::size_t plan = 0; plan < plans_.size(); ++plan) {
    figures.push_back(siblings::FiguresOf(plans_[plan], names_[plan], ages));
  }
  return figures;
}

void ComparerWindow::Refresh() {
  chart_->SetChart(siblings::ComparisonChart(plans_, names_));
  std::vector<int> ages;
  const auto table = siblings::ComparisonTable(Figures(ages), ages, currency_);
  table_->clear();
  table_->setRowCount(static_cast<int>(table.size()) - 1);
  table_->setColumnCount(static_cast<int>(table.front().size()) - 1);
  for (std::size_t column = 1; column < table.front().size(); ++column) {
    table_->setHorizontalHeaderItem(static_cast<int>(column) - 1,
                                    new QTableWidgetItem(Text(table.front()[column])));
  }
  for (std::size_t row = 1; row < table.size(); ++row) {
    table_->setVerticalHeaderItem(static_cast<int>(row) - 1,
                                  new QTableWidgetItem(Text(table[row][0])));
    for (std::size_t column = 1; column < table[row].size(); ++column) {
      auto* item = new QTableWidgetItem(Text(table[row][column]));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(static_cast<int>(row) - 1, static_cast<int>(column) - 1, item);
    }
  }
  FitTableHeight();
}

// The table gets the height of all its rows, the chart the rest; the user's own split stays
// until the number of rows changes (the ages asked for).
void ComparerWindow::FitTableHeight() {
  if (table_->rowCount() == fitted_rows_) return;
  fitted_rows_ = table_->rowCount();
  table_->resizeRowsToContents();
  const int needed = table_->horizontalHeader()->sizeHint().height() +
                     table_->verticalHeader()->length() + 2 * table_->frameWidth() + 2;
  const QList<int> sizes = splitter_->sizes();
  const int total = std::max(sizes.value(0) + sizes.value(1), height());
  splitter_->setSizes({std::max(total - needed, total / 3), needed});
}

void ComparerWindow::ExportCsv() {
  const QString path = QFileDialog::getSaveFileName(this, tr("Export Table"), "comparison.csv",
                                                    tr("CSV files (*.csv)"));
  if (path.isEmpty()) return;
  std::vector<int> ages;
  const std::string csv = siblings::ComparisonCsv(Figures(ages), ages);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(csv.data(), static_cast<qint64>(csv.size())) < 0 || !file.commit()) {
    QMessageBox::warning(this, tr("FILE ERROR"), tr("Cannot open %1 for writing!").arg(path));
  }
}

void ComparerWindow::PrintBoth() {
  std::vector<int> ages;
  const auto table = siblings::ComparisonTable(Figures(ages), ages, currency_);
  PrintWithDialog(this, tr("Comparing Scenarios"), [&](platform::PageSink& sink) {
    platform::Canvas* canvas = sink.BeginPage();
    if (!canvas) return false;
    const auto size = canvas->DeviceSize();
    const auto ppi = canvas->PixelsPerInch();
    chart_->PaintOn(*canvas, {ppi.x / 2, ppi.y / 2, size.width - ppi.x / 2, size.height / 2}, true);
    sink.EndPage();
    canvas = sink.BeginPage();
    if (!canvas) return false;
    PaintTable(*canvas, table);
    sink.EndPage();
    return true;
  });
}

}  // namespace tarvel::siblings_app
