// The Rule 72T calculator: the yearly distribution of a balance by annuitization,
// amortization and minimum distribution, updated as the values are typed, the rate limit
// beside the rate, and the payments of the chosen method over the whole series.
#pragma once

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMainWindow>
#include <QTableWidget>
#include <array>

#include "engine/life_tables.h"
#include "model/money_format.h"
#include "siblings/rule72t_series.h"

namespace tarvel::siblings_app {

class Rule72TWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit Rule72TWindow(const model::Currency& currency);

  // The three results as shown ("" while the values are refused).
  QString Result(engine::Rule72TMethod method) const;
  QString problem() const { return problem_->text(); }
  const QTableWidget& series() const { return *series_; }
  void SetInputs(const siblings::Rule72TInputs& inputs);

 private:
  siblings::Rule72TInputs Inputs() const;
  void Recalculate();
  void Print();

  model::Currency currency_;
  engine::LifeTablesRead tables_;
  QDoubleSpinBox* age_;
  QDoubleSpinBox* beneficiary_age_;
  QDoubleSpinBox* balance_;
  QDoubleSpinBox* rate_;
  QComboBox* table_;
  QComboBox* method_;
  QLabel* rate_note_;
  QLabel* problem_;
  std::array<QLabel*, 3> results_{};
  QTableWidget* series_;
};

}  // namespace tarvel::siblings_app
