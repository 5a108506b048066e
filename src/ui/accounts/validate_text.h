// ValidateText: the number check of the account, group and life-expectancy dialogs. A value
// outside its bounds (or a text that is no number) is refused with a stop box naming both
// bounds; a life-expectancy value is only questioned, and kept.
#pragma once

#include <optional>
#include <string>

#include "platform/dialog_view.h"
#include "platform/prompter.h"

namespace tarvel::ui {

struct TextRule {
  int control = 0;
  bool is_float = true;  // else a whole number checked against the truncated bounds
  int max_chars = 0;     // the text is cut to max_chars - 1 characters; 0 for no limit
  double minimum = 0;
  double maximum = 0;
  std::string caption;  // "RATE ERROR"
  std::string message;  // replaces the bounds message when not empty
  int table_age = -1;   // a life-expectancy value for this age: questioned, then kept
};

// The bounds message: "This amount must be greater than -100000000.00 and less than ...",
// or for whole numbers "This rate must be greater than ... and less than ..." ("%9.3f").
std::string BoundsMessage(const TextRule& rule);

// The value when accepted. A refused value shows the message (the field gets the focus) and
// gives none, except a life-expectancy value, which is returned after its question.
std::optional<double> ValidateText(platform::DialogView& view, platform::Prompter& prompter,
                                   const TextRule& rule);

}  // namespace tarvel::ui
