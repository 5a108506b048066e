// The run results a chart reads: period records, balance rows, purchasing power and the
// account groups and allocation percentages that group and allocation totals need.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "engine/period_column.h"
#include "model/records.h"

namespace tarvel::graphs {

using engine::PeriodColumn;

inline constexpr int kPeriodColumns = engine::kPeriodColumnCount;
inline constexpr int kBalanceColumns = 51;

// The values of one period, by PeriodColumn.
using PeriodRecord = std::array<float, kPeriodColumns>;
// Start-of-year balance of every account, by account position.
using BalanceRecord = std::array<float, kBalanceColumns>;
// Allocation percentages of one category by settings slot.
using AllocationRow = std::array<float, model::kMaxAccounts>;

// Read-only views of one run's results; spans may be shorter than the periods shown, and
// missing values read as 0.
struct ChartData {
  std::span<const PeriodRecord> periods{};
  std::span<const BalanceRecord> balances{};
  std::span<const float> purchasing_power{};
  std::span<const std::uint16_t> account_groups{};  // by account position: group index 0..9
  std::span<const std::uint16_t> account_slots{};   // by account position: settings slot
  std::span<const AllocationRow> allocation{};      // by category: percentages by slot

  // The age of a period (column 0); 0 when the period is not there.
  float Age(int period) const;
};

enum class SeriesSource {
  PeriodColumn,     // index: result column 0..19
  GroupTotal,       // index: group 0..9; sum of the balances of the group's accounts
  PurchasingPower,  // index unused
  AllocationTotal,  // index: category 0..9; balance x percentage x 0.01 over all accounts
  AccountBalance,   // index: account position
};

struct SeriesRef {
  SeriesSource source = SeriesSource::PeriodColumn;
  int index = 0;
};

// The series of one period-result column.
constexpr SeriesRef ColumnSeries(PeriodColumn column) {
  return {SeriesSource::PeriodColumn, static_cast<int>(column)};
}

// The series' value at a period; 0 for anything missing, out of range or not finite.
float SeriesValue(const ChartData& data, SeriesRef series, int period);

}  // namespace tarvel::graphs
