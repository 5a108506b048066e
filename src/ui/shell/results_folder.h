// The results folder: shows the schedule of the last run, re-runs the scenario in its
// variants, moves to an age, opens the editor of a line's event and saves the schedule.
#pragma once

#include <array>
#include <string>

#include "engine/run.h"
#include "engine/schedule_sink.h"
#include "platform/launcher.h"
#include "platform/prompter.h"
#include "results/line_class.h"
#include "results/results_list.h"
#include "results/schedule_run.h"
#include "ui/shell/keywords.h"
#include "ui/shell/results_folder_host.h"
#include "ui/shell/results_folder_view.h"

namespace tarvel::ui {

// Control ids of the folder's buttons and edit.
enum class ResultsCommand : int {
  EditInitialValues = 102,
  Save = 103,
  Print = 104,
  Help = 105,
  Top = 107,
  RandomAccountRates = 110,
  RunAgain = 111,
  Bottom = 112,
  ShowDetailed = 114,
  ShowAccounts = 118,
  GoTo = 119,
  GoToEdit = 120,
  RandomGroupRates = 121,
  // Sent by the shell rather than clicked.
  Close = 106,
  GraphWindow = 109,
  EditAccounts = 113,
};

// Where the list is placed after every run and every navigation.
enum class ScrollMode { Bottom, Top, TargetAge };

inline constexpr int kResultsHelpTopic = 515;
inline constexpr int kColumnCount = results::kSummaryCells;
inline constexpr std::array<int, kColumnCount> kColumnShares = {30, 72, 72, 72, 70, 70, 72, 72};
inline constexpr std::array<const char*, kColumnCount> kColumnTitles = {
    "Age", "Investment", "Tax-Free", "Retirement", "Asset", "Equity", "Liabilities", "Net Worth"};

// Column widths in pixels that fill this width in proportion to the column shares.
std::array<int, kColumnCount> ColumnWidths(int width);
// The same, with no column narrower than its least width (what its widest text needs); when
// the least widths do not fit in the width, every column has its least width.
std::array<int, kColumnCount> ColumnWidths(int width, const std::array<int, kColumnCount>& least);

class ResultsFolder {
 public:
  // The keywords shade the band of the odd rows; the launcher starts the graph program.
  ResultsFolder(ResultsFolderHost& host, platform::Prompter& prompter, platform::Launcher& launcher,
                const Keywords& keywords);

  // Connects the page (or nothing): sets its check boxes and shows the last run.
  void Attach(ResultsFolderView* view);
  // After a run the shell started (an editor changed the scenario): show it and reposition.
  void ShowLastRun();
  // A run of the results list with the folder's check boxes, for the shell's own re-runs.
  engine::RunOptions ListOptions() const;

  // A button or check box of the page; false for ids the folder does not handle.
  bool HandleCommand(int id);
  // A double click (either button) or Enter on a row.
  void ActivateRow(int row);
  // The page's own scroll bar: its thumb position is the age to show at the top.
  void ScrollToAge(int age);
  // The whole start and end ages of the plan, the range of that scroll bar.
  int FirstAge() const;
  int LastAge() const;

  int RowCount() const { return static_cast<int>(results_.lines.size()); }
  // The row as drawn: its cells by line class and its colours. Row must be in range.
  ResultsRow Row(int row) const;

  ScrollMode scroll_mode() const { return scroll_mode_; }
  int target_age() const { return target_age_; }
  bool detailed() const { return detailed_; }
  bool show_accounts() const { return show_accounts_; }

 private:
  // Runs in mode 0 with these options, shows the run's messages and takes its results.
  void RunList(const engine::RunOptions& options);
  // Runs in mode 1 or 2; false when the output file could not be created.
  bool RunToFile(const engine::RunOptions& options);
  void TakeResults(const results::ScheduleRun& run);
  void Reposition();
  void GoTo();
  void Save();
  void RunWithRandomRates(bool accounts);
  void ToggleDetailed();
  void ToggleShowAccounts();
  void SetScrollMode(ScrollMode mode);
  std::uint32_t BandColour() const;
  void Close();
  void StartGraphWindow();
  void EditAccounts();

  ResultsFolderHost& host_;
  platform::Prompter& prompter_;
  platform::Launcher& launcher_;
  const Keywords& keywords_;
  ResultsFolderView* view_ = nullptr;
  results::ResultsList results_;
  char currency_symbol_ = '$';
  ScrollMode scroll_mode_ = ScrollMode::Bottom;
  int target_age_ = 0;
  bool detailed_ = false;
  bool show_accounts_ = false;
};

}  // namespace tarvel::ui
