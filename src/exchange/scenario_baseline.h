// The defaults of the JSON scenario form: what a field left out of the JSON stands for, and
// the record visitors shared by the JSON writer and reader.
#pragma once

#include <memory>

#include "exchange/json_records.h"
#include "model/records.h"

namespace tarvel::exchange::json_internal {

// A new scenario (cleared, with the new-scenario and dividend defaults) whose first account_count
// accounts have id = slot = position, whose first event_count events are numbered position + 1 and
// whose next account id is account_count.
std::unique_ptr<model::Scenario> MakeBaseline(int account_count, int event_count);

inline const auto kVisitInitial = [](auto& v, auto& r, const auto& b) { VisitInitial(v, r, b); };
inline const auto kVisitAccount = [](auto& v, auto& r, const auto& b) { VisitAccount(v, r, b); };
inline const auto kVisitOptions = [](auto& v, auto& r, const auto& b) {
  VisitAccountOptions(v, r, b);
};
inline const auto kVisitGroups = [](auto& v, auto& r, const auto& b) { VisitGroups(v, r, b); };
inline const auto kVisitHeaders = [](auto& v, auto& r, const auto& b) {
  VisitReportHeaders(v, r, b);
};
inline const auto kVisitSettings = [](auto& v, auto& r, const auto& b) { VisitSettings(v, r, b); };
inline const auto kVisitFont = [](auto& v, auto& r, const auto& b) { VisitLogFont(v, r, b); };
inline const auto kVisitWindow = [](auto& v, auto& r, const auto& b) { VisitWindow(v, r, b); };
inline const auto kVisitBudget = [](auto& v, auto& r, const auto& b) { VisitBudget(v, r, b); };
inline const auto kVisitDividends = [](auto& v, auto& r, const auto& b) {
  VisitDividends(v, r, b);
};
inline const auto kVisitCategories = [](auto& v, auto& r, const auto& b) {
  VisitCategories(v, r, b);
};
inline const auto kVisitAllocation = [](auto& v, auto& r, const auto& b) {
  VisitAllocation(v, r, b);
};
inline const auto kVisitColours = [](auto& v, auto& r, const auto& b) { VisitColours(v, r, b); };
inline const auto kVisitList = [](auto& v, auto& r, const auto& b) { VisitIncomeExpense(v, r, b); };

}  // namespace tarvel::exchange::json_internal
