// The Monte Carlo folder page and its fan-chart view.
#include "app/monte_carlo_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSplitter>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "analysis/assumed_allocation.h"
#include "analysis/rate_variation.h"
#include "engine/data_folders.h"
#include "graphs/fan_chart.h"
#include "graphs/paint_graph_page.h"
#include "painting/qt_canvas.h"
#include "painting/text_1252.h"

namespace tarvel::app {

// Draws the fan chart of the folder's analysis with the graph engine.
class FanChartView : public QWidget {
 public:
  FanChartView(const ui::MonteCarloFolder& folder, const QAbstractButton& todays_money,
               QWidget* parent)
      : QWidget(parent), folder_(folder), todays_money_(todays_money) {
    setMinimumSize(360, 240);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!folder_.ShowsFigures()) return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painting::QtCanvas canvas(painter);
    graphs::ChartContext context;
    context.area = {0, 0, width(), height()};
    context.font = graphs::ScreenChartFont();
    const bool todays_money = todays_money_.isChecked();
    const graphs::FanSeries series = folder_.Fan(todays_money);
    context.view.period_count = static_cast<float>(series.ages.size());
    graphs::FanChartRequest request;
    request.title = graphs::FanChartTitle(todays_money);
    graphs::DrawFanChart(canvas, context, series, request);
  }

 private:
  const ui::MonteCarloFolder& folder_;
  const QAbstractButton& todays_money_;
};

namespace {

constexpr int kProgressMilliseconds = 100;
constexpr int kSuccessPointSize = 28;

QString Html(const std::string& text) {
  return painting::FromWindows1252(text).toHtmlEscaped().replace('\n', "<br>");
}

// What varies in bold above the plain lines, the warning first when nothing does.
QString VariationHtml(const analysis::RateVariation& variation) {
  QString html;
  if (!variation.warning.empty()) html += "<b>" + Html(variation.warning) + "</b><br>";
  return html + Html(analysis::RateVariationText(variation));
}

QTreeWidget* MakeTable(const QStringList& headers, QWidget* parent) {
  auto* table = new QTreeWidget(parent);
  table->setHeaderLabels(headers);
  table->setRootIsDecorated(false);
  table->setUniformRowHeights(true);
  table->header()->setStretchLastSection(false);
  table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return table;
}

template <std::size_t N>
void FillTable(QTreeWidget& table, const std::vector<std::array<std::string, N>>& rows) {
  table.clear();
  QList<QTreeWidgetItem*> items;
  for (const auto& row : rows) {
    QStringList cells;
    for (const std::string& cell : row) cells << painting::FromWindows1252(cell);
    items << new QTreeWidgetItem(cells);
  }
  table.addTopLevelItems(items);
}

}  // namespace

MonteCarloPage::MonteCarloPage(MonteCarloPageHost host, QWidget* parent)
    : QWidget(parent), host_(std::move(host)) {
  setObjectName("monte_carlo_page");
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(FormRow());
  layout->addLayout(VariationRow());
  layout->addWidget(ResultsArea(), 1);
  progress_timer_ = new QTimer(this);
  progress_timer_->setInterval(kProgressMilliseconds);
  connect(progress_timer_, &QTimer::timeout, this, [this] { ShowProgress(); });
  FormChanged();
  SetRunning(false);
}

MonteCarloPage::~MonteCarloPage() {
  CancelAnalysis();
  WaitForAnalysis();
}

QLayout* MonteCarloPage::FormRow() {
  auto* grid = new QGridLayout;
  source_ = new QComboBox(this);
  for (const char* choice : ui::kSourceChoices) source_->addItem(choice);
  const ui::MonteCarloForm defaults;
  runs_ = new QLineEdit(QString::fromStdString(defaults.runs), this);
  seed_ = new QLineEdit(QString::fromStdString(defaults.seed), this);
  block_years_ = new QLineEdit(QString::fromStdString(defaults.block_years), this);
  for (QLineEdit* edit : {runs_, seed_, block_years_}) edit->setMaximumWidth(110);
  auto* new_seed = new QPushButton(tr("New Seed"), this);
  wrap_ = new QCheckBox(tr("Wrap to the first year when the data ends"), this);
  historical_inflation_ = new QCheckBox(tr("Historical inflation"), this);
  historical_inflation_->setChecked(defaults.historical_inflation);
  run_ = new QPushButton(tr("Run"), this);
  cancel_ = new QPushButton(tr("Cancel"), this);
  progress_ = new QProgressBar(this);
  grid->addWidget(new QLabel(tr("Source:"), this), 0, 0);
  grid->addWidget(source_, 0, 1);
  grid->addWidget(new QLabel(tr("Runs:"), this), 0, 2);
  grid->addWidget(runs_, 0, 3);
  grid->addWidget(new QLabel(tr("Seed:"), this), 0, 4);
  grid->addWidget(seed_, 0, 5);
  grid->addWidget(new_seed, 0, 6);
  grid->addWidget(new QLabel(tr("Block years:"), this), 0, 7);
  grid->addWidget(block_years_, 0, 8);
  grid->addWidget(wrap_, 1, 0, 1, 3);
  grid->addWidget(historical_inflation_, 1, 3, 1, 2);
  grid->addWidget(run_, 1, 7);
  grid->addWidget(cancel_, 1, 8);
  grid->addWidget(progress_, 2, 0, 1, 9);
  grid->setColumnStretch(9, 1);
  connect(new_seed, &QPushButton::clicked, this, [this] {
    seed_->setText(QString::number(QRandomGenerator::global()->bounded(1000000)));
  });
  connect(run_, &QPushButton::clicked, this, [this] { StartAnalysis(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { CancelAnalysis(); });
  const auto follow_source = [this] {
    const bool historical = source_->currentIndex() >= 2;
    wrap_->setEnabled(source_->currentIndex() == 2);
    historical_inflation_->setEnabled(historical);
    block_years_->setEnabled(source_->currentIndex() == 3);
    runs_->setEnabled(source_->currentIndex() != 2);
  };
  connect(source_, &QComboBox::currentIndexChanged, this, follow_source);
  follow_source();
  connect(source_, &QComboBox::currentIndexChanged, this, [this] { FormChanged(); });
  for (QLineEdit* edit : {runs_, seed_, block_years_}) {
    connect(edit, &QLineEdit::textChanged, this, [this] { FormChanged(); });
  }
  for (QCheckBox* box : {wrap_, historical_inflation_}) {
    connect(box, &QCheckBox::toggled, this, [this] { FormChanged(); });
  }
  return grid;
}

QLayout* MonteCarloPage::VariationRow() {
  auto* column = new QVBoxLayout;
  variation_ = new QLabel(this);
  variation_->setObjectName("monte_carlo_variation");
  variation_->setWordWrap(true);
  variation_->setTextFormat(Qt::RichText);
  assumed_allocation_ = new QCheckBox(
      tr("Assume an allocation for the accounts without one (this analysis only)"), this);
  assumption_note_ = new QLabel(
      QString(analysis::kAssumedAllocationRule) +
          tr(" This is an assumption: it applies to this analysis and does not change the plan."),
      this);
  assumption_note_->setWordWrap(true);
  column->addWidget(variation_);
  column->addWidget(assumed_allocation_);
  column->addWidget(assumption_note_);
  connect(assumed_allocation_, &QCheckBox::toggled, this, [this] { FormChanged(); });
  return column;
}

QWidget* MonteCarloPage::ResultsArea() {
  auto* splitter = new QSplitter(Qt::Horizontal, this);
  auto* left = new QWidget(splitter);
  auto* left_layout = new QVBoxLayout(left);
  left_layout->setContentsMargins(0, 0, 0, 0);
  success_ = new QLabel(left);
  QFont big = success_->font();
  big.setPointSize(kSuccessPointSize);
  big.setBold(true);
  success_->setFont(big);
  auto* definition = new QLabel(ui::kSuccessDefinition, left);
  definition->setWordWrap(true);
  status_ = new QLabel(left);
  status_->setWordWrap(true);
  auto* money = new QHBoxLayout;
  todays_money_ = new QRadioButton(tr("Today's money"), left);
  nominal_ = new QRadioButton(tr("Nominal (money of each year)"), left);
  todays_money_->setChecked(true);
  auto* money_group = new QButtonGroup(left);
  money_group->addButton(todays_money_);
  money_group->addButton(nominal_);
  money->addWidget(new QLabel(tr("Net worth in:"), left));
  money->addWidget(todays_money_);
  money->addWidget(nominal_);
  money->addStretch(1);
  fan_ = new FanChartView(folder_, *todays_money_, left);
  percentiles_ = MakeTable({tr("Age"), tr("5 %"), tr("10 %"), tr("25 %"), tr("Median"), tr("75 %"),
                            tr("90 %"), tr("95 %")},
                           left);
  left_layout->addWidget(success_);
  left_layout->addWidget(definition);
  left_layout->addWidget(status_);
  left_layout->addLayout(money);
  left_layout->addWidget(fan_, 3);
  left_layout->addWidget(percentiles_, 2);
  connect(todays_money_, &QRadioButton::toggled, this, [this] { ShowResult(); });
  auto* right = new QWidget(splitter);
  auto* right_layout = new QVBoxLayout(right);
  right_layout->setContentsMargins(0, 0, 0, 0);
  causes_ = MakeTable({tr("Red flag"), tr("Share of runs"), tr("Median first age")}, right);
  ranked_ =
      MakeTable({tr("Rank"), tr("Run"), tr("Final net worth (nominal)"), tr("Success")}, right);
  auto* open = new QPushButton(tr("Open this run in Results"), right);
  right_layout->addWidget(new QLabel(tr("Failure causes"), right));
  right_layout->addWidget(causes_, 1);
  right_layout->addWidget(new QLabel(tr("Runs by final net worth, lowest first"), right));
  right_layout->addWidget(ranked_, 2);
  right_layout->addWidget(open);
  connect(open, &QPushButton::clicked, this,
          [this] { OpenRankedRun(ranked_->indexOfTopLevelItem(ranked_->currentItem())); });
  connect(ranked_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { OpenRankedRun(ranked_->indexOfTopLevelItem(item)); });
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);
  return splitter;
}

ui::MonteCarloForm MonteCarloPage::Form() const {
  ui::MonteCarloForm form;
  form.source = source_->currentIndex();
  form.runs = runs_->text().trimmed().toStdString();
  form.seed = seed_->text().trimmed().toStdString();
  form.block_years = block_years_->text().trimmed().toStdString();
  form.wrap = wrap_->isChecked();
  form.historical_inflation = historical_inflation_->isChecked();
  form.assumed_allocation = assumed_allocation_->isChecked();
  return form;
}

void MonteCarloPage::FormChanged() {
  folder_.SetForm(Form());
  ShowVariation();
  ShowResult();
}

void MonteCarloPage::ShowVariation() {
  const ui::MonteCarloForm form = Form();
  std::string message;
  analysis::AnalysisOptions options;
  if (const auto read = ui::MonteCarloFolder::ReadForm(form, message)) options = *read;
  options.source = static_cast<analysis::RateSource>(std::max(form.source, 0));
  const analysis::RateVariation variation =
      analysis::DescribeRateVariation(host_.scenario(), options);
  variation_->setText(VariationHtml(variation));
  const bool offered = analysis::IsHistorical(options.source) &&
                       (variation.unallocated > 0 || assumed_allocation_->isChecked());
  assumed_allocation_->setVisible(offered);
  assumption_note_->setVisible(offered);
}

const analysis::HistoricalReturns* MonteCarloPage::Returns() {
  if (returns_) return &*returns_;
  const auto folders = engine::ProgramDataFolders(host_.workdir());
  const auto path = engine::FindDataFile(folders, analysis::kHistoricalReturnsFile);
  std::string error = std::string("The historical returns ") + analysis::kHistoricalReturnsFile +
                      " were not found among the planner's data files.";
  if (!path.empty()) returns_ = analysis::ReadHistoricalReturns(path, error);
  if (!returns_) host_.show_message(error);
  return returns_ ? &*returns_ : nullptr;
}

bool MonteCarloPage::StartAnalysis() {
  if (worker_) return false;
  std::string message;
  const auto options = ui::MonteCarloFolder::ReadForm(Form(), message);
  if (!options) {
    host_.show_message(message);
    return false;
  }
  const analysis::HistoricalReturns* returns = nullptr;
  if (analysis::IsHistorical(options->source) && !(returns = Returns())) return false;
  // The window stays open to edits while the runs go on: they read a copy of the scenario.
  scenario_copy_ = std::make_unique<model::Scenario>(host_.scenario());
  control_.cancel = false;
  control_.done = 0;
  runs_expected_ = options->source == analysis::RateSource::Historical && returns ? returns->count()
                                                                                  : options->runs;
  const analysis::AnalysisInputs inputs{scenario_copy_.get(), host_.clock,
                                        engine::ProgramDataFolders(host_.workdir()), returns};
  worker_ = QThread::create(
      [this, inputs, options = *options] { pending_ = RunMonteCarlo(inputs, options, control_); });
  // A worker already waited for (WaitForAnalysis) may still signal: only the current one counts.
  connect(worker_, &QThread::finished, this, [this, thread = worker_] {
    if (worker_ == thread) AnalysisFinished();
  });
  SetRunning(true);
  worker_->start();
  progress_timer_->start();
  return true;
}

void MonteCarloPage::CancelAnalysis() {
  if (worker_) control_.cancel = true;
}

void MonteCarloPage::WaitForAnalysis() {
  if (!worker_) return;
  worker_->wait();
  AnalysisFinished();
}

void MonteCarloPage::ScenarioChanged() {
  folder_.MarkStale();
  status_->setText(painting::FromWindows1252(folder_.StatusText()));
  ShowVariation();
}

void MonteCarloPage::OpenRankedRun(int row) {
  const auto choice = folder_.ChoiceOfRanked(row);
  if (!choice) {
    host_.show_message("Choose a run in the list first.");
    return;
  }
  host_.open_run(*choice, analysis::IsHistorical(choice->source) ? Returns() : nullptr);
}

void MonteCarloPage::ShowProgress() {
  progress_->setMaximum(std::max(runs_expected_, 1));
  progress_->setValue(std::min(control_.done.load(), runs_expected_));
}

void MonteCarloPage::AnalysisFinished() {
  if (!worker_) return;
  worker_->wait();
  worker_->deleteLater();
  worker_ = nullptr;
  progress_timer_->stop();
  scenario_copy_.reset();
  SetRunning(false);
  if (pending_.cancelled) {
    status_->setText(tr("The analysis was cancelled."));
    progress_->setValue(0);
    return;
  }
  if (!pending_.error.empty()) {
    host_.show_message(pending_.error);
    return;
  }
  folder_.SetResult(std::move(pending_));
  pending_ = {};
  folder_.SetForm(Form());
  ShowResult();
}

void MonteCarloPage::ShowResult() {
  const bool shown = folder_.ShowsFigures();
  success_->setText(shown ? tr("Success: %1").arg(QString::fromStdString(folder_.SuccessFigure()))
                          : QString());
  status_->setText(painting::FromWindows1252(folder_.StatusText()));
  FillTable(*percentiles_, folder_.PercentileRows(todays_money_->isChecked(), host_.currency()));
  FillTable(*causes_, folder_.CauseRows());
  FillTable(*ranked_, folder_.RankedRows(host_.currency()));
  progress_->setValue(shown ? progress_->maximum() : 0);
  fan_->update();
}

void MonteCarloPage::SetRunning(bool running) {
  run_->setEnabled(!running);
  cancel_->setEnabled(running);
}

}  // namespace tarvel::app
