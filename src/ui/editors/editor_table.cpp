// The table of editor commands.
#include "ui/editors/editor_table.h"

#include <array>

#include "ui/editors/initial_values_editor.h"
#include "ui/shell/command_ids.h"

namespace tarvel::ui {
namespace {

constexpr auto kEditors = std::to_array<EditorEntry>({
    // Each editor adds its command here: {command id, edit function, calculator}.
    {0, nullptr, false},
    {kInitialValuesCommand, EditInitialValues, false},
});

}  // namespace

std::span<const EditorEntry> EditorTable() { return kEditors; }

const EditorEntry* FindEditor(int command) {
  for (const EditorEntry& entry : kEditors) {
    if (entry.edit != nullptr && entry.command == command) return &entry;
  }
  return nullptr;
}

}  // namespace tarvel::ui
