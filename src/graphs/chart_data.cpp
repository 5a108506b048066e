// Series values of a chart, taken at the shown period itself.
#include "graphs/chart_data.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tarvel::graphs {
namespace {

template <typename T>
const T* At(std::span<const T> values, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= values.size()) return nullptr;
  return &values[static_cast<std::size_t>(index)];
}

float Finite(double value) { return std::isfinite(value) ? static_cast<float>(value) : 0.0f; }

int AccountCount(const ChartData& data) {
  const std::size_t count = std::min<std::size_t>(data.account_groups.size(), kBalanceColumns);
  return static_cast<int>(count);
}

double GroupTotal(const ChartData& data, int group, const BalanceRecord& balances) {
  double total = 0;
  const int count = AccountCount(data);
  for (int account = 0; account < count; ++account) {
    if (data.account_groups[static_cast<std::size_t>(account)] == group) {
      total += Finite(balances[static_cast<std::size_t>(account)]);
    }
  }
  return total;
}

double AllocationTotal(const ChartData& data, int category, const BalanceRecord& balances) {
  const AllocationRow* percents = At(data.allocation, category);
  if (percents == nullptr) return 0;
  const std::size_t count = std::min<std::size_t>(data.account_slots.size(), kBalanceColumns);
  double total = 0;
  for (std::size_t account = 0; account < count; ++account) {
    const std::uint16_t slot = data.account_slots[account];
    if (slot >= percents->size()) continue;
    total += Finite(static_cast<double>(balances[account]) * (*percents)[slot] * 0.01);
  }
  return total;
}

}  // namespace

float ChartData::Age(int period) const {
  const PeriodRecord* record = At(periods, period);
  return record == nullptr ? 0.0f : Finite((*record)[engine::IndexOf(PeriodColumn::Age)]);
}

float SeriesValue(const ChartData& data, SeriesRef series, int period) {
  switch (series.source) {
    case SeriesSource::PeriodColumn: {
      const PeriodRecord* record = At(data.periods, period);
      if (record == nullptr || series.index < 0 || series.index >= kPeriodColumns) return 0;
      return Finite((*record)[static_cast<std::size_t>(series.index)]);
    }
    case SeriesSource::PurchasingPower: {
      const float* value = At(data.purchasing_power, period);
      return value == nullptr ? 0.0f : Finite(*value);
    }
    case SeriesSource::AccountBalance: {
      const BalanceRecord* row = At(data.balances, period);
      if (row == nullptr || series.index < 0 || series.index >= kBalanceColumns) return 0;
      return Finite((*row)[static_cast<std::size_t>(series.index)]);
    }
    case SeriesSource::GroupTotal: {
      const BalanceRecord* row = At(data.balances, period);
      return row == nullptr ? 0.0f : Finite(GroupTotal(data, series.index, *row));
    }
    case SeriesSource::AllocationTotal: {
      const BalanceRecord* row = At(data.balances, period);
      return row == nullptr ? 0.0f : Finite(AllocationTotal(data, series.index, *row));
    }
  }
  return 0;
}

}  // namespace tarvel::graphs
