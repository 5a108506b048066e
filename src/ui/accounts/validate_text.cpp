// The account dialogs' number check.
#include "ui/accounts/validate_text.h"

#include <cmath>

#include "model/money_format.h"
#include "ui/editors/field_check.h"

namespace tarvel::ui {
namespace {

std::string Bound(const char* format, double value) {
  return model::CompactNumber(model::Format(format, value), model::Currency::Dollars());
}

bool InBounds(double value, const TextRule& rule) {
  if (rule.is_float) return value >= rule.minimum && value <= rule.maximum;
  return value >= std::trunc(rule.minimum) && value <= std::trunc(rule.maximum);
}

std::string TableAgeMessage(double value, int age) {
  return model::Format(
      "The value %s for age %2d seems out of range. Please check your Life Expectancy Tables.",
      Bound("%4.1f", value).c_str(), age);
}

}  // namespace

std::string BoundsMessage(const TextRule& rule) {
  if (!rule.message.empty()) return rule.message;
  if (rule.is_float) {
    return "This amount must be greater than " + Bound("%13.2f", rule.minimum) + " and less than " +
           Bound("%13.2f", rule.maximum) + ".";
  }
  return "This rate must be greater than " + Bound("%9.3f", std::trunc(rule.minimum)) +
         " and less than " + Bound("%9.3f", std::trunc(rule.maximum)) + ".";
}

std::optional<double> ValidateText(platform::DialogView& view, platform::Prompter& prompter,
                                   const TextRule& rule) {
  const std::string text = ReadFieldText(view, rule.control, rule.max_chars);
  std::optional<double> value = ParseFieldNumber(text);
  if (value && !rule.is_float) value = std::trunc(*value);
  if (value && InBounds(*value, rule)) return value;
  if (value && rule.table_age >= 0) {
    ShowStop(prompter, TableAgeMessage(*value, rule.table_age), rule.caption);
    return value;
  }
  ShowStop(prompter, BoundsMessage(rule), rule.caption);
  view.SetFocus(rule.control);
  return std::nullopt;
}

}  // namespace tarvel::ui
