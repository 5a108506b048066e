// The open flags of the editors and tools.
#include "ui/shell/editor_guard.h"

#include <algorithm>

namespace tarvel::ui {

void EditorGuard::Open(const std::string& name, std::function<void()> raise) {
  Close(name);
  open_.push_back({name, std::move(raise)});
}

void EditorGuard::Close(const std::string& name) {
  std::erase_if(open_, [&name](const Entry& entry) { return entry.name == name; });
}

void EditorGuard::CloseAll() { open_.clear(); }

bool EditorGuard::IsOpen(const std::string& name) const {
  return std::any_of(open_.begin(), open_.end(),
                     [&name](const Entry& entry) { return entry.name == name; });
}

bool EditorGuard::EditorIsOpen(bool printing) {
  for (const Entry& entry : open_) {
    if (entry.raise) entry.raise();
  }
  return printing || !open_.empty();
}

}  // namespace tarvel::ui
