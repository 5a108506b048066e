// The printing flag, set while a print job runs: the open-editor guard, the folders and the
// menus refuse commands until the job ends.
#pragma once

#include "ui/shell/shell_view.h"

namespace tarvel::ui {

class PrintingFlag {
 public:
  explicit PrintingFlag(ShellState& state) : state_(state) { state_.printing = true; }
  ~PrintingFlag() { state_.printing = false; }
  PrintingFlag(const PrintingFlag&) = delete;
  PrintingFlag& operator=(const PrintingFlag&) = delete;

 private:
  ShellState& state_;
};

}  // namespace tarvel::ui
