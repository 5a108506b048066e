// The results list as a Qt item model: one row per schedule line of the last run, laid out
// and coloured by the results folder; eight columns give the header its titles.
#pragma once

#include <QAbstractTableModel>

#include "ui/shell/results_folder.h"

namespace tarvel::app {

class ResultsListModel : public QAbstractTableModel {
 public:
  enum Role {
    RowKindRole = Qt::UserRole + 1,  // int of ui::RowKind
    CellsRole,                       // QStringList of the eight cells
  };

  explicit ResultsListModel(const ui::ResultsFolder& folder, QObject* parent = nullptr);

  // The folder took the results of a new run.
  void Reload();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const ui::ResultsFolder& folder_;
};

}  // namespace tarvel::app
