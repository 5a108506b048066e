// The "Monte Carlo" folder page: the analysis form with what the analysis can vary in the plan
// (and the assumed allocation on offer), Run with a progress bar and Cancel (the runs go on a
// worker thread on a copy of the scenario), the success probability in large type, the fan
// chart and percentile table in today's money or nominal, the failure causes and the ranked
// runs with "Open this run in Results".
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/historical_returns.h"
#include "analysis/monte_carlo.h"
#include "analysis/run_choice.h"
#include "model/money_format.h"
#include "model/records.h"
#include "platform/clock.h"
#include "ui/analysis/monte_carlo_folder.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QThread;
class QTimer;
class QTreeWidget;

namespace tarvel::app {

class FanChartView;

// What the page needs from the window.
struct MonteCarloPageHost {
  std::function<const model::Scenario&()> scenario;
  const platform::Clock* clock = nullptr;
  std::function<std::filesystem::path()> workdir;  // the planner's working directory
  std::function<model::Currency()> currency;
  // Runs the choice as an ordinary run with its schedule and shows the Results folder.
  std::function<void(const analysis::RunChoice&, const analysis::HistoricalReturns*)> open_run;
  std::function<void(const std::string&)> show_message;
};

class MonteCarloPage : public QWidget {
 public:
  explicit MonteCarloPage(MonteCarloPageHost host, QWidget* parent = nullptr);
  ~MonteCarloPage() override;

  ui::MonteCarloFolder& folder() { return folder_; }
  bool running() const { return worker_ != nullptr; }
  // Starts the analysis the form asks for; false (after a message) when it cannot start.
  bool StartAnalysis();
  void CancelAnalysis();
  // An edit of the scenario: the analysis shown is marked stale.
  void ScenarioChanged();
  // Opens the ranked run at this row in the Results folder.
  void OpenRankedRun(int row);
  // Blocks until the worker has finished (tests and closing).
  void WaitForAnalysis();

  QPushButton* run_button() const { return run_; }
  QPushButton* cancel_button() const { return cancel_; }
  QProgressBar* progress() const { return progress_; }
  QLabel* success_label() const { return success_; }
  QTreeWidget* causes() const { return causes_; }
  QTreeWidget* ranked() const { return ranked_; }
  QLineEdit* runs_edit() const { return runs_; }
  QLineEdit* seed_edit() const { return seed_; }
  QComboBox* source_box() const { return source_; }
  QLabel* variation_label() const { return variation_; }
  QCheckBox* assumed_allocation_box() const { return assumed_allocation_; }
  QRadioButton* todays_money_button() const { return todays_money_; }
  QRadioButton* nominal_button() const { return nominal_; }
  QTreeWidget* percentiles() const { return percentiles_; }

 private:
  QLayout* FormRow();
  QLayout* VariationRow();
  QWidget* ResultsArea();
  QWidget* TablesArea(QWidget* parent);
  ui::MonteCarloForm Form() const;
  // The form was changed: what varies, and whether the figures shown still belong to it.
  void FormChanged();
  void ShowVariation();
  const analysis::HistoricalReturns* Returns();
  void ShowProgress();
  void AnalysisFinished();
  void ShowResult();
  void SetRunning(bool running);

  MonteCarloPageHost host_;
  ui::MonteCarloFolder folder_;
  std::optional<analysis::HistoricalReturns> returns_;
  // The worker's inputs and output, owned here while it runs.
  std::unique_ptr<model::Scenario> scenario_copy_;
  analysis::JobControl control_;
  analysis::AnalysisResult pending_;
  QThread* worker_ = nullptr;
  QTimer* progress_timer_ = nullptr;
  int runs_expected_ = 0;

  QComboBox* source_ = nullptr;
  QLineEdit* runs_ = nullptr;
  QLineEdit* seed_ = nullptr;
  QLineEdit* block_years_ = nullptr;
  QCheckBox* wrap_ = nullptr;
  QCheckBox* historical_inflation_ = nullptr;
  QLabel* variation_ = nullptr;
  QCheckBox* assumed_allocation_ = nullptr;
  QLabel* assumption_note_ = nullptr;
  QRadioButton* todays_money_ = nullptr;
  QRadioButton* nominal_ = nullptr;
  QPushButton* run_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* success_ = nullptr;
  QLabel* status_ = nullptr;
  FanChartView* fan_ = nullptr;
  QTreeWidget* percentiles_ = nullptr;
  QTreeWidget* causes_ = nullptr;
  QTreeWidget* ranked_ = nullptr;
};

}  // namespace tarvel::app
