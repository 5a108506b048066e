// The budget working files in the working directory: "budout.tmp" carries a budget from Copy
// All to Paste All, "pbudout.tmp" feeds the budget report and "sbudout.tmp" is the snapshot
// name older sessions used. A file holds the item count, the name, the ages and flags, one
// tab-separated line per item and the end marker "Dooone".
#pragma once

#include <string>
#include <string_view>

#include "model/records.h"
#include "platform/prompter.h"

namespace tarvel::ui {

enum class BudgetFileKind { Copy, Report, Snapshot };

const char* BudgetFileName(BudgetFileKind which);

// The file's text for a budget.
std::string BudgetFileText(const model::Budget& budget);

enum class BudgetFileStatus {
  Read,
  Invalid,       // not laid out as a budget file, or no end marker
  TooManyItems,  // more items than a budget holds
};

// Reads a budget file's text over the budget: name, ages, active and today's-dollars flags and
// the items. The associated account is kept. Anything but Read leaves the budget unchanged.
BudgetFileStatus ParseBudgetFileText(std::string_view text, model::Budget& budget);

// WriteBudgetFile: false, after "Cannot open the budget output file ..." (caption "File Open
// Error"), when the file cannot be written.
bool WriteBudgetFile(const model::Budget& budget, BudgetFileKind which,
                     const std::string& directory, platform::Prompter& prompter);
// ReadBudgetFile: false, after a message, when the file cannot be opened, is not a budget
// file, or holds more than 30 items; the budget is then unchanged.
bool ReadBudgetFile(model::Budget& budget, BudgetFileKind which, const std::string& directory,
                    platform::Prompter& prompter);

}  // namespace tarvel::ui
