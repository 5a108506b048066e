// Lays the column header and the "Total Assets" caption over the list's viewport and keeps
// the column widths in proportion to the list's width.
#include "app/results_list_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "app/results_list_model.h"
#include "app/results_row_delegate.h"

namespace tarvel::app {
namespace {

constexpr int kFirstAssetColumn = 1;
constexpr int kLastAssetColumn = 5;

// "Total Assets" under a one-pixel rule that spans the five asset columns.
class TotalAssetsCaption : public QWidget {
 public:
  TotalAssetsCaption(const QHeaderView& header, QWidget* parent)
      : QWidget(parent), header_(header) {}

  int PreferredHeight() const { return fontMetrics().height() + 6; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const int left = header_.sectionViewportPosition(kFirstAssetColumn) + 8;
    const int right = header_.sectionViewportPosition(kLastAssetColumn) +
                      header_.sectionSize(kLastAssetColumn) - 8;
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(left, 2, right, 2);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(left, 3, right - left, height() - 3), Qt::AlignCenter,
                     QStringLiteral("Total Assets"));
  }

 private:
  const QHeaderView& header_;
};

}  // namespace

ResultsListView::ResultsListView(QWidget* parent)
    : QListView(parent), header_(new QHeaderView(Qt::Horizontal, this)) {
  caption_ = new TotalAssetsCaption(*header_, this);
  header_->setSectionResizeMode(QHeaderView::Fixed);
  header_->setSectionsClickable(false);
  header_->setHighlightSections(false);
  setUniformItemSizes(true);
  setLayoutMode(QListView::SinglePass);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int offset) {
    header_->setOffset(offset);
    caption_->update();
  });
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
}

void ResultsListView::setModel(QAbstractItemModel* model) {
  QListView::setModel(model);
  header_->setModel(model);
  if (model != nullptr) {
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
      MeasureColumns();
      ApplyColumnWidths();
    });
  }
  MeasureColumns();
  ApplyColumnWidths();
}

void ResultsListView::MeasureColumns() {
  least_widths_ = {};
  if (model() == nullptr || model()->columnCount() != ui::kColumnCount) return;
  const QFontMetrics metrics = fontMetrics();
  const QFontMetrics header_metrics = header_->fontMetrics();
  const int header_margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header_);
  for (int column = 0; column < ui::kColumnCount; ++column) {
    const QString title = model()->headerData(column, Qt::Horizontal).toString();
    least_widths_[column] = header_metrics.horizontalAdvance(title) + header_margin;
  }
  for (int row = 0; row < model()->rowCount(); ++row) {
    const QModelIndex index = model()->index(row, 0);
    const auto kind = static_cast<ui::RowKind>(index.data(ResultsListModel::RowKindRole).toInt());
    if (kind == ui::RowKind::Text) continue;
    const QStringList cells = index.data(ResultsListModel::CellsRole).toStringList();
    // The purchasing-power label reaches over the columns to its left.
    const int first = kind == ui::RowKind::PurchasingPower ? ui::kColumnCount - 1 : 0;
    for (int column = first; column < cells.size() && column < ui::kColumnCount; ++column) {
      least_widths_[column] = std::max(
          least_widths_[column], ResultsRowDelegate::CellWidth(metrics, cells[column], column));
    }
  }
}

void ResultsListView::changeEvent(QEvent* event) {
  QListView::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    MeasureColumns();
    ApplyColumnWidths();
  }
}

void ResultsListView::updateGeometries() {
  const int caption_height = static_cast<TotalAssetsCaption*>(caption_)->PreferredHeight();
  const int header_height = header_->sizeHint().height();
  setViewportMargins(0, caption_height + header_height, 0, 0);
  const QRect area = viewport()->geometry();
  caption_->setGeometry(area.left(), area.top() - caption_height - header_height, area.width(),
                        caption_height);
  header_->setGeometry(area.left(), area.top() - header_height, area.width(), header_height);
  ApplyColumnWidths();
  QListView::updateGeometries();
}

void ResultsListView::ApplyColumnWidths() {
  if (header_->count() != ui::kColumnCount) return;
  const auto widths = ui::ColumnWidths(viewport()->width(), least_widths_);
  for (int column = 0; column < ui::kColumnCount; ++column) {
    header_->resizeSection(column, widths[column]);
  }
  caption_->update();
}

void ResultsListView::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && currentIndex().isValid()) {
    emit rowActivated(currentIndex().row());
    return;
  }
  QListView::keyPressEvent(event);
}

void ResultsListView::mouseDoubleClickEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (!index.isValid()) return;
  setCurrentIndex(index);
  emit rowActivated(index.row());
}

}  // namespace tarvel::app
