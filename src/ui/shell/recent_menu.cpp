// The recent-file items of the File menu.
#include "ui/shell/recent_menu.h"

#include <algorithm>

#include "ui/shell/command_ids.h"

namespace tarvel::ui {

static_assert(kRecentFileCommands.size() == model::kRecentFileCount);

std::vector<RecentMenuItem> RecentMenuItems(const model::Program& program) {
  std::vector<RecentMenuItem> items;
  for (int i = 0; i < model::kRecentFileCount; ++i) {
    if (program.recent_files[i].empty()) continue;
    items.push_back(
        {kRecentFileCommands[i], "(" + std::to_string(i + 1) + ") " + program.recent_files[i]});
  }
  if (!items.empty()) items.push_back({kRecentSeparatorId, "", true});
  return items;
}

int RecentFileIndexOf(int command_id) {
  const auto& ids = kRecentFileCommands;
  const auto found = std::find(ids.begin(), ids.end(), command_id);
  return found == ids.end() ? -1 : static_cast<int>(found - ids.begin());
}

}  // namespace tarvel::ui
