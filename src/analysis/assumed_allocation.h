// The allocation a historical analysis may assume for a savings account that has none, so that
// its rate follows the historical returns: 60 % large-cap stocks and 40 % long-term government
// bonds, or all cash for an account that holds cash. It applies to the analysis only.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "analysis/historical_returns.h"
#include "model/records.h"

namespace tarvel::analysis {

// Percent of each asset class of the data, by AssetClass.
using AssetMix = std::array<float, kAssetClasses>;

inline constexpr float kAssumedStockPercent = 60;
inline constexpr float kAssumedBondPercent = 40;
// An account earning at most this (percent per year) is taken to hold cash.
inline constexpr float kCashLikeRate = 2;

// Whether the account has a positive percentage in any allocation category.
bool HasAllocation(const model::Scenario& scenario, const model::Account& account);

// Whether the account holds cash: named as a checking, cash, money-market or bank account, or
// earning kCashLikeRate or less.
bool IsCashLike(const model::Account& account);

// The mix assumed for a savings account (investment, retirement or tax-free) without an
// allocation; nothing for property (asset, equity) and for accounts with an allocation.
std::optional<AssetMix> AssumedAllocation(const model::Scenario& scenario,
                                          const model::Account& account);

// "60 % large-cap stocks, 40 % long-term bonds" or "100 % cash".
std::string AssetMixText(const AssetMix& mix);

// What the assumption is, for the user.
inline constexpr char kAssumedAllocationRule[] =
    "Assumed for accounts without an allocation: 60 % large-cap stocks and 40 % long-term "
    "government bonds; cash accounts (checking, cash, money market, bank, or earning 2 % or "
    "less) all cash.";

}  // namespace tarvel::analysis
