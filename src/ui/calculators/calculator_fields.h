// What the calculator dialogs share: numbers read from fields as typed, and a refused input
// shown as a warning with the field focused.
#pragma once

#include <string>

#include "platform/dialog_view.h"
#include "platform/prompter.h"

namespace tarvel::ui {

// The number a field's text stands for ("$1,234.00", "4.000%" and blanks accepted); a text that
// is no number gives `otherwise`.
float TypedNumber(const platform::DialogView& view, int control, char currency_symbol,
                  float otherwise = 0);

// A refused input: the message as a warning box with its caption; the field gets the focus.
void RefuseInput(platform::DialogView& view, platform::Prompter& prompter, int control,
                 const std::string& message, const std::string& caption);

}  // namespace tarvel::ui
