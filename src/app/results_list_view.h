// The results list: a fast uniform-row list under a column header and the "Total Assets"
// caption over the five asset columns; Enter or a double click (either button) activates a row.
// Columns are never narrower than their text: a narrow window scrolls the list sideways.
#pragma once

#include <QListView>
#include <array>

#include "ui/shell/results_folder.h"

class QHeaderView;

namespace tarvel::app {

class ResultsListView : public QListView {
  Q_OBJECT

 public:
  explicit ResultsListView(QWidget* parent = nullptr);

  void setModel(QAbstractItemModel* model) override;
  const QHeaderView& header() const { return *header_; }

 signals:
  void rowActivated(int row);

 protected:
  void updateGeometries() override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void ApplyColumnWidths();
  // What each column's widest text needs in the list's font: its title and the cells of the
  // summary and purchasing-power rows.
  void MeasureColumns();

  QHeaderView* header_;
  QWidget* caption_;
  std::array<int, ui::kColumnCount> least_widths_{};
};

}  // namespace tarvel::app
