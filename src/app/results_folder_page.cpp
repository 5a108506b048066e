// The results folder page: the runs, the check boxes and the navigation above the list, the
// list with its column header, and help, print and save below it.
#include "app/results_folder_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "app/results_list_model.h"
#include "app/results_list_view.h"
#include "app/results_row_delegate.h"
#include "painting/text_1252.h"

namespace tarvel::app {
namespace {

constexpr int kGoToLength = 9;

QString ControlName(ui::ResultsCommand command) {
  return QStringLiteral("control%1").arg(static_cast<int>(command));
}

}  // namespace

ResultsFolderPage::ResultsFolderPage(ui::ResultsFolder& folder, QWidget* parent)
    : QWidget(parent),
      folder_(folder),
      model_(new ResultsListModel(folder, this)),
      list_(new ResultsListView(this)) {
  list_->setModel(model_);
  list_->setItemDelegate(new ResultsRowDelegate(list_->header(), list_));
  list_->setAccessibleName(QStringLiteral("Results"));
  connect(list_, &ResultsListView::rowActivated, this,
          [this](int row) { folder_.ActivateRow(row); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(RunRow());
  layout->addLayout(NavigationRow());
  layout->addLayout(ListRow(), 1);
  layout->addLayout(ButtonRow());
  folder_.Attach(this);
}

ResultsFolderPage::~ResultsFolderPage() { folder_.Attach(nullptr); }

QPushButton* ResultsFolderPage::AddButton(const char* caption, ui::ResultsCommand command) {
  auto* button = new QPushButton(QString::fromLatin1(caption), this);
  button->setObjectName(ControlName(command));
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this,
          [this, command] { folder_.HandleCommand(static_cast<int>(command)); });
  return button;
}

QCheckBox* ResultsFolderPage::AddCheckBox(const char* caption, ui::ResultsCommand command) {
  auto* box = new QCheckBox(QString::fromLatin1(caption), this);
  box->setObjectName(ControlName(command));
  // The folder keeps the flag and sets the box; only the user's clicks come back.
  connect(box, &QCheckBox::clicked, this,
          [this, command] { folder_.HandleCommand(static_cast<int>(command)); });
  return box;
}

QLayout* ResultsFolderPage::RunRow() {
  run_row_ = new QGridLayout;
  run_buttons_ = {
      AddButton("Run Again", ui::ResultsCommand::RunAgain),
      AddButton("Edit inital values and run again", ui::ResultsCommand::EditInitialValues),
      AddButton("Run with random account rates", ui::ResultsCommand::RandomAccountRates),
      AddButton("Run with random group rates", ui::ResultsCommand::RandomGroupRates)};
  ArrangeRunButtons();
  return run_row_;
}

void ResultsFolderPage::ArrangeRunButtons() {
  int one_row = 0;
  for (QPushButton* button : run_buttons_) {
    one_row += button->sizeHint().width() + run_row_->horizontalSpacing();
  }
  const QMargins margins = layout() == nullptr ? QMargins() : layout()->contentsMargins();
  const int columns = width() - margins.left() - margins.right() >= one_row
                          ? static_cast<int>(run_buttons_.size())
                          : 2;
  for (QPushButton* button : run_buttons_) run_row_->removeWidget(button);
  for (std::size_t i = 0; i < run_buttons_.size(); ++i) {
    const int at = static_cast<int>(i);
    run_row_->addWidget(run_buttons_[i], at / columns, at % columns);
  }
  for (int column = 0; column <= static_cast<int>(run_buttons_.size()); ++column) {
    run_row_->setColumnStretch(column, column == columns ? 1 : 0);
  }
}

void ResultsFolderPage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ArrangeRunButtons();
}

QLayout* ResultsFolderPage::NavigationRow() {
  auto* row = new QHBoxLayout;
  detailed_ = AddCheckBox("Show detailed results", ui::ResultsCommand::ShowDetailed);
  show_accounts_ = AddCheckBox("Show accounts", ui::ResultsCommand::ShowAccounts);
  row->addWidget(detailed_);
  row->addWidget(show_accounts_);
  row->addStretch(1);

  go_to_ = new QLineEdit(this);
  go_to_->setObjectName(ControlName(ui::ResultsCommand::GoToEdit));
  go_to_->setMaxLength(kGoToLength);
  go_to_->setPlaceholderText(QStringLiteral("Age"));
  go_to_->setFixedWidth(go_to_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
  connect(go_to_, &QLineEdit::returnPressed, this,
          [this] { folder_.HandleCommand(static_cast<int>(ui::ResultsCommand::GoTo)); });
  row->addWidget(go_to_);
  row->addWidget(AddButton("Go To", ui::ResultsCommand::GoTo));
  row->addSpacing(12);
  row->addWidget(AddButton("Top", ui::ResultsCommand::Top));
  row->addWidget(AddButton("Bottom", ui::ResultsCommand::Bottom));
  return row;
}

QLayout* ResultsFolderPage::ListRow() {
  auto* row = new QHBoxLayout;
  row->setSpacing(2);
  row->addWidget(list_, 1);
  age_scroll_bar_ = new QScrollBar(Qt::Vertical, this);
  age_scroll_bar_->setObjectName(QStringLiteral("age_scroll_bar"));
  age_scroll_bar_->setAccessibleName(QStringLiteral("Age"));
  age_scroll_bar_->setToolTip(QStringLiteral("Go to an age"));
  age_scroll_bar_->setPageStep(5);
  // Only the user's moves choose an age; setting the range moves nothing in the list.
  connect(age_scroll_bar_, &QScrollBar::actionTriggered, this,
          [this] { folder_.ScrollToAge(age_scroll_bar_->sliderPosition()); });
  row->addWidget(age_scroll_bar_);
  return row;
}

QLayout* ResultsFolderPage::ButtonRow() {
  auto* row = new QHBoxLayout;
  row->addWidget(AddButton("Help", ui::ResultsCommand::Help));
  row->addStretch(1);
  row->addWidget(AddButton("Print", ui::ResultsCommand::Print));
  row->addWidget(AddButton("Save", ui::ResultsCommand::Save));
  return row;
}

void ResultsFolderPage::ReloadRows() {
  pending_scroll_.reset();
  model_->Reload();
  const QSignalBlocker blocker(age_scroll_bar_);
  age_scroll_bar_->setRange(folder_.FirstAge(), std::max(folder_.FirstAge(), folder_.LastAge()));
}

void ResultsFolderPage::ScrollToRow(int row, ui::RowPlacement placement) {
  // A hidden list has no final size yet: the placement is made again when it is shown.
  pending_scroll_.reset();
  if (!isVisible()) pending_scroll_.emplace(row, placement);
  const QModelIndex index = model_->index(row, 0);
  if (!index.isValid()) return;
  list_->scrollTo(index, placement == ui::RowPlacement::AtTop ? QAbstractItemView::PositionAtTop
                                                              : QAbstractItemView::EnsureVisible);
}

void ResultsFolderPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!pending_scroll_) return;
  const auto [row, placement] = *pending_scroll_;
  ScrollToRow(row, placement);
}

std::string ResultsFolderPage::GoToText() const { return painting::ToWindows1252(go_to_->text()); }

void ResultsFolderPage::SetGoToText(const std::string& text) {
  go_to_->setText(painting::FromWindows1252(text));
}

void ResultsFolderPage::SetDetailedChecked(bool checked) {
  const QSignalBlocker blocker(detailed_);
  detailed_->setChecked(checked);
}

void ResultsFolderPage::SetShowAccountsChecked(bool checked) {
  const QSignalBlocker blocker(show_accounts_);
  show_accounts_->setChecked(checked);
}

}  // namespace tarvel::app
