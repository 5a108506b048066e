// Simple pages of the folders.
#include "app/folder_pages.h"

#include <QFont>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "model/event_listing.h"
#include "painting/text_1252.h"

namespace tarvel::app {
namespace {

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

EventListPage::EventListPage(QWidget* parent) : QWidget(parent) {
  list_ = new QListWidget(this);
  list_->setObjectName("event_list");
  list_->setAlternatingRowColors(true);
  PageLayout(this)->addWidget(list_);
}

void EventListPage::Fill(const model::Scenario& scenario, const model::Currency& currency) {
  list_->clear();
  for (const model::ListingLine& line : model::DescribeEvents(scenario, currency)) {
    auto* item = new QListWidgetItem(painting::FromWindows1252(line.text).replace('\t', "    "));
    if (line.is_description) {
      QFont font = item->font();
      font.setBold(true);
      item->setFont(font);
    }
    list_->addItem(item);
  }
}

}  // namespace tarvel::app
