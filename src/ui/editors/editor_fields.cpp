// The description and age fields of the event editors.
#include "ui/editors/editor_fields.h"

#include <cmath>

#include "ui/editors/field_check.h"

namespace tarvel::ui {

float WholeYears(double age) { return static_cast<float>(std::trunc(age)); }

void ShowDescription(platform::DialogView& view, int control, const model::FinancialEvent& event) {
  view.SetText(control, event.description.str());
}

void ReadDescription(const platform::DialogView& view, int control, model::FinancialEvent& event) {
  event.description.assign(ReadFieldText(view, control, kDescriptionChars + 1));
}

}  // namespace tarvel::ui
