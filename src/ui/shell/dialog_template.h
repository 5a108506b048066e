// Dialogs as data: a template names the dialog, its title and its controls with their ids,
// kinds, labels and grid places; a presenter gives them behaviour through a DialogView.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog_view.h"

namespace tarvel::ui {

// Results and button ids every dialog shares.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

enum class ControlKind {
  Label,
  Edit,
  CheckBox,
  RadioButton,  // radio buttons with the same group number exclude each other
  PushButton,   // placed in the button row at the bottom, in template order (or on the grid)
  DefaultButton,
  ComboBox,
  ListBox,
  ListView,  // columns name its header
  UpDown,    // a number field stepping between minimum and maximum
  GroupBox,  // a framed caption over the rows it spans
};

struct Control {
  int id = 0;
  ControlKind kind = ControlKind::Label;
  std::string label;  // Windows-1252; "&" marks the mnemonic
  int row = 0;
  int column = 0;
  int column_span = 1;
  int row_span = 1;
  bool enabled = true;
  int max_chars = 0;  // edits: 0 for no limit
  int group = 0;      // radio buttons
  int minimum = 0;    // up-down controls
  int maximum = 100;
  std::vector<std::string> columns;  // list views
  bool on_grid = false;              // push buttons: at their row and column, not in the button row
  int button_row = 0;  // push buttons off the grid: 0 for the bottom row, 1 for a row above it
};

inline Control MakeControl(int id, ControlKind kind, std::string label, int row = 0, int column = 0,
                           int column_span = 1) {
  Control control;
  control.id = id;
  control.kind = kind;
  control.label = std::move(label);
  control.row = row;
  control.column = column;
  control.column_span = column_span;
  return control;
}

// An edit field at a grid cell holding at most max_chars characters (0: no limit).
inline Control MakeEdit(int id, int row, int column, int max_chars = 0, int column_span = 1) {
  Control control = MakeControl(id, ControlKind::Edit, "", row, column, column_span);
  control.max_chars = max_chars;
  return control;
}

struct DialogTemplate {
  std::string name;   // resource name, e.g. "newaccounts"
  std::string title;  // window caption
  std::vector<Control> controls;
};

// The behaviour of one dialog: filling it when it opens and answering each control's command.
class DialogPresenter {
 public:
  virtual ~DialogPresenter() = default;
  virtual void Initialise(platform::DialogView& view) = 0;
  // A button pressed, a box checked, a radio button or list item chosen.
  virtual void Command(platform::DialogView& view, int control) = 0;
};

// Shows a dialog from a template, modally, and returns the result its presenter closed with
// (kIdCancel when the window was closed otherwise).
class DialogRunner {
 public:
  virtual ~DialogRunner() = default;
  virtual int RunModal(const DialogTemplate& dialog, DialogPresenter& presenter) = 0;
};

}  // namespace tarvel::ui
