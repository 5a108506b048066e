// The Budgets menu items from the scenario's budgets.
#include "ui/shell/budget_menu.h"

#include "model/money_format.h"
#include "ui/shell/command_table.h"

namespace tarvel::ui {

std::vector<BudgetMenuItem> UpdateBudgetMenu(model::Scenario& scenario) {
  std::vector<BudgetMenuItem> items;
  for (int index = 0; index < kBudgetCommandCount; ++index) {
    model::Budget& budget = scenario.budgets[index];
    if (budget.name.empty()) budget.name.assign(model::Format("Budget %d", index + 1));
    items.push_back({kFirstBudgetCommand + index, budget.name.str(), budget.active != 0});
  }
  return items;
}

}  // namespace tarvel::ui
