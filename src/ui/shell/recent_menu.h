// The File menu's recent-file items: one per non-empty entry of the recent-files list,
// numbered "(1) " to "(6) ", followed by a separator when there is at least one.
#pragma once

#include <string>
#include <vector>

#include "model/program.h"

namespace tarvel::ui {

struct RecentMenuItem {
  int id = 0;
  std::string text;  // "(1) name"; empty for the separator
  bool separator = false;
};

std::vector<RecentMenuItem> RecentMenuItems(const model::Program& program);
// Entry 0..5 of the list for a recent-file command; -1 for any other command.
int RecentFileIndexOf(int command_id);

}  // namespace tarvel::ui
