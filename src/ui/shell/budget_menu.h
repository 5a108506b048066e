// UpdateBudgetMenu's texts: the five budget names, "Budget 1" to "Budget 5" for an empty
// name (which then also becomes the budget's name), and which budgets are active.
#pragma once

#include <string>
#include <vector>

#include "model/records.h"

namespace tarvel::ui {

struct BudgetMenuItem {
  int id = 0;  // 461 .. 465
  std::string text;
  bool checked = false;
};

std::vector<BudgetMenuItem> UpdateBudgetMenu(model::Scenario& scenario);

}  // namespace tarvel::ui
