// Reading and refusing calculator fields.
#include "ui/calculators/calculator_fields.h"

#include <optional>

#include "ui/editors/field_check.h"

namespace tarvel::ui {

float TypedNumber(const platform::DialogView& view, int control, char currency_symbol,
                  float otherwise) {
  const std::optional<double> value = ParseFieldNumber(view.Text(control), currency_symbol);
  return value ? static_cast<float>(*value) : otherwise;
}

void RefuseInput(platform::DialogView& view, platform::Prompter& prompter, int control,
                 const std::string& message, const std::string& caption) {
  platform::Message box;
  box.text = message;
  box.caption = caption;
  box.icon = platform::Icon::Warning;
  prompter.Ask(box);
  view.SetFocus(control);
}

}  // namespace tarvel::ui
