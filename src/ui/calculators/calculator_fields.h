// What the calculator dialogs share: their typed numbers read from the fields, a refused input
// shown as a box on its field, and amounts shown as money text.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "calculators/calculator_input.h"
#include "model/money_format.h"
#include "platform/dialog_view.h"
#include "platform/prompter.h"

namespace tarvel::ui {

// The number typed into a field ("$1,234.00" and "4.000%" included); NaN when the text is no
// number, so that every bound refuses it.
double FieldNumber(const platform::DialogView& view, int control, char currency_symbol);
// The number a field's text stands for; a text that is no number gives `otherwise`.
float TypedNumber(const platform::DialogView& view, int control, char currency_symbol,
                  float otherwise = 0);

// Shows the problem's message with its caption and gives its field the focus; the fields are
// the controls of the calculator's inputs, by input number. A field whose text is no number
// says so instead of naming its range. False when there is a problem.
bool AcceptInputs(platform::DialogView& view, platform::Prompter& prompter,
                  const std::optional<calculators::InputProblem>& problem,
                  std::span<const int> controls, char currency_symbol);
// A refused input: the message as a warning box with its caption; the field gets the focus.
void RefuseInput(platform::DialogView& view, platform::Prompter& prompter, int control,
                 const std::string& message, const std::string& caption);
// A refused number field: as RefuseInput, but a text that is no number says so.
void RefuseNumber(platform::DialogView& view, platform::Prompter& prompter, int control,
                  const std::string& message, const std::string& caption, char currency_symbol);

// "%13.2f" as money text, the way the calculators show amounts.
std::string MoneyText(double amount, const model::Currency& currency);

}  // namespace tarvel::ui
