// The rate and access order of an account nobody has typed in.
#include "model/account_defaults.h"

#include <array>
#include <cstdlib>
#include <set>

#include "model/record_counts.h"

namespace tarvel::model {
namespace {

constexpr int kLargestOrder = 999;  // three characters

// The Initial Values field that holds the average rate of each type, in AccountType order.
constexpr std::array<float InitialValues::*, 5> kRateFields = {
    &InitialValues::asset_depreciation_rate, &InitialValues::equity_appreciation_rate,
    &InitialValues::investment_rate, &InitialValues::retirement_rate,
    &InitialValues::tax_free_rate};

// The access order as a whole number from 1 to 999, or 0 when it is anything else.
int WholeOrder(const Account& account) {
  const std::string text = account.access_order.str();
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return 0;
  const int order = std::atoi(text.c_str());
  return order <= kLargestOrder ? order : 0;
}

}  // namespace

float DefaultRateForType(const Scenario& scenario, AccountType type) {
  const auto index = static_cast<std::size_t>(type);
  if (index >= kRateFields.size()) return 0;
  double sum = 0;
  int count = 0;
  for (int position = 0; position < AccountCount(scenario); ++position) {
    const Account& account = scenario.accounts.records[position];
    if (account.type != type) continue;
    sum += account.yearly_rate;
    ++count;
  }
  if (count == 0) return InitialValues{}.*kRateFields[index];
  return static_cast<float>(sum / count);
}

std::string NextFreeAccessOrder(const Scenario& scenario) {
  std::set<int> taken = {0};  // 0 stands for the orders that are not whole numbers
  for (int position = 0; position < AccountCount(scenario); ++position) {
    taken.insert(WholeOrder(scenario.accounts.records[position]));
  }
  const int after = *taken.rbegin() + 1;
  if (after <= kLargestOrder) return std::to_string(after);
  int order = 1;
  while (taken.contains(order)) ++order;  // at most 50 accounts hold one of 999 orders
  return std::to_string(order);
}

}  // namespace tarvel::model
