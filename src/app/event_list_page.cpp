// The Scenario folder's page.
#include "app/event_list_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/list_colours.h"
#include "painting/text_1252.h"
#include "ui/shell/band_colours.h"

namespace tarvel::app {
namespace {

constexpr int kBandColourIndex = 15;

}  // namespace

EventListPage::EventListPage(ui::EventListFolder& folder, std::function<std::uint32_t(int)> colour,
                             const ui::Keywords& keywords, QWidget* parent)
    : QWidget(parent), folder_(folder), colour_(std::move(colour)), keywords_(keywords) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  list_ = new QTreeWidget(this);
  list_->setObjectName("event_list");
  list_->setColumnCount(2);
  list_->setHeaderHidden(true);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setContextMenuPolicy(Qt::NoContextMenu);
  list_->header()->setStretchLastSection(true);
  list_->viewport()->installEventFilter(this);
  list_->installEventFilter(this);
  connect(list_, &QTreeWidget::currentItemChanged, this, [this] { folder_.Select(CurrentRow()); });
  layout->addWidget(list_, 1);

  auto* hints = new QHBoxLayout;
  hints->addWidget(new QLabel(tr("Left double click an event to edit."), this));
  hints->addStretch(1);
  hints->addWidget(new QLabel(tr("Right double click an event to inactivate/activate."), this));
  layout->addLayout(hints);

  auto* row = new QHBoxLayout;
  row->addStretch(1);
  AddButton(row, tr("&Add"), ui::EventListButton::Add);
  AddButton(row, tr("&Edit"), ui::EventListButton::Edit);
  AddButton(row, tr("&Copy"), ui::EventListButton::Copy);
  AddButton(row, tr("&Delete"), ui::EventListButton::Delete);
  AddButton(row, tr("&Print"), ui::EventListButton::Print);
  AddButton(row, tr("&Help"), ui::EventListButton::Help);
  // Printing the scenario arrives with the printing of report pages.
  button(ui::EventListButton::Print)->setEnabled(false);
  layout->addLayout(row);
}

void EventListPage::AddButton(QHBoxLayout* row, const QString& text, ui::EventListButton id) {
  auto* push = new QPushButton(text, this);
  push->setObjectName(QString("event_button_%1").arg(static_cast<int>(id)));
  push->setAutoDefault(false);
  connect(push, &QPushButton::clicked, this, [this, id] { folder_.HandleButton(id); });
  row->addWidget(push);
  buttons_.push_back({id, push});
}

QPushButton* EventListPage::button(ui::EventListButton id) const {
  for (const auto& [button_id, push] : buttons_) {
    if (button_id == id) return push;
  }
  return nullptr;
}

int EventListPage::CurrentRow() const {
  QTreeWidgetItem* item = list_->currentItem();
  return item == nullptr ? -1 : list_->indexOfTopLevelItem(item);
}

void EventListPage::ShowRows(const std::vector<ui::EventListRow>& rows, int selection) {
  rows_ = rows;
  const QSignalBlocker blocker(list_);
  list_->clear();
  // Events in the light look: white and the band behind black text, inactive ones in their
  // colour; the palette decides how they show.
  const QColor band = QColorOf(ui::ScreenBandColour(colour_(kBandColourIndex), keywords_));
  const QColor inactive = QColorOf(colour_(ui::kInactiveColourIndex));
  list_->setColumnWidth(0, fontMetrics().horizontalAdvance("0000.0") + 12);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ui::EventListRow& row = rows[i];
    auto* item = new QTreeWidgetItem(list_);
    if (row.description) {
      item->setText(0, painting::FromWindows1252(row.age));
      item->setText(1, painting::FromWindows1252(row.text));
      item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    } else {
      // Detail lines run under their description, indented a little.
      item->setText(1, painting::FromWindows1252(row.text).trimmed().prepend("    "));
    }
    const ShownRow shown = RowInPalette(i % 2 == 0 ? QColor(Qt::white) : band,
                                        row.inactive ? inactive : QColor(Qt::black), palette());
    for (int column = 0; column < 2; ++column) {
      item->setBackground(column, shown.background);
      item->setForeground(column, shown.text);
    }
  }
  if (selection >= 0 && selection < list_->topLevelItemCount()) {
    list_->setCurrentItem(list_->topLevelItem(selection));
  }
}

// A new palette (a light or dark colour scheme chosen meanwhile) colours the rows anew.
void EventListPage::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) ShowRows(std::vector(rows_), CurrentRow());
}

// Left double-click edits, right double-click and Space inactivate or activate; there is no
// context menu, which would take the right button's second click.
bool EventListPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    QTreeWidgetItem* item = list_->itemAt(mouse->position().toPoint());
    if (item == nullptr) return true;
    const int row = list_->indexOfTopLevelItem(item);
    list_->setCurrentItem(item);
    if (mouse->button() == Qt::LeftButton) folder_.EditRow(row);
    if (mouse->button() == Qt::RightButton) folder_.ToggleRow(row);
    return true;
  }
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Space) {
      folder_.ToggleRow(CurrentRow());
      return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      folder_.EditRow(CurrentRow());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tarvel::app
