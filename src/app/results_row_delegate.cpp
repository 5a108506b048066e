// The owner drawing of the results list: background by row parity or selection, red-flag
// text colour, and the cell layout the folder chose for the row.
#include "app/results_row_delegate.h"

#include <QHeaderView>
#include <QPainter>

#include "app/list_colours.h"
#include "app/results_list_model.h"
#include "ui/shell/results_folder.h"

namespace tarvel::app {
namespace {

constexpr int kCellPadding = 4;
constexpr int kLastColumnInset = 2;  // the last column's text keeps off the edge
constexpr int kRowPadding = 6;
constexpr int kLabelColumn = 6;
constexpr int kValueColumn = 7;

}  // namespace

ResultsRowDelegate::ResultsRowDelegate(const QHeaderView& header, QObject* parent)
    : QStyledItemDelegate(parent), header_(header) {}

QSize ResultsRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  return QSize(header_.length(), option.fontMetrics.height() + kRowPadding);
}

int ResultsRowDelegate::CellWidth(const QFontMetrics& metrics, const QString& text, int column) {
  const int inset = column == kValueColumn ? kLastColumnInset : 0;
  return metrics.horizontalAdvance(text) + 2 * kCellPadding + inset;
}

// The row's left edge already moves with the list's horizontal scrolling.
QRect ResultsRowDelegate::Cell(const QRect& row, int column) const {
  return QRect(row.left() + header_.sectionPosition(column), row.top(), header_.sectionSize(column),
               row.height());
}

void ResultsRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  const QPalette::ColorGroup group =
      option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
  const ShownRow row = RowInPalette(index.data(Qt::BackgroundRole).value<QColor>(),
                                    index.data(Qt::ForegroundRole).value<QColor>(), option.palette);
  const QColor background =
      selected ? option.palette.color(group, QPalette::Highlight) : row.background;
  const QColor text = selected ? option.palette.color(group, QPalette::HighlightedText) : row.text;
  painter->save();
  painter->fillRect(option.rect, background);
  painter->setFont(option.font);
  const auto kind = static_cast<ui::RowKind>(index.data(ResultsListModel::RowKindRole).toInt());
  const QStringList cells = index.data(ResultsListModel::CellsRole).toStringList();
  const QColor rule = selected ? text : option.palette.color(QPalette::Mid);
  switch (kind) {
    case ui::RowKind::Summary:
      PaintRules(*painter, option.rect, rule);
      painter->setPen(text);
      PaintCells(*painter, option.rect, cells);
      break;
    case ui::RowKind::PurchasingPower:
      PaintRules(*painter, option.rect, rule);
      painter->setPen(text);
      PaintPurchasingPower(*painter, option.rect, cells);
      break;
    case ui::RowKind::Text:
      painter->setPen(text);
      PaintText(*painter, option.rect, index.data(Qt::DisplayRole).toString());
      break;
  }
  painter->restore();
}

void ResultsRowDelegate::PaintCells(QPainter& painter, const QRect& row,
                                    const QStringList& cells) const {
  for (int column = 0; column < cells.size() && column < ui::kColumnCount; ++column) {
    QRect cell = Cell(row, column).adjusted(kCellPadding, 0, -kCellPadding, 0);
    if (column == kValueColumn) cell.adjust(0, 0, -kLastColumnInset, 0);
    const Qt::Alignment alignment = column == 0 ? Qt::AlignLeft : Qt::AlignRight;
    painter.drawText(cell, alignment | Qt::AlignVCenter, cells[column]);
  }
}

void ResultsRowDelegate::PaintPurchasingPower(QPainter& painter, const QRect& row,
                                              const QStringList& cells) const {
  if (cells.size() <= kValueColumn) return;
  // The label is right-aligned in its column and may reach over the columns to its left.
  const QRect label_column = Cell(row, kLabelColumn);
  const QRect label(Cell(row, 1).left(), row.top(),
                    label_column.right() - kCellPadding - Cell(row, 1).left(), row.height());
  painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, cells[kLabelColumn]);
  const QRect value =
      Cell(row, kValueColumn).adjusted(kCellPadding, 0, -kCellPadding - kLastColumnInset, 0);
  painter.drawText(value, Qt::AlignRight | Qt::AlignVCenter, cells[kValueColumn]);
}

void ResultsRowDelegate::PaintRules(QPainter& painter, const QRect& row,
                                    const QColor& colour) const {
  painter.setPen(colour);
  for (int column = 0; column < ui::kColumnCount; ++column) {
    const QRect cell = Cell(row, column);
    painter.drawLine(cell.left(), cell.top(), cell.right(), cell.top());
    painter.drawLine(cell.left(), cell.bottom(), cell.right(), cell.bottom());
  }
}

void ResultsRowDelegate::PaintText(QPainter& painter, const QRect& row, const QString& text) const {
  const int left = Cell(row, 1).left() + 1;
  const QRect area(left, row.top(), row.right() - left, row.height());
  const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, area.width());
  painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, shown);
}

}  // namespace tarvel::app
