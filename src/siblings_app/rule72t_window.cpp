// Values are checked with the planner's Rule 72T checks; a refused value shows its message
// in the window instead of results.
#include "siblings_app/rule72t_window.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QVBoxLayout>

#include "calculators/rule72t_checks.h"
#include "engine/data_folders.h"
#include "painting/text_1252.h"
#include "siblings/aligned_text.h"
#include "siblings_app/sibling_output.h"

namespace tarvel::siblings_app {
namespace {

using engine::LifeExpectancySource;
using engine::Rule72TMethod;

QString Text(const std::string& text) { return painting::FromWindows1252(text); }

QDoubleSpinBox* SpinBox(double low, double high, double value, int decimals) {
  auto* box = new QDoubleSpinBox;
  box->setRange(low, high);
  box->setDecimals(decimals);
  box->setValue(value);
  box->setKeyboardTracking(true);
  return box;
}

// The life tables a source needs were found; otherwise their messages.
QString TableProblems(const engine::LifeTablesRead& read, LifeExpectancySource source) {
  QStringList problems;
  for (const engine::LifeTableProblem& problem : read.problems) {
    if (problem.file == engine::kJointTableFileName && source != LifeExpectancySource::JointLife) {
      continue;
    }
    problems << Text(problem.text);
  }
  return problems.join('\n');
}

}  // namespace

Rule72TWindow::Rule72TWindow(const model::Currency& currency)
    : currency_(currency),
      tables_(engine::ReadLifeTables(engine::ProgramDataFolders("."))),
      age_(SpinBox(1, 115, 50, 0)),
      beneficiary_age_(SpinBox(1, 115, 50, 0)),
      balance_(SpinBox(0, 1e12, 500000, 2)),
      rate_(SpinBox(0, 100, 5, 3)),
      table_(new QComboBox),
      method_(new QComboBox),
      rate_note_(new QLabel),
      problem_(new QLabel),
      series_(new QTableWidget) {
  table_->addItems({tr("Single life"), tr("Uniform lifetime"), tr("Joint life")});
  method_->addItems({tr("Annuitization"), tr("Amortization"), tr("Minimum distribution")});
  method_->setCurrentIndex(static_cast<int>(Rule72TMethod::Amortization));
  rate_note_->setWordWrap(true);
  problem_->setStyleSheet("color: #b00000;");
  problem_->setWordWrap(true);
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* form = new QFormLayout;
  form->addRow(tr("&Age:"), age_);
  form->addRow(tr("&Beneficiary age:"), beneficiary_age_);
  form->addRow(tr("Account b&alance:"), balance_);
  auto* rate_row = new QHBoxLayout;
  rate_row->addWidget(rate_);
  rate_row->addWidget(rate_note_, 1);
  auto* rate_label = new QLabel(tr("&Rate (%):"));
  rate_label->setBuddy(rate_);
  form->addRow(rate_label, rate_row);
  form->addRow(tr("Life expectancy &table:"), table_);
  const QString names[] = {tr("Annuitization:"), tr("Amortization:"), tr("Minimum distribution:")};
  for (int method = 0; method < 3; ++method) {
    results_[static_cast<std::size_t>(method)] = new QLabel;
    results_[static_cast<std::size_t>(method)]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(names[method], results_[static_cast<std::size_t>(method)]);
  }
  form->addRow(tr("Series by &method:"), method_);
  layout->addLayout(form);
  layout->addWidget(problem_);
  layout->addWidget(series_, 1);
  series_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  series_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  series_->verticalHeader()->hide();
  setCentralWidget(central);
  for (QDoubleSpinBox* box : {age_, beneficiary_age_, balance_, rate_}) {
    connect(box, &QDoubleSpinBox::valueChanged, this, &Rule72TWindow::Recalculate);
  }
  connect(table_, &QComboBox::currentIndexChanged, this, &Rule72TWindow::Recalculate);
  connect(method_, &QComboBox::currentIndexChanged, this, &Rule72TWindow::Recalculate);
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addAction(tr("&Print..."), QKeySequence::Print, this, &Rule72TWindow::Print);
  file->addSeparator();
  file->addAction(tr("E&xit"), QKeySequence::Quit, this, &QWidget::close);
  setWindowTitle(tr("Tarvel Rule 72T Distributions"));
  resize(760, 640);
  Recalculate();
}

siblings::Rule72TInputs Rule72TWindow::Inputs() const {
  siblings::Rule72TInputs inputs;
  inputs.age = static_cast<float>(age_->value());
  inputs.beneficiary_age = static_cast<float>(beneficiary_age_->value());
  inputs.balance = static_cast<float>(balance_->value());
  inputs.rate = static_cast<float>(rate_->value());
  inputs.source = static_cast<LifeExpectancySource>(table_->currentIndex());
  inputs.method = static_cast<Rule72TMethod>(method_->currentIndex());
  return inputs;
}

void Rule72TWindow::SetInputs(const siblings::Rule72TInputs& inputs) {
  age_->setValue(inputs.age);
  beneficiary_age_->setValue(inputs.beneficiary_age);
  balance_->setValue(inputs.balance);
  rate_->setValue(inputs.rate);
  table_->setCurrentIndex(static_cast<int>(inputs.source));
  method_->setCurrentIndex(static_cast<int>(inputs.method));
  Recalculate();
}

QString Rule72TWindow::Result(Rule72TMethod method) const {
  return results_[static_cast<std::size_t>(method)]->text();
}

void Rule72TWindow::Recalculate() {
  const siblings::Rule72TInputs inputs = Inputs();
  rate_note_->setText(Text(siblings::RateLimitNote(inputs.rate)));
  calculators::Rule72TValues values{inputs.age, inputs.beneficiary_age, inputs.age, inputs.rate,
                                    inputs.source};
  QString problem = TableProblems(tables_, inputs.source);
  if (const auto refused = calculators::CheckRule72TValues(values)) {
    problem = Text(refused->message);
  }
  problem_->setText(problem);
  series_->clear();
  series_->setRowCount(0);
  if (!problem.isEmpty()) {
    for (QLabel* label : results_) label->clear();
    return;
  }
  const auto amounts = engine::Rule72TResults(tables_.tables, inputs.age, inputs.beneficiary_age,
                                              inputs.balance, inputs.rate, inputs.source);
  results_[0]->setText(Text(model::Money(amounts.annuitization, currency_)));
  results_[1]->setText(Text(model::Money(amounts.amortization, currency_)));
  results_[2]->setText(Text(model::Money(amounts.minimum, currency_)));
  const auto table =
      siblings::SeriesTable(siblings::Rule72TSeries(tables_.tables, inputs), currency_);
  series_->setColumnCount(static_cast<int>(table.front().size()));
  series_->setRowCount(static_cast<int>(table.size()) - 1);
  for (std::size_t column = 0; column < table.front().size(); ++column) {
    series_->setHorizontalHeaderItem(static_cast<int>(column),
                                     new QTableWidgetItem(Text(table.front()[column])));
  }
  for (std::size_t row = 1; row < table.size(); ++row) {
    for (std::size_t column = 0; column < table[row].size(); ++column) {
      auto* item = new QTableWidgetItem(Text(table[row][column]));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      series_->setItem(static_cast<int>(row) - 1, static_cast<int>(column), item);
    }
  }
}

void Rule72TWindow::Print() {
  if (!problem_->text().isEmpty()) return;
  const siblings::Rule72TInputs inputs = Inputs();
  const auto table =
      siblings::SeriesTable(siblings::Rule72TSeries(tables_.tables, inputs), currency_);
  std::vector<std::string> heading = {
      "Rule 72T Distributions",
      model::Format("Age %.0f, beneficiary age %.0f, balance ", inputs.age,
                    inputs.beneficiary_age) +
          model::Money(inputs.balance, currency_) + ", rate " + model::RateText(inputs.rate),
      "Annuitization: " + painting::ToWindows1252(results_[0]->text()),
      "Amortization: " + painting::ToWindows1252(results_[1]->text()),
      "Minimum distribution: " + painting::ToWindows1252(results_[2]->text()),
      "Series by " + painting::ToWindows1252(method_->currentText()) + ":"};
  PrintOnePage(this, tr("Rule 72T Distributions"), [&](platform::Canvas& canvas) {
    const auto ppi = canvas.PixelsPerInch();
    const platform::Font font("Courier", -std::max(8, ppi.y / 8));
    const int line = canvas.Measure(font).LineHeight();
    const int left = ppi.x / 2;
    const int column_width = (canvas.DeviceSize().width - ppi.x) / 6;
    int y = ppi.y / 2;
    for (const std::string& text : heading) {
      canvas.DrawText({left, y}, text, font, {});
      y += line * 3 / 2;
    }
    for (const auto& row : table) {
      for (std::size_t column = 0; column < row.size(); ++column) {
        canvas.DrawText({left + column_width * static_cast<int>(column + 1) - line, y}, row[column],
                        font, siblings::Aligned(platform::HorizontalAlign::Right));
      }
      y += line;
    }
  });
}

}  // namespace tarvel::siblings_app
