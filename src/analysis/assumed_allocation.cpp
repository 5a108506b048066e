// Which accounts get the assumed allocation, and what it is.
#include "analysis/assumed_allocation.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string_view>

namespace tarvel::analysis {
namespace {

constexpr std::array<std::string_view, 4> kCashWords = {"checking", "cash", "money market", "bank"};
constexpr std::array<const char*, kAssetClasses> kAssetClassNames = {
    "large-cap stocks", "small-cap stocks", "cash", "long-term bonds", "corporate bonds"};

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool IsSavings(model::AccountType type) {
  return type == model::AccountType::Investment || type == model::AccountType::Retirement ||
         type == model::AccountType::TaxFree;
}

}  // namespace

bool HasAllocation(const model::Scenario& scenario, const model::Account& account) {
  if (account.slot >= model::kMaxAccounts) return false;
  for (const auto& category : scenario.allocation.percent) {
    if (category[account.slot] > 0) return true;
  }
  return false;
}

bool IsCashLike(const model::Account& account) {
  const std::string name = Lower(account.name.view());
  const bool named = std::any_of(kCashWords.begin(), kCashWords.end(), [&](std::string_view word) {
    return name.find(word) != std::string::npos;
  });
  return named || account.yearly_rate <= kCashLikeRate;
}

std::optional<AssetMix> AssumedAllocation(const model::Scenario& scenario,
                                          const model::Account& account) {
  if (!IsSavings(account.type) || HasAllocation(scenario, account)) return std::nullopt;
  AssetMix mix{};
  if (IsCashLike(account)) {
    mix[static_cast<int>(AssetClass::Cash)] = 100;
  } else {
    mix[static_cast<int>(AssetClass::LargeCap)] = kAssumedStockPercent;
    mix[static_cast<int>(AssetClass::LongBond)] = kAssumedBondPercent;
  }
  return mix;
}

std::string AssetMixText(const AssetMix& mix) {
  std::string text;
  for (int c = 0; c < kAssetClasses; ++c) {
    if (!(mix[c] > 0)) continue;
    char part[64];
    std::snprintf(part, sizeof part, "%s%.0f %% %s", text.empty() ? "" : ", ",
                  static_cast<double>(mix[c]), kAssetClassNames[c]);
    text += part;
  }
  return text;
}

}  // namespace tarvel::analysis
