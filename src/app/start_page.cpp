// The maker's start page.
#include "app/start_page.h"

#include <QFont>
#include <QLabel>
#include <QVBoxLayout>

namespace tarvel::app {
namespace {

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

}  // namespace tarvel::app
