// Serves each results row to the list view from the folder, which splits and colours it.
#include "app/results_list_model.h"

#include <QColor>
#include <QStringList>

#include "app/list_colours.h"
#include "painting/text_1252.h"

namespace tarvel::app {
namespace {

// The row as one text, for screen readers and copying.
QString PlainText(const ui::ResultsRow& row) {
  if (row.kind == ui::RowKind::Text) return painting::FromWindows1252(row.text);
  QStringList cells;
  for (const std::string& cell : row.cells) {
    if (!cell.empty()) cells << painting::FromWindows1252(cell);
  }
  return cells.join(QLatin1Char(' '));
}

}  // namespace

ResultsListModel::ResultsListModel(const ui::ResultsFolder& folder, QObject* parent)
    : QAbstractTableModel(parent), folder_(folder) {}

void ResultsListModel::Reload() {
  beginResetModel();
  endResetModel();
}

int ResultsListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : folder_.RowCount();
}

int ResultsListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ui::kColumnCount;
}

QVariant ResultsListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= folder_.RowCount() || index.column() != 0) return {};
  const ui::ResultsRow row = folder_.Row(index.row());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
      return PlainText(row);
    case Qt::ForegroundRole:
      return QColorOf(row.text_colour);
    case Qt::BackgroundRole:
      return QColorOf(row.background);
    case RowKindRole:
      return static_cast<int>(row.kind);
    case CellsRole: {
      QStringList cells;
      for (const std::string& cell : row.cells) cells << painting::FromWindows1252(cell);
      return cells;
    }
    default:
      return {};
  }
}

QVariant ResultsListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= ui::kColumnCount) return {};
  if (role == Qt::DisplayRole) return QString::fromLatin1(ui::kColumnTitles[section]);
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(Qt::AlignVCenter | (section == 0 ? Qt::AlignLeft : Qt::AlignRight));
  }
  return {};
}

}  // namespace tarvel::app
