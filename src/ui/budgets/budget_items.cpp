// Budget items: the 30-item limit, update by name, sorting and the derived amounts.
#include "ui/budgets/budget_items.h"

#include <algorithm>
#include <cctype>

namespace tarvel::ui {
namespace {

// Item names are matched on their first 19 characters.
constexpr std::size_t kMatchedNameLength = 19;

int StoredItemCount(const model::Budget& budget) {
  return std::clamp<int>(budget.item_count, 0, model::kMaxItems);
}

std::string FoldedName(const std::string& name) {
  std::string folded = name.substr(0, kMatchedNameLength);
  for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return folded;
}

double YearlyAmount(const BudgetItem& item) {
  return item.monthly ? 12.0 * item.amount : double{item.amount};
}

}  // namespace

std::vector<BudgetItem> BudgetItems(const model::Budget& budget) {
  std::vector<BudgetItem> items;
  for (int i = 0; i < StoredItemCount(budget); ++i) {
    items.push_back({budget.item_names[i].str(), budget.amount[i], budget.apply_rate[i],
                     budget.monthly[i] != 0, budget.track[i] != 0, budget.apply_inflation[i] != 0});
  }
  return items;
}

void SetBudgetItems(model::Budget& budget, std::vector<BudgetItem> items) {
  if (items.size() > static_cast<std::size_t>(model::kMaxItems)) items.resize(model::kMaxItems);
  std::stable_sort(items.begin(), items.end(), [](const BudgetItem& a, const BudgetItem& b) {
    return FoldedName(a.name) < FoldedName(b.name);
  });
  double total = 0;
  for (int i = 0; i < model::kMaxItems; ++i) {
    const BudgetItem item = i < static_cast<int>(items.size()) ? items[i] : BudgetItem{};
    const auto yearly = static_cast<float>(YearlyAmount(item));
    budget.item_names[i].assign(item.name);
    budget.amount[i] = item.amount;
    budget.yearly_amount[i] = yearly;
    budget.working_amount[i] = yearly;
    budget.apply_rate[i] = item.apply_rate;
    budget.monthly[i] = item.monthly ? 1 : 0;
    budget.track[i] = item.track ? 1 : 0;
    budget.apply_inflation[i] = item.apply_inflation ? 1 : 0;
    total += yearly;
  }
  budget.item_count = static_cast<std::int16_t>(items.size());
  budget.total = static_cast<float>(total);
}

ItemEntry EnterBudgetItem(model::Budget& budget, const BudgetItem& item) {
  if (item.name.empty()) return ItemEntry::Ignored;
  std::vector<BudgetItem> items = BudgetItems(budget);
  const std::string key = FoldedName(item.name);
  for (BudgetItem& existing : items) {
    if (FoldedName(existing.name) != key) continue;
    existing = item;
    SetBudgetItems(budget, std::move(items));
    return ItemEntry::Updated;
  }
  if (static_cast<int>(items.size()) >= model::kMaxItems) return ItemEntry::Refused;
  items.push_back(item);
  SetBudgetItems(budget, std::move(items));
  return ItemEntry::Appended;
}

void DeleteBudgetItem(model::Budget& budget, int index) {
  std::vector<BudgetItem> items = BudgetItems(budget);
  if (index < 0 || index >= static_cast<int>(items.size())) return;
  items.erase(items.begin() + index);
  SetBudgetItems(budget, std::move(items));
}

}  // namespace tarvel::ui
