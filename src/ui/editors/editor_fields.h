// What every event editor does with the same fields: the description (49 characters) and the
// ages, stored as whole years after their check.
#pragma once

#include "model/records.h"
#include "platform/dialog_view.h"

namespace tarvel::ui {

inline constexpr int kDescriptionChars = 49;

// The whole years of a checked age: 65.7 is stored as 65.
float WholeYears(double age);

void ShowDescription(platform::DialogView& view, int control, const model::FinancialEvent& event);
// The description typed into the control, cut to kDescriptionChars characters.
void ReadDescription(const platform::DialogView& view, int control, model::FinancialEvent& event);

}  // namespace tarvel::ui
