// The columns of a period result: the start-of-year category balances and net worth, then
// the year's incoming and outgoing flows.
#pragma once

#include <cstddef>

namespace tarvel::engine {

enum class PeriodColumn : int {
  Age = 0,
  Investment,
  TaxFree,
  Retirement,
  Assets,
  Equity,
  NetWorth,
  Incoming,  // the total of the incoming flows
  Deposits,
  TaxableIncome,
  NontaxableIncome,
  Outgoing,  // the total of the outgoing flows
  Withdrawals,
  Taxes,
  InterestPaid,
  Penalties,
  Loans,
  IncomeFromEquity,  // sales of property and equity appreciation
  IncomeFromAssets,  // sales of assets and asset appreciation
  OtherOutgoing,     // depreciation and closing costs
};

inline constexpr int kPeriodColumnCount = static_cast<int>(PeriodColumn::OtherOutgoing) + 1;
// The first of the year's flow columns; the balances come before it.
inline constexpr PeriodColumn kFirstFlowColumn = PeriodColumn::Incoming;
inline constexpr int kFlowColumnCount = kPeriodColumnCount - static_cast<int>(kFirstFlowColumn);

constexpr std::size_t IndexOf(PeriodColumn column) { return static_cast<std::size_t>(column); }

}  // namespace tarvel::engine
