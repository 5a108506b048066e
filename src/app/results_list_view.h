// The results list: a fast uniform-row list under a column header and the "Total Assets"
// caption over the five asset columns; Enter or a double click (either button) activates a row.
#pragma once

#include <QListView>

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
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void ApplyColumnWidths();

  QHeaderView* header_;
  QWidget* caption_;
};

}  // namespace tarvel::app
