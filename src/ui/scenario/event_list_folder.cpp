// The Scenario folder's list and buttons.
#include "ui/scenario/event_list_folder.h"

#include <cctype>

#include "model/event_listing.h"
#include "model/money_format.h"
#include "model/record_counts.h"
#include "ui/editors/event_editing.h"
#include "ui/scenario/event_editor_command.h"
#include "ui/scenario/event_list_edits.h"
#include "ui/shell/command_ids.h"

namespace tarvel::ui {
namespace {

std::string TrimmedLeft(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

// A line that starts with an age shows it in the first column and the rest in the second;
// an inactive event shows its true age.
EventListRow RowOf(const model::ListingLine& line, const model::Scenario& scenario) {
  EventListRow row;
  row.event_slot = line.event_slot;
  const std::string text = TrimmedLeft(line.text);
  const bool starts_with_age = !text.empty() && std::isdigit(static_cast<unsigned char>(text[0]));
  row.description = starts_with_age && (line.is_description || line.event_slot < 0);
  if (!row.description) {
    row.text = line.text;
    return row;
  }
  const std::size_t blank = text.find(' ');
  row.age = text.substr(0, blank);
  row.text = blank == std::string::npos ? std::string() : TrimmedLeft(text.substr(blank));
  if (line.event_slot >= 0 && ShownInactive(scenario.events[line.event_slot])) {
    row.inactive = true;
    const float age = scenario.events[line.event_slot].start_age - model::kInactiveOffset;
    row.age = TrimmedLeft(model::Format("%-5.1f", age));
    while (!row.age.empty() && row.age.back() == ' ') row.age.pop_back();
  }
  return row;
}

}  // namespace

void EventListFolder::Attach(EventListView* view) {
  view_ = view;
  if (view_ != nullptr) Refresh();
}

void EventListFolder::Refresh() {
  rows_.clear();
  for (const model::ListingLine& line :
       model::DescribeEvents(scenario_, program_.currency, model::ListingFor::Screen)) {
    rows_.push_back(RowOf(line, scenario_));
  }
  if (selection_ >= static_cast<int>(rows_.size())) selection_ = static_cast<int>(rows_.size()) - 1;
  if (view_ != nullptr) view_->ShowRows(rows_, selection_);
}

void EventListFolder::Select(int row) {
  selection_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
}

std::optional<int> EventListFolder::EventOfRow(int row) const {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return std::nullopt;
  const int slot = rows_[row].event_slot;
  if (slot < 0 || slot >= model::EventCount(scenario_)) return std::nullopt;
  return slot;
}

void EventListFolder::HandleButton(EventListButton button) {
  if (host_.EditorIsOpen()) return;
  switch (button) {
    case EventListButton::Add:
      state_.results_stale = true;
      host_.PostCommand(kAddEventChooserCommand);
      break;
    case EventListButton::Edit:
      EditSelectedEvent(selection_, EditMode::Edit);
      break;
    case EventListButton::Copy:
      EditSelectedEvent(selection_, EditMode::Copy);
      break;
    case EventListButton::Delete:
      DeleteSelected();
      break;
    case EventListButton::Help:
      host_.ShowHelp(kEventListHelpContext);
      break;
    case EventListButton::Print:
      break;
  }
}

void EventListFolder::EditRow(int row) {
  if (host_.EditorIsOpen()) return;
  Select(row);
  EditSelectedEvent(row, EditMode::Edit);
}

void EventListFolder::ToggleRow(int row) {
  if (host_.EditorIsOpen()) return;
  const std::optional<int> slot = EventOfRow(row);
  if (!slot) return;
  Select(row);
  ToggleEventActive(scenario_, *slot);
  scenario_.modified = true;
  host_.RunScenario();
  Refresh();
}

void EventListFolder::EditSelectedEvent(int row, EditMode mode) {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  const std::optional<int> slot = EventOfRow(row);
  if (!slot) {
    // The "Initial Rates" line.
    if (mode == EditMode::Edit && rows_[row].event_slot < 0) {
      host_.PostCommand(kInitialValuesCommand);
    }
    return;
  }
  if (mode == EditMode::Copy) {
    CopyEvent(*slot);
  } else {
    OpenEditor(*slot);
  }
  Refresh();
}

void EventListFolder::OpenEditor(int slot) {
  const std::optional<int> command = EditorCommandOf(scenario_.events[slot]);
  if (!command) return;
  state_.edit_target = slot;
  state_.last_edit_committed = false;
  host_.PostCommand(*command);
  state_.edit_target = -1;
}

void EventListFolder::CopyEvent(int slot) {
  if (!CopyableEvent(scenario_.events[slot])) return;
  if (!RoomForEvent(scenario_, prompter_)) return;
  const bool was_modified = scenario_.modified;
  const std::uint16_t copy = AppendEventCopy(scenario_, slot);
  OpenEditor(slot);
  if (state_.last_edit_committed) return;
  // Cancelled: only the duplicate goes, wherever the editor left it.
  RemoveEventNumbered(scenario_, copy);
  scenario_.modified = was_modified;
}

void EventListFolder::DeleteSelected() {
  const std::optional<int> slot = EventOfRow(selection_);
  if (!slot) return;
  const DeletionEffects effects = DeleteEventWithCascade(scenario_, *slot);
  if (!effects.deleted) return;
  if (effects.budget_deactivated) host_.RebuildBudgetMenu();
  if (effects.allocation_option_freed) host_.EnableCommand(kAllocationOptionsCommand, true);
  scenario_.modified = true;
  state_.results_stale = true;
  Refresh();
}

}  // namespace tarvel::ui
