// How editors show stored values in their fields: ages, amounts and rates with the editors'
// formats, without the padding blanks a field does not need.
#pragma once

#include <string>

#include "model/fixed_format.h"
#include "model/money_format.h"

namespace tarvel::ui {

inline constexpr model::FixedFormat kAgeField{6, 2, true};      // "%-6.2f"
inline constexpr model::FixedFormat kRateField{7, 3, true};     // "%-7.3f"
inline constexpr model::FixedFormat kAmountField{11, 2, true};  // "%-11.2f"

// The value printed with the format, trailing blanks removed.
std::string FieldText(double value, model::FixedFormat format);
// An amount as a money field shows it: "$1,234.00".
std::string MoneyFieldText(double amount, const model::Currency& currency);
// The caption of the "today's dollars" check box: "Use amount in age 65.0 Dollars".
std::string TodaysDollarsCaption(double initial_start_age, const model::Currency& currency);

}  // namespace tarvel::ui
