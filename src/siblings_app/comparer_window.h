// The scenario comparer: the planner's current plan and up to three more (graph files, plot
// files or scenario files run in memory) with their net worth overlaid on one graph and a
// side-by-side table of their figures; the table exports as CSV, the graph as a picture, and
// both print.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableWidget>
#include <QTemporaryDir>
#include <vector>

#include "model/system_clock.h"
#include "siblings/plot_file.h"
#include "siblings/scenario_comparison.h"
#include "siblings_app/line_chart_widget.h"

class QSplitter;

namespace tarvel::siblings_app {

class ComparerWindow : public QMainWindow {
  Q_OBJECT

 public:
  ComparerWindow(const QString& plot_path, const model::Currency& currency);

  // Adds a plan; false with the reason shown when it cannot be read or four are shown.
  bool AddPlan(const QString& path);
  // Redraws the graph and the table from the plans and the chosen ages.
  void Refresh();
  int plan_count() const { return static_cast<int>(plans_.size()); }
  QString problem() const { return problem_->text(); }
  const QTableWidget& table() const { return *table_; }

 private:
  void FitTableHeight();
  void BuildMenus();
  void ChoosePlan();
  void RemoveLastPlan();
  std::vector<int> ChosenAges() const;
  void ExportCsv();
  void PrintBoth();
  std::vector<siblings::PlanFigures> Figures(std::vector<int>& ages) const;

  model::Currency currency_;
  model::SystemClock clock_;
  QTemporaryDir scratch_;
  std::vector<siblings::PlotFile> plans_;
  std::vector<std::string> names_;
  QLabel* problem_;
  QLineEdit* ages_;
  LineChartWidget* chart_;
  QTableWidget* table_;
  QSplitter* splitter_;
  int fitted_rows_ = -1;  // the row count the splitter was last fitted to
};

}  // namespace tarvel::siblings_app
