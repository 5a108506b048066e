// The Accounts folder page.
#include "app/accounts_folder_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/record_counts.h"
#include "painting/text_1252.h"
#include "ui/accounts/account_rows.h"

namespace tarvel::app {
namespace {

constexpr int kAddButton = 103;
constexpr int kEditButton = 104;
constexpr int kHelpButton = 105;
constexpr int kDeleteButton = 106;
constexpr int kImportButton = 109;
constexpr int kPrintButton = 112;
constexpr int kReferenceWidth = 520;
constexpr int kPositionRole = Qt::UserRole;

bool RightAligned(int column) { return column >= 6 && column != ui::kOrderColumn && column != 11; }

}  // namespace

AccountsFolderPage::AccountsFolderPage(model::Scenario& scenario, platform::Prompter& prompter,
                                       platform::Help& help, AccountsFolderActions actions,
                                       QWidget* parent)
    : QWidget(parent),
      scenario_(scenario),
      actions_(std::move(actions)),
      folder_(std::make_unique<ui::AccountsFolder>(scenario, prompter, help,
                                                   static_cast<ui::AccountsFolderHost&>(*this))) {
  setObjectName("accounts_folder");
  list_ = new QTreeWidget(this);
  list_->setObjectName("account_list");
  list_->setRootIsDecorated(false);
  list_->setAlternatingRowColors(true);
  list_->setUniformRowHeights(true);
  QStringList headings;
  for (const char* heading : ui::AccountColumnHeadings()) headings << QString::fromLatin1(heading);
  list_->setHeaderLabels(headings);
  list_->header()->setSectionsClickable(true);
  list_->header()->setStretchLastSection(false);
  withdrawal_order_ = new QCheckBox(tr("Sort by withdrawal order"), this);
  selected_ = new QLabel(this);
  count_ = new QLabel(this);
  total_ = new QLabel(this);

  auto* info = new QHBoxLayout;
  info->addWidget(new QLabel(tr("Double click an account to edit."), this));
  info->addStretch(1);
  info->addWidget(withdrawal_order_);
  auto* status = new QHBoxLayout;
  status->addWidget(new QLabel(tr("Selected Account:"), this));
  status->addWidget(selected_, 1);
  status->addWidget(new QLabel(tr("Number of Accounts:"), this));
  status->addWidget(count_);
  status->addSpacing(16);
  status->addWidget(new QLabel(tr("Total:"), this));
  status->addWidget(total_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  AddButton(buttons, kAddButton, tr("&Add"));
  AddButton(buttons, kEditButton, tr("&Edit"));
  AddButton(buttons, kImportButton, tr("&Import"));
  AddButton(buttons, kDeleteButton, tr("&Delete"));
  AddButton(buttons, kPrintButton, tr("&Print"));
  AddButton(buttons, kHelpButton, tr("&Help"));
  buttons->addStretch(1);
  buttons_[kPrintButton]->setEnabled(static_cast<bool>(actions_.print_list));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(info);
  layout->addWidget(list_, 1);
  layout->addLayout(status);
  layout->addLayout(buttons);

  connect(buttons_[kAddButton], &QPushButton::clicked, this, [this] { folder_->Add(); });
  connect(buttons_[kEditButton], &QPushButton::clicked, this,
          [this] { folder_->Edit(SelectedPosition()); });
  connect(buttons_[kDeleteButton], &QPushButton::clicked, this, [this] {
    const int position = SelectedPosition();
    if (folder_->Delete(position)) selected_position_ = position;
  });
  connect(buttons_[kImportButton], &QPushButton::clicked, this, [this] {
    if (actions_.import_accounts) actions_.import_accounts();
  });
  connect(buttons_[kHelpButton], &QPushButton::clicked, this, [this] { folder_->Help(); });
  connect(buttons_[kPrintButton], &QPushButton::clicked, this, [this] {
    if (actions_.print_list) actions_.print_list(folder_->ShownOrder());
  });
  connect(list_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { folder_->Edit(item->data(0, kPositionRole).toInt()); });
  connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item != nullptr) selected_position_ = item->data(0, kPositionRole).toInt();
    ShowSelection();
  });
  connect(list_->header(), &QHeaderView::sectionClicked, this, [this](int column) {
    if (column >= ui::kSortableColumns) return;
    folder_->SortByColumn(column);
    ShowRows();
  });
  connect(withdrawal_order_, &QCheckBox::clicked, this, [this](bool ticked) {
    folder_->SortByWithdrawalOrder(ticked);
    ShowRows();
  });
}

AccountsFolderPage::~AccountsFolderPage() = default;

QPushButton* AccountsFolderPage::AddButton(QHBoxLayout* row, int id, const QString& text) {
  auto* button = new QPushButton(text, this);
  row->addWidget(button);
  button->setObjectName(QStringLiteral("account_button_%1").arg(id));
  buttons_[id] = button;
  return button;
}

QPushButton* AccountsFolderPage::button(int id) const {
  const auto found = buttons_.find(id);
  return found == buttons_.end() ? nullptr : found->second;
}

int AccountsFolderPage::SelectedPosition() const {
  return selected_position_ < model::AccountCount(scenario_) ? selected_position_ : -1;
}

void AccountsFolderPage::Fill(const model::Currency& currency) {
  currency_ = currency;
  ShowRows();
}

void AccountsFolderPage::ShowRows() {
  const QSignalBlocker blocker(list_);
  list_->clear();
  const int count = model::AccountCount(scenario_);
  if (selected_position_ >= count) selected_position_ = count - 1;
  if (selected_position_ < 0 && count > 0) selected_position_ = 0;
  for (int position : folder_->ShownOrder()) {
    const ui::AccountRow row = ui::AccountRowOf(scenario_, position);
    auto* item = new QTreeWidgetItem;
    for (int column = 0; column < ui::kAccountColumns; ++column) {
      item->setText(column, painting::FromWindows1252(row[column]).trimmed());
      if (RightAligned(column)) item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    item->setData(0, kPositionRole, position);
    list_->addTopLevelItem(item);
    if (position == selected_position_) list_->setCurrentItem(item);
  }
  withdrawal_order_->setChecked(folder_->withdrawal_order_ticked());
  count_->setText(QString::fromStdString(ui::AccountCountText(scenario_)).trimmed());
  total_->setText(painting::FromWindows1252(ui::AccountTotalText(scenario_, currency_)));
  ShowSelection();
  FitColumns();
}

void AccountsFolderPage::ShowSelection() {
  const int position = SelectedPosition();
  selected_->setText(
      position < 0 ? QString()
                   : painting::FromWindows1252(scenario_.accounts.records[position].name.view()));
  buttons_[kEditButton]->setEnabled(position >= 0);
  buttons_[kDeleteButton]->setEnabled(position >= 0);
}

// The first nine columns share the list's width in their reference proportions; the others
// are as wide as their contents.
void AccountsFolderPage::FitColumns() {
  QHeaderView* header = list_->header();
  // The page's width: the list's own viewport is laid out only after the page is resized.
  const int available = std::max(width() - 2 * list_->frameWidth() - 8, kReferenceWidth);
  const auto& widths = ui::AccountColumnWidths();
  for (int column = 0; column < ui::kSortableColumns; ++column) {
    list_->resizeColumnToContents(column);
    const int contents = std::max(header->sectionSize(column), header->sectionSizeHint(column));
    header->resizeSection(column, std::max(widths[column] * available / kReferenceWidth, contents));
  }
  for (int column = ui::kSortableColumns; column < ui::kAccountColumns; ++column) {
    list_->resizeColumnToContents(column);
  }
}

void AccountsFolderPage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitColumns();
}

bool AccountsFolderPage::EditorIsOpen() { return actions_.editor_is_open(); }

void AccountsFolderPage::OpenAccountDialog(int position) {
  if (position >= 0) selected_position_ = position;
  actions_.open_account_dialog(position);
}

void AccountsFolderPage::AccountsChanged() {
  actions_.accounts_changed();
  ShowRows();
}

}  // namespace tarvel::app
