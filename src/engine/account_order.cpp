// Orders the account table by access order, the order in which outflows are funded.
#include "engine/account_order.h"

#include <algorithm>
#include <string_view>

namespace tarvel::engine {
namespace {

unsigned char Folded(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

}  // namespace

bool AccessOrderLess(std::string_view left, std::string_view right) {
  return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                      [](char a, char b) { return Folded(a) < Folded(b); });
}

void OrderAccountsByAccessOrder(model::Scenario& scenario) {
  auto& table = scenario.accounts;
  const int count = std::clamp<int>(table.count, 0, model::kMaxAccounts);
  std::stable_sort(table.records.begin(), table.records.begin() + count,
                   [](const model::Account& a, const model::Account& b) {
                     return AccessOrderLess(a.access_order.view(), b.access_order.view());
                   });
}

}  // namespace tarvel::engine
