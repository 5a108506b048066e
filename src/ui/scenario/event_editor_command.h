// Which command opens the editor of an event: by its variety, and for budget events and
// budget withdrawals the dialog of their budget.
#pragma once

#include <optional>

#include "model/records.h"

namespace tarvel::ui {

// The editor command of the event, or none for an event no dialog edits.
std::optional<int> EditorCommandOf(const model::FinancialEvent& event);

// Whether Copy duplicates the event: budget withdrawals, Rule 72T distributions and the
// option events are not copied.
bool CopyableEvent(const model::FinancialEvent& event);

}  // namespace tarvel::ui
