// The table of editor commands.
#include "ui/editors/editor_table.h"

#include <array>

#include "ui/budgets/budget_dialog.h"
#include "ui/options/allocation_options_dialog.h"
#include "ui/options/rmd_options_dialog.h"

namespace tarvel::ui {
namespace {

constexpr auto kEditors = std::to_array<EditorEntry>({
    // Each editor adds its command here: {command id, edit function, calculator}.
    {0, nullptr, false},
    // Budgets 1 to 5 and the withdrawal options.
    {461, EditBudget, false, 0},
    {462, EditBudget, false, 1},
    {463, EditBudget, false, 2},
    {464, EditBudget, false, 3},
    {465, EditBudget, false, 4},
    {888, EditAllocationOptions, false},
    {889, EditRmdOptions, false},
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
