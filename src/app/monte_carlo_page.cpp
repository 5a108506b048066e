// The Monte Carlo folder page and its fan-chart view.
#include "app/monte_carlo_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "analysis/assumed_allocation.h"
#include "analysis/rate_variation.h"
#include "app/graph_page.h"
#include "app/list_colours.h"
#include "engine/data_folders.h"
#include "graphs/fan_chart.h"
#include "graphs/paint_graph_page.h"
#include "painting/qt_canvas.h"
#include "painting/text_1252.h"

namespace tarvel::app {

// Draws the fan chart of the folder's analysis with the graph engine, in the desktop's palette
// (the bands keep their hue); printed and saved charts stay on white.
class FanChartView : public QWidget {
 public:
  FanChartView(const ui::MonteCarloFolder& folder, const QAbstractButton& todays_money,
               QWidget* parent)
      : QWidget(parent), folder_(folder), todays_money_(todays_money) {
    setObjectName("monte_carlo_fan");
    setMinimumSize(240, 160);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    // On screen the fan follows the desktop palette, as the graph pages do.
    const graphs::ChartScheme scheme = ScreenSchemeOf(palette());
    QPainter painter(this);
    painter.fillRect(rect(), QColorOf(scheme.background));
    if (!folder_.ShowsFigures()) return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painting::QtCanvas canvas(painter);
    graphs::ChartContext context;
    context.area = {0, 0, width(), height()};
    context.font = graphs::ScreenChartFont();
    context.scheme = scheme;
    context.palette = graphs::InScheme(context.palette, scheme);
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
// The success figure's size against the page's font.
constexpr double kSuccessFontScale = 2.0;
// The chart's share of the height it shares with the tables, at first.
constexpr int kChartStretch = 2;
constexpr int kTablesStretch = 1;
// The number fields are wide enough for this many digits, and no wider.
constexpr int kDigitsShown = 10;

// The settings in a side panel that scrolls down but is never narrower than its widest row,
// so no caption is cut, whatever the font.
class SettingsPanel : public QScrollArea {
 public:
  explicit SettingsPanel(QWidget* parent) : QScrollArea(parent) {
    setObjectName("monte_carlo_settings");
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
  QSize minimumSizeHint() const override {
    const QSize content = widget() ? widget()->minimumSizeHint() : QSize();
    return {content.width() + verticalScrollBar()->sizeHint().width() + 2 * frameWidth(),
            QScrollArea::minimumSizeHint().height()};
  }
  // As narrow as it can be without cutting a caption: the rest of the page is the chart's.
  QSize sizeHint() const override {
    return {minimumSizeHint().width(), QScrollArea::sizeHint().height()};
  }
};

QString Html(const std::string& text) {
  return painting::FromWindows1252(text).toHtmlEscaped().replace('\n', "<br>");
}

// What varies in bold above the plain lines, the warning first when nothing does.
QString VariationHtml(const analysis::RateVariation& variation) {
  QString html;
  if (!variation.warning.empty()) html += "<b>" + Html(variation.warning) + "</b><br>";
  return html + Html(analysis::RateVariationText(variation));
}

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

// Columns as wide as their headers and cells; a table narrower than that scrolls.
QTreeWidget* MakeTable(const QStringList& headers, QWidget* parent) {
  auto* table = new QTreeWidget(parent);
  table->setHeaderLabels(headers);
  table->setRootIsDecorated(false);
  table->setUniformRowHeights(true);
  table->header()->setStretchLastSection(false);
  table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  return table;
}

template <std::size_t N>
QList<QTreeWidgetItem*> Items(const std::vector<std::array<std::string, N>>& rows) {
  QList<QTreeWidgetItem*> items;
  for (const auto& row : rows) {
    QStringList cells;
    for (const std::string& cell : row) cells << painting::FromWindows1252(cell);
    items << new QTreeWidgetItem(cells);
  }
  return items;
}

template <std::size_t N>
void FillTable(QTreeWidget& table, const std::vector<std::array<std::string, N>>& rows) {
  table.clear();
  table.addTopLevelItems(Items(rows));
}

// The failures, then the warnings, each under its title; nothing while no figures show.
void FillCauses(QTreeWidget& table, const ui::MonteCarloFolder& folder) {
  table.clear();
  if (!folder.ShowsFigures()) return;
  for (const bool failures : {true, false}) {
    auto* section =
        new QTreeWidgetItem(QStringList{failures ? ui::kFailuresTitle : ui::kWarningsTitle});
    QFont bold = table.font();
    bold.setBold(true);
    section->setFont(0, bold);
    section->addChildren(Items(folder.CauseRows(failures)));
    table.addTopLevelItem(section);
    section->setExpanded(true);
  }
}

}  // namespace

MonteCarloPage::MonteCarloPage(MonteCarloPageHost host, QWidget* parent)
    : QWidget(parent), host_(std::move(host)) {
  setObjectName("monte_carlo_page");
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->setObjectName("monte_carlo_splitter");
  auto* panel = new SettingsPanel(splitter);
  auto* settings = new QWidget(panel);
  auto* column = new QVBoxLayout(settings);
  column->addLayout(FormRows(settings));
  column->addLayout(VariationRows(settings));
  column->addStretch(1);
  panel->setWidget(settings);
  splitter->addWidget(panel);
  splitter->addWidget(ResultsArea(splitter));
  splitter->setStretchFactor(0, 0);
  splitter->setStretchFactor(1, 1);
  layout->addWidget(splitter);
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

QLayout* MonteCarloPage::FormRows(QWidget* parent) {
  auto* column = new QVBoxLayout;
  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  source_ = new QComboBox(parent);
  for (const char* choice : ui::kSourceChoices) source_->addItem(choice);
  const ui::MonteCarloForm defaults;
  runs_ = new QLineEdit(QString::fromStdString(defaults.runs), parent);
  seed_ = new QLineEdit(QString::fromStdString(defaults.seed), parent);
  block_years_ = new QLineEdit(QString::fromStdString(defaults.block_years), parent);
  for (QLineEdit* edit : {runs_, seed_, block_years_}) {
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QString(kDigitsShown, '0')));
  }
  auto* new_seed = new QPushButton(tr("New Seed"), parent);
  auto* seed_row = new QHBoxLayout;
  seed_row->addWidget(seed_);
  seed_row->addWidget(new_seed);
  seed_row->addStretch(1);
  form->addRow(tr("Source:"), source_);
  form->addRow(tr("Runs:"), runs_);
  form->addRow(tr("Seed:"), seed_row);
  form->addRow(tr("Block years:"), block_years_);
  wrap_ = new QCheckBox(tr("Wrap when the data ends"), parent);
  historical_inflation_ = new QCheckBox(tr("Historical inflation"), parent);
  historical_inflation_->setChecked(defaults.historical_inflation);
  run_ = new QPushButton(tr("Run"), parent);
  cancel_ = new QPushButton(tr("Cancel"), parent);
  progress_ = new QProgressBar(parent);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(run_);
  buttons->addWidget(cancel_);
  buttons->addStretch(1);
  column->addLayout(form);
  column->addWidget(wrap_);
  column->addWidget(historical_inflation_);
  column->addLayout(buttons);
  column->addWidget(progress_);
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
  return column;
}

QLayout* MonteCarloPage::VariationRows(QWidget* parent) {
  auto* column = new QVBoxLayout;
  variation_ = WrappedLabel({}, parent);
  variation_->setObjectName("monte_carlo_variation");
  variation_->setTextFormat(Qt::RichText);
  assumed_allocation_ = new QCheckBox(tr("Assume an allocation"), parent);
  assumption_note_ = WrappedLabel(
      QString(analysis::kAssumedAllocationRule) +
          tr(" This is an assumption: it applies to this analysis and does not change the plan."),
      parent);
  column->addWidget(variation_);
  column->addWidget(assumed_allocation_);
  column->addWidget(assumption_note_);
  connect(assumed_allocation_, &QCheckBox::toggled, this, [this] { FormChanged(); });
  return column;
}

QWidget* MonteCarloPage::ResultsArea(QWidget* parent) {
  auto* area = new QWidget(parent);
  auto* layout = new QVBoxLayout(area);
  success_ = new QLabel(area);
  QFont big = success_->font();
  big.setPointSizeF(big.pointSizeF() * kSuccessFontScale);
  big.setBold(true);
  success_->setFont(big);
  status_ = WrappedLabel({}, area);
  auto* money = new QHBoxLayout;
  todays_money_ = new QRadioButton(tr("Today's money"), area);
  nominal_ = new QRadioButton(tr("Nominal (money of each year)"), area);
  todays_money_->setChecked(true);
  auto* money_group = new QButtonGroup(area);
  money_group->addButton(todays_money_);
  money_group->addButton(nominal_);
  money->addWidget(todays_money_);
  money->addWidget(nominal_);
  money->addStretch(1);
  auto* chart_and_tables = new QSplitter(Qt::Vertical, area);
  fan_ = new FanChartView(folder_, *todays_money_, chart_and_tables);
  chart_and_tables->addWidget(fan_);
  chart_and_tables->addWidget(TablesArea(chart_and_tables));
  chart_and_tables->setStretchFactor(0, kChartStretch);
  chart_and_tables->setStretchFactor(1, kTablesStretch);
  chart_and_tables->setChildrenCollapsible(false);
  layout->addWidget(success_);
  layout->addWidget(WrappedLabel(ui::kSuccessDefinition, area));
  layout->addWidget(status_);
  layout->addLayout(money);
  layout->addWidget(chart_and_tables, 1);
  connect(todays_money_, &QRadioButton::toggled, this, [this] { ShowResult(); });
  return area;
}

QWidget* MonteCarloPage::TablesArea(QWidget* parent) {
  auto* tabs = new QTabWidget(parent);
  tabs->setObjectName("monte_carlo_tables");
  percentiles_ = MakeTable({tr("Age"), tr("5 %"), tr("10 %"), tr("25 %"), tr("Median"), tr("75 %"),
                            tr("90 %"), tr("95 %")},
                           tabs);
  causes_ = MakeTable({tr("Red flag"), tr("Share of runs"), tr("Median first age")}, tabs);
  causes_->setRootIsDecorated(true);
  auto* runs = new QWidget(tabs);
  auto* runs_layout = new QVBoxLayout(runs);
  ranked_ =
      MakeTable({tr("Rank"), tr("Run"), tr("Final net worth (nominal)"), tr("Success")}, runs);
  auto* open = new QPushButton(tr("Open this run in Results"), runs);
  runs_layout->addWidget(ranked_, 1);
  runs_layout->addWidget(open, 0, Qt::AlignLeft);
  tabs->addTab(percentiles_, tr("Net worth by age"));
  tabs->addTab(causes_, tr("Failure causes"));
  tabs->addTab(runs, tr("Runs by final net worth"));
  connect(open, &QPushButton::clicked, this,
          [this] { OpenRankedRun(ranked_->indexOfTopLevelItem(ranked_->currentItem())); });
  connect(ranked_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { OpenRankedRun(ranked_->indexOfTopLevelItem(item)); });
  return tabs;
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
                                        engine::ProgramDataFolders(host_.workdir()), returns,
                                        nullptr};
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
  FillCauses(*causes_, folder_);
  FillTable(*ranked_, folder_.RankedRows(host_.currency()));
  progress_->setValue(shown ? progress_->maximum() : 0);
  fan_->update();
}

void MonteCarloPage::SetRunning(bool running) {
  run_->setEnabled(!running);
  cancel_->setEnabled(running);
}

}  // namespace tarvel::app
