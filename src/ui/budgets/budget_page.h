// The texts of a budget's items: the rows of the budget dialog's list and the budget page
// "rpage1" that printing reads.
#pragma once

#include <string>
#include <vector>

#include "model/records.h"

namespace tarvel::ui {

// The list columns of the budget dialog.
inline constexpr const char* kBudgetListColumns[] = {"Name",  "Amount",       "Monthly",
                                                     "Track", "Applied Rate", "Yearly Amount"};

// The list rows, cells separated by tabs: name, amount "%13.2f", monthly and track ("Yes" or
// "No"), the rate ("Inflation", "%7.3f%" or "Inf.+%7.3f%") and the yearly amount "%13.2f".
std::vector<std::string> BudgetListRows(const model::Budget& budget);

// The page "rpage1": the heading, a rule, one line per item and the total.
std::string BudgetPageText(const model::Budget& budget);

}  // namespace tarvel::ui
