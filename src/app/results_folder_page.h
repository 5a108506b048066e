// The "Results" folder page: the schedule of the last run with its buttons; it draws what
// the results folder decides and forwards every click and key to it.
#pragma once

#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

#include "ui/shell/results_folder.h"
#include "ui/shell/results_folder_view.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace tarvel::app {

class ResultsListModel;
class ResultsListView;

class ResultsFolderPage : public QWidget, public ui::ResultsFolderView {
 public:
  // Shows the folder's last run at once; the folder must outlive the page.
  explicit ResultsFolderPage(ui::ResultsFolder& folder, QWidget* parent = nullptr);
  ~ResultsFolderPage() override;

  ResultsListView& list() { return *list_; }
  ResultsListModel& model() { return *model_; }
  // The page's own scroll bar beside the list: it moves through the ages of the plan.
  QScrollBar& age_scroll_bar() { return *age_scroll_bar_; }

  // ui::ResultsFolderView
  void ReloadRows() override;
  void ScrollToRow(int row, ui::RowPlacement placement) override;
  std::string GoToText() const override;
  void SetGoToText(const std::string& text) override;
  void SetDetailedChecked(bool checked) override;
  void SetShowAccountsChecked(bool checked) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPushButton* AddButton(const char* caption, ui::ResultsCommand command);
  QCheckBox* AddCheckBox(const char* caption, ui::ResultsCommand command);
  QLayout* RunRow();
  QLayout* NavigationRow();
  QLayout* ButtonRow();
  QLayout* ListRow();
  // The run buttons in one row, or in two when one row would not show their captions whole.
  void ArrangeRunButtons();

  ui::ResultsFolder& folder_;
  ResultsListModel* model_;
  ResultsListView* list_;
  QGridLayout* run_row_ = nullptr;
  std::vector<QPushButton*> run_buttons_;
  QCheckBox* detailed_ = nullptr;
  QCheckBox* show_accounts_ = nullptr;
  QLineEdit* go_to_ = nullptr;
  QScrollBar* age_scroll_bar_ = nullptr;
  // The last placement asked for while the page was hidden.
  std::optional<std::pair<int, ui::RowPlacement>> pending_scroll_;
};

}  // namespace tarvel::app
