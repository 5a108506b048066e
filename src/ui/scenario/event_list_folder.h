// The Scenario folder: the event listing as a two-column list (an event's start age, then its
// description; detail lines across the row), and its buttons: Add, Edit, Copy, Delete, Print
// and Help. A right double-click or the Space key inactivates or activates an event.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/program.h"
#include "model/records.h"
#include "platform/prompter.h"
#include "ui/shell/shell_view.h"

namespace tarvel::ui {

// Button ids of the folder.
enum class EventListButton : int {
  Add = 102,
  Edit = 103,
  Delete = 104,
  Copy = 105,
  Help = 106,
  Print = 109,
};

inline constexpr int kEventListHelpContext = 514;
// The colour of inactive events: the red-flag colour of the program colours.
inline constexpr int kInactiveColourIndex = 14;

struct EventListRow {
  std::string age;   // description lines: the start age ("65.0", an inactive event's true age)
  std::string text;  // the rest of a description line, or a whole detail line
  bool description = false;
  bool inactive = false;  // drawn in the inactive colour
  int event_slot = -1;    // -1 for the "Initial Rates" line
};

// What the folder asks of the main window.
class EventListHost {
 public:
  virtual ~EventListHost() = default;
  virtual bool EditorIsOpen() = 0;
  // Carries a command out as its menu item would: the chooser, an editor.
  virtual void PostCommand(int id) = 0;
  virtual void RunScenario() = 0;
  virtual void RebuildBudgetMenu() = 0;
  virtual void EnableCommand(int id, bool enabled) = 0;
  virtual void ShowHelp(int context) = 0;
};

// The list the folder fills.
class EventListView {
 public:
  virtual ~EventListView() = default;
  virtual void ShowRows(const std::vector<EventListRow>& rows, int selection) = 0;
};

// EditSelectedEvent's modes.
enum class EditMode { Edit = 0, Copy = 2 };

class EventListFolder {
 public:
  EventListFolder(model::Scenario& scenario, const model::Program& program, ShellState& state,
                  platform::Prompter& prompter, EventListHost& host)
      : scenario_(scenario), program_(program), state_(state), prompter_(prompter), host_(host) {}

  void Attach(EventListView* view);
  // RefreshEventList to the list; the selected row stays where it was.
  void Refresh();
  const std::vector<EventListRow>& rows() const { return rows_; }
  int selection() const { return selection_; }
  void Select(int row);

  // The folder's buttons; they do nothing while an editor is open.
  void HandleButton(EventListButton button);
  // A left double-click: the row's editor.
  void EditRow(int row);
  // A right double-click or Space: the row's event inactivated or activated, then a run.
  void ToggleRow(int row);

  // The event slot a row belongs to (a detail line belongs to its event); none for the
  // "Initial Rates" line and rows past the end.
  std::optional<int> EventOfRow(int row) const;
  // EditSelectedEvent: Edit opens the row's editor ("Initial Rates" opens Initial Values);
  // Copy appends a duplicate, opens the editor on the original and removes the duplicate
  // again when the editor is cancelled.
  void EditSelectedEvent(int row, EditMode mode);

 private:
  void OpenEditor(int slot);
  void CopyEvent(int slot);
  void DeleteSelected();

  model::Scenario& scenario_;
  const model::Program& program_;
  ShellState& state_;
  platform::Prompter& prompter_;
  EventListHost& host_;
  EventListView* view_ = nullptr;
  std::vector<EventListRow> rows_;
  int selection_ = -1;
};

}  // namespace tarvel::ui
