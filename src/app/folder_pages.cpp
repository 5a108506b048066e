// Simple pages of the folders.
#include "app/folder_pages.h"

#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/record_counts.h"
#include "painting/text_1252.h"

namespace tarvel::app {
namespace {

constexpr const char* kAccountTypes[] = {"Asset", "Equity", "Investment Savings",
                                         "Retirement Savings", "Tax Free Savings"};

QVBoxLayout* PageLayout(QWidget* page) {
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  return layout;
}

QLabel* Heading(const QString& text, int point_delta, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setPointSize(font.pointSize() + point_delta);
  font.setBold(true);
  label->setFont(font);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

StartPage::StartPage(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->addStretch(2);
  layout->addWidget(Heading(tr("Tarvel Software"), 12, this));
  layout->addWidget(Heading(tr("Tarvel Financial Planner"), 4, this));
  auto* version = new QLabel(tr("Version %1").arg(TARVEL_VERSION), this);
  version->setAlignment(Qt::AlignCenter);
  layout->addWidget(version);
  layout->addStretch(3);
}

AccountListPage::AccountListPage(QWidget* parent) : QWidget(parent) {
  list_ = new QTreeWidget(this);
  list_->setObjectName("account_list");
  list_->setRootIsDecorated(false);
  list_->setAlternatingRowColors(true);
  list_->setHeaderLabels({tr("Account"), tr("Type"), tr("Initial Amount"), tr("Rate")});
  list_->header()->setStretchLastSection(false);
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  PageLayout(this)->addWidget(list_);
}

void AccountListPage::Fill(const model::Scenario& scenario, const model::Currency& currency) {
  list_->clear();
  const int count = model::AccountCount(scenario);
  for (int i = 0; i < count; ++i) {
    const model::Account& account = scenario.accounts.records[i];
    const int type = std::clamp(static_cast<int>(account.type), 0, 4);
    auto* item = new QTreeWidgetItem(
        {painting::FromWindows1252(account.name.view()), tr(kAccountTypes[type]),
         painting::FromWindows1252(model::Money(account.initial_amount, currency)),
         QString::fromStdString(model::RateText(account.yearly_rate))});
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    list_->addTopLevelItem(item);
  }
}

}  // namespace tarvel::app
