// Field checks: the string table, C-locale number parsing and the refusal message.
#include "ui/editors/field_check.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

#include "model/fixed_format.h"
#include "model/money_format.h"

namespace tarvel::ui {
namespace {

constexpr std::array<std::string_view, 13> kStringTable = {
    "",
    "Retire",
    "This amount must be greater than 0.00 and less than 99999999.00.",
    "This age must be between 1 and 120.0.",
    "This rate must be between 0.0% and 1000.0%.",
    "The number of years must be between 1 and 100.",
    "Loan/Mortgage rates must be greater than 0.0 and less than 1000.0.",
    "This age must be between 1.0 and 120.0.",
    "The Applied Rate must be between -20.0% and 20.0%",
    "The birth month value must between 1 and 12",
    "The birth day value must be between 1 and 31",
    "This rate must be between -99.0% and 99.0%",
    "This age must be less than 120.0",
};

// Removes what a formatted field shows around its number: blanks, the currency symbol, the
// thousands separators and a trailing percent sign.
std::string BareNumber(std::string_view text, char currency_symbol) {
  std::string bare;
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == ',' || c == currency_symbol) continue;
    bare.push_back(c);
  }
  if (!bare.empty() && bare.back() == '%') bare.pop_back();
  return bare;
}

bool InBounds(double value, const FieldRule& rule) {
  if (rule.is_float) return value >= rule.minimum && value <= rule.maximum;
  return value >= std::trunc(rule.minimum) && value <= std::trunc(rule.maximum);
}

}  // namespace

std::string_view StringTableText(int id) {
  if (id < 0 || id >= static_cast<int>(kStringTable.size())) return {};
  return kStringTable[id];
}

std::optional<double> ParseFieldNumber(std::string_view text, char currency_symbol) {
  const std::string bare = BareNumber(text, currency_symbol);
  if (bare.empty()) return 0.0;
  const char* first = bare.data();
  if (*first == '+') ++first;
  double value = 0;
  const auto [end, error] = std::from_chars(first, bare.data() + bare.size(), value);
  if (error != std::errc() || end != bare.data() + bare.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::string FieldMessageText(const FieldRule& rule) {
  if (rule.message != kRateBoundsMessage) return std::string(StringTableText(rule.message));
  std::string text = "This rate must be greater than ";
  model::AppendFixed(text, rule.minimum, model::kTwoPlaces);
  text += " and less than ";
  model::AppendFixed(text, rule.maximum, model::kTwoPlaces);
  return text;
}

std::string FieldNameOfCaption(std::string_view caption) {
  std::string name(caption);
  while (!name.empty() && (name.back() == '!' || name.back() == ' ')) name.pop_back();
  for (std::string_view ending : {" ERROR", " Error", " error"}) {
    if (name.size() > ending.size() && name.ends_with(ending)) {
      name.resize(name.size() - ending.size());
      break;
    }
  }
  // An all-capitals caption names its field in sentence case.
  const bool capitals =
      std::none_of(name.begin(), name.end(), [](unsigned char c) { return std::islower(c) != 0; });
  if (capitals) {
    for (std::size_t i = 1; i < name.size(); ++i) {
      name[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
    }
  }
  return name;
}

std::string NotANumberText(std::string_view caption, std::string_view text) {
  constexpr std::size_t kLongestQuoted = 24;
  std::string quoted(text.substr(0, kLongestQuoted));
  if (text.size() > kLongestQuoted) quoted += "...";
  const std::string name = FieldNameOfCaption(caption);
  return (name.empty() ? std::string() : name + ": ") + "\"" + quoted + "\" is not a number.";
}

std::string RefusalText(const platform::DialogView& view, int control, std::string_view caption,
                        std::string range_message, char currency_symbol) {
  const std::string text = view.Text(control);
  if (ParseFieldNumber(text, currency_symbol)) return range_message;
  return NotANumberText(caption, text);
}

std::string EndAgeOrderText(double start_age, double end_age) {
  const std::string first = end_age < start_age ? "The end age comes before the start age."
                                                : "The end age is the same as the start age.";
  return first + model::Format(" Type an end age after %.0f.", std::trunc(start_age));
}

std::string ReadFieldText(const platform::DialogView& view, int control, int max_chars) {
  std::string text = view.Text(control);
  if (max_chars > 0 && static_cast<int>(text.size()) > max_chars - 1) text.resize(max_chars - 1);
  return text;
}

namespace {

void ShowBox(platform::Prompter& prompter, std::string text, std::string caption,
             platform::Icon icon) {
  platform::Message message;
  message.text = std::move(text);
  message.caption = std::move(caption);
  message.icon = icon;
  prompter.Ask(message);
}

}  // namespace

void ShowStop(platform::Prompter& prompter, std::string text, std::string caption) {
  ShowBox(prompter, std::move(text), std::move(caption), platform::Icon::Error);
}

void ShowWarning(platform::Prompter& prompter, std::string text, std::string caption) {
  ShowBox(prompter, std::move(text), std::move(caption), platform::Icon::Warning);
}

std::optional<double> ValidateField(platform::DialogView& view, platform::Prompter& prompter,
                                    const FieldRule& rule, char currency_symbol) {
  const std::string text = ReadFieldText(view, rule.control, rule.max_chars);
  std::optional<double> value = ParseFieldNumber(text, currency_symbol);
  if (value && !rule.is_float) value = std::trunc(*value);
  if (value && InBounds(*value, rule)) return value;
  ShowStop(prompter, value ? FieldMessageText(rule) : NotANumberText(rule.caption, text),
           rule.caption);
  view.SetFocus(rule.control);
  return std::nullopt;
}

}  // namespace tarvel::ui
