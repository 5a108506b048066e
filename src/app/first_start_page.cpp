// The first-start page: a column of command-link buttons, one per choice, in a scroll area so
// that large fonts and small windows keep every choice reachable.
#include "app/first_start_page.h"

#include <QCommandLinkButton>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tarvel::app {
namespace {

constexpr int kColumnWidth = 620;

QLabel* Heading(const QString& text, int point_delta, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() + point_delta);
  font.setBold(true);
  label->setFont(font);
  return label;
}

// The object name tests and accessibility tools find a choice by.
QString ObjectNameOf(const ui::StartChoice& choice, int index) {
  switch (choice.kind) {
    case ui::StartChoice::Kind::NewByHand:
      return "start_new_plan";
    case ui::StartChoice::Kind::NewFromReport:
      return "start_new_from_report";
    case ui::StartChoice::Kind::Open:
      return "start_open_plan";
    case ui::StartChoice::Kind::Sample:
      return QString("start_sample_%1").arg(index);
    case ui::StartChoice::Kind::Recent:
      return QString("start_recent_%1").arg(index);
  }
  return {};
}

}  // namespace

FirstStartPage::FirstStartPage(Choose choose, QWidget* parent)
    : QWidget(parent), choose_(std::move(choose)) {
  setObjectName("first_start_page");
  auto* scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  // One column of at most kColumnWidth, centred, whose sections and buttons take its width
  // so that every description wraps instead of being cut.
  auto* area = new QWidget(scroll);
  auto* centring = new QHBoxLayout(area);
  sections_ = new QWidget(area);
  sections_->setMaximumWidth(kColumnWidth);
  sections_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  sections_layout_ = new QVBoxLayout(sections_);
  centring->addStretch(1);
  centring->addWidget(sections_, 3);
  centring->addStretch(1);
  scroll->setWidget(area);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);
}

void FirstStartPage::Fill(const ui::StartPageContent& content) {
  while (QLayoutItem* item = sections_layout_->takeAt(0)) {
    if (QWidget* widget = item->widget()) widget->deleteLater();
    delete item;
  }
  auto* title = Heading(tr("Tarvel Financial Planner"), 6, sections_);
  sections_layout_->addWidget(title, 0, Qt::AlignHCenter);
  auto* version = new QLabel(tr("Version %1").arg(TARVEL_VERSION), sections_);
  sections_layout_->addWidget(version, 0, Qt::AlignHCenter);
  AddSection(tr("Start a plan"), content.begin, {});
  AddSection(tr("Try a sample plan"), content.samples,
             tr("No sample plans were found beside this installation."));
  if (!content.recent.empty()) AddSection(tr("Recent plans"), content.recent, {});
  if (!content.keys_note.empty()) {
    auto* keys = new QLabel(QString::fromStdString(content.keys_note), sections_);
    keys->setObjectName("start_keys_note");
    keys->setWordWrap(true);
    keys->setContentsMargins(0, 12, 0, 0);
    sections_layout_->addWidget(keys);
  }
  sections_layout_->addStretch(1);
}

void FirstStartPage::AddSection(const QString& heading, const std::vector<ui::StartChoice>& choices,
                                const QString& when_empty) {
  auto* section = new QWidget(sections_);
  auto* layout = new QVBoxLayout(section);
  layout->setContentsMargins(0, 12, 0, 0);
  layout->addWidget(Heading(heading, 2, section));
  if (choices.empty() && !when_empty.isEmpty()) {
    auto* none = new QLabel(when_empty, section);
    none->setWordWrap(true);
    layout->addWidget(none);
  }
  for (std::size_t i = 0; i < choices.size(); ++i) {
    const ui::StartChoice& choice = choices[i];
    auto* button = new QCommandLinkButton(QString::fromStdString(choice.caption),
                                          QString::fromStdString(choice.detail), section);
    button->setObjectName(ObjectNameOf(choice, static_cast<int>(i)));
    if (choice.kind == ui::StartChoice::Kind::Recent) {
      button->setToolTip(QString::fromStdString(choice.path));
    }
    connect(button, &QCommandLinkButton::clicked, this, [this, choice] { choose_(choice); });
    layout->addWidget(button);
  }
  sections_layout_->addWidget(section);
}

}  // namespace tarvel::app
