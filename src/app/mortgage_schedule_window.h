// The mortgage schedule window ("moschedule"): the yearly rows of the edited mortgage in a
// banded list whose columns keep their shares of the window's width, with OK and Print.
#pragma once

#include <QDialog>
#include <memory>

#include "ui/reports/mortgage_schedule_presenter.h"

class QTreeWidget;

namespace tarvel::app {

class MortgageScheduleWindow : public QDialog {
  Q_OBJECT

 public:
  MortgageScheduleWindow(std::unique_ptr<ui::MortgageSchedulePresenter> presenter,
                         const QColor& band, QWidget* parent = nullptr);
  ~MortgageScheduleWindow() override;

  ui::MortgageSchedulePresenter& presenter() { return *presenter_; }
  QTreeWidget* list() const { return list_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void SizeColumns();

  std::unique_ptr<ui::MortgageSchedulePresenter> presenter_;
  QTreeWidget* list_ = nullptr;
};

}  // namespace tarvel::app
