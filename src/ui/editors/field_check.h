// The field check every editor uses: a control's text read as a number in the C locale,
// accepted inside fixed bounds, or refused with a stop box whose text comes from the string
// table and whose caption names the field.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/dialog_view.h"
#include "platform/prompter.h"

namespace tarvel::ui {

// The string table of the field messages, ids 1 to 12; an empty text for any other id.
std::string_view StringTableText(int id);

// Message id 2000: a rate message naming both bounds.
inline constexpr int kRateBoundsMessage = 2000;

struct FieldRule {
  int control = 0;
  bool is_float = true;  // else a whole number; its bounds are taken as whole numbers
  int max_chars = 0;     // the text is cut to max_chars - 1 characters; 0 for no limit
  double minimum = 0;
  double maximum = 0;
  int message = 0;      // string-table id, or kRateBoundsMessage
  std::string caption;  // "START AGE ERROR"
};

// The number a field's text stands for: blanks, the currency symbol, thousands separators and
// a trailing "%" are ignored; an empty text is 0; anything else that is not a number is none.
std::optional<double> ParseFieldNumber(std::string_view text, char currency_symbol = '$');

// The text of the message a refused field shows.
std::string FieldMessageText(const FieldRule& rule);

// The field an error caption names, for messages about that field: "START AGE ERROR" gives
// "Start age", "Number of Years Error!" gives "Number of Years".
std::string FieldNameOfCaption(std::string_view caption);
// The message of a field whose text is no number: `Amount: "twenty" is not a number.`
std::string NotANumberText(std::string_view caption, std::string_view text);
// What a refused field says: NotANumberText when its text is no number, else the range message.
std::string RefusalText(const platform::DialogView& view, int control, std::string_view caption,
                        std::string range_message, char currency_symbol = '$');
// The message of an end age that does not come after the start age (whole years).
std::string EndAgeOrderText(double start_age, double end_age);

// ValidateField: the value when it lies inside the rule's bounds; otherwise the rule's message
// (or, for a text that is no number, NotANumberText) is shown as a stop box, the field gets the
// focus, and the result is none.
std::optional<double> ValidateField(platform::DialogView& view, platform::Prompter& prompter,
                                    const FieldRule& rule, char currency_symbol = '$');

// A control's text cut to at most max_chars - 1 bytes (Windows-1252), as an edit of that size
// would give it.
std::string ReadFieldText(const platform::DialogView& view, int control, int max_chars);

// Shows a stop box (an error icon and OK).
void ShowStop(platform::Prompter& prompter, std::string text, std::string caption);
// Shows a warning box (a warning icon and OK).
void ShowWarning(platform::Prompter& prompter, std::string text, std::string caption);

}  // namespace tarvel::ui
