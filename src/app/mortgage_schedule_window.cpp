// The mortgage schedule window's widgets over its presenter.
#include "app/mortgage_schedule_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/report_window.h"

namespace tarvel::app {

MortgageScheduleWindow::MortgageScheduleWindow(
    std::unique_ptr<ui::MortgageSchedulePresenter> presenter, const QColor& band, QWidget* parent)
    : QDialog(parent), presenter_(std::move(presenter)) {
  setObjectName("moschedule");
  setWindowTitle(ui::kMortgageScheduleTitle);
  auto* layout = new QVBoxLayout(this);
  list_ = new QTreeWidget(this);
  list_->setObjectName("schedule_list");
  const std::vector<std::string> titles(results::kMortgageScheduleTitles.begin(),
                                        results::kMortgageScheduleTitles.end());
  FillBandedList(*list_, titles, presenter_->rows(), band);
  layout->addWidget(list_);
  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName("ok");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* print = new QPushButton(tr("Print"), this);
  print->setObjectName("print");
  print->setEnabled(!presenter_->rows().empty());
  connect(print, &QPushButton::clicked, this, [this] { presenter_->Print(); });
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(print);
  buttons->addStretch();
  layout->addLayout(buttons);
  resize(1180, 560);
}

MortgageScheduleWindow::~MortgageScheduleWindow() = default;

// The columns are laid out again from the new width, as the list is rebuilt on resizing.
void MortgageScheduleWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  SizeColumns();
}

void MortgageScheduleWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  SizeColumns();
}

void MortgageScheduleWindow::SizeColumns() {
  // The list's own width stands for the window's client width.
  const std::vector<int> widths =
      ui::MortgageSchedulePresenter::ColumnWidths(list_->viewport()->width() + 20);
  for (std::size_t column = 0; column < widths.size(); ++column) {
    list_->setColumnWidth(static_cast<int>(column), widths[column]);
  }
}

}  // namespace tarvel::app
