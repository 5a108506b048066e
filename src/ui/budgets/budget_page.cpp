// Budget list rows and the printed budget page.
#include "ui/budgets/budget_page.h"

#include "model/money_format.h"
#include "ui/budgets/budget_items.h"

namespace tarvel::ui {
namespace {

const char* YesNo(bool flag) { return flag ? "Yes" : "No"; }

// An item grows by inflation alone, by its own rate, or by both.
bool InflationOnly(const BudgetItem& item) { return item.apply_inflation && item.apply_rate == 0; }

std::string ListRateCell(const BudgetItem& item) {
  if (InflationOnly(item)) return "Inflation";
  const std::string rate = model::Format("%7.3f%%", double{item.apply_rate});
  return item.apply_inflation ? "Inf.+" + rate : rate;
}

std::string PageRateCell(const BudgetItem& item) {
  if (InflationOnly(item)) return "Inflation";
  const std::string rate = model::Format("%8.3f", double{item.apply_rate});
  return item.apply_inflation ? "Inf.+" + rate : rate;
}

double YearlyAmount(const model::Budget& budget, int index) { return budget.yearly_amount[index]; }

}  // namespace

std::vector<std::string> BudgetListRows(const model::Budget& budget) {
  std::vector<std::string> rows;
  const std::vector<BudgetItem> items = BudgetItems(budget);
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    const BudgetItem& item = items[i];
    rows.push_back(model::Format("%s\t%13.2f\t%s\t%s\t%s\t%13.2f", item.name.c_str(),
                                 double{item.amount}, YesNo(item.monthly), YesNo(item.track),
                                 ListRateCell(item).c_str(), YearlyAmount(budget, i)));
  }
  return rows;
}

std::string BudgetPageText(const model::Budget& budget) {
  std::string text = "Name\tAmount \tMonthly\tTrack\tApplied Rate \tYearly Amount\n";
  text += "------------------------\n";
  const std::vector<BudgetItem> items = BudgetItems(budget);
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    const BudgetItem& item = items[i];
    text += model::Format("%s\t%13.2f \t%s\t%s\t%s \t%13.2f \n", item.name.c_str(),
                          double{item.amount}, YesNo(item.monthly), YesNo(item.track),
                          PageRateCell(item).c_str(), YearlyAmount(budget, i));
  }
  text += model::Format("Total Expenses\t%13.2f\n", double{budget.total});
  return text;
}

}  // namespace tarvel::ui
