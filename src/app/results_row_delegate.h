// Paints one results row across the eight columns of the header: summary rows in cells with
// rules above and below, purchasing-power rows in two cells, any other line as one text.
#pragma once

#include <QStyledItemDelegate>

class QFontMetrics;
class QHeaderView;

namespace tarvel::app {

class ResultsRowDelegate : public QStyledItemDelegate {
 public:
  ResultsRowDelegate(const QHeaderView& header, QObject* parent = nullptr);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // The width a column needs to show this text of a summary row whole.
  static int CellWidth(const QFontMetrics& metrics, const QString& text, int column);

 private:
  // The part of the row under this column of the header.
  QRect Cell(const QRect& row, int column) const;
  void PaintCells(QPainter& painter, const QRect& row, const QStringList& cells) const;
  void PaintPurchasingPower(QPainter& painter, const QRect& row, const QStringList& cells) const;
  void PaintRules(QPainter& painter, const QRect& row, const QColor& colour) const;
  void PaintText(QPainter& painter, const QRect& row, const QString& text) const;

  const QHeaderView& header_;
};

}  // namespace tarvel::app
