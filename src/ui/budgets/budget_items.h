// The items of one budget: entering, deleting and clearing them within the 30-item limit,
// kept sorted by name, with each item's yearly amount and the budget's yearly total derived.
#pragma once

#include <string>
#include <vector>

#include "model/records.h"

namespace tarvel::ui {

struct BudgetItem {
  std::string name;  // at most 19 characters are significant
  float amount = 0;
  float apply_rate = 0;  // percent per year
  bool monthly = false;
  bool track = false;
  bool apply_inflation = false;
};

// What entering an item did.
enum class ItemEntry {
  Ignored,   // an empty name
  Updated,   // an item of that name (first 19 characters, any case) took the new values
  Appended,  // a new item
  Refused,   // the budget already holds 30 items and none has that name
};

// The budget's items in their stored order (at most 30, whatever the stored count says).
std::vector<BudgetItem> BudgetItems(const model::Budget& budget);
// Replaces the items, sorted by name, and derives the yearly amounts and the total. Items
// beyond 30 are not stored: callers refuse them first.
void SetBudgetItems(model::Budget& budget, std::vector<BudgetItem> items);

ItemEntry EnterBudgetItem(model::Budget& budget, const BudgetItem& item);
void DeleteBudgetItem(model::Budget& budget, int index);

}  // namespace tarvel::ui
