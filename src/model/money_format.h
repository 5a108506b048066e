// Display texts for money, rates and typed numbers, in the user's currency.
#pragma once

#include <string>
#include <string_view>

namespace tarvel::model {

// The one-byte currency symbol (Windows-1252: 163 pound, 128 euro, 165 yen) and its word.
struct Currency {
  char symbol = '$';
  std::string word = "Dollars";

  static Currency Dollars();
  static Currency Pounds();
  static Currency Euros();
  static Currency Yen();
};

// "1234567.89" (any printf output with a decimal point) -> "$1,234,567.89"; "-12.50" ->
// "$-12.50"; blanks removed; a text without "." gets the symbol and no separators.
std::string FormatMoney(std::string_view number_text, const Currency& currency);
// As FormatMoney, but a value of zero is labelled "0".
std::string FormatMoneyLabel(std::string_view number_text, const Currency& currency);
// As FormatMoney, grouping the digits of the whole text (for whole-number amounts).
std::string FormatMoneyWhole(std::string_view number_text, const Currency& currency);
// printf("%-13.2f") then FormatMoney: the usual way an amount is shown.
std::string Money(double amount, const Currency& currency);
// The Money text of the amount as it is now, built only when called, so a line that is never
// written formats no money.
inline auto MoneyLater(double amount, const Currency& currency) {
  return [amount, &currency] { return Money(amount, currency); };
}

// Removes blanks and cuts at the first character that is not a digit, ".", "-" or the
// currency symbol; used before a typed amount is parsed.
std::string CompactNumber(std::string_view text, const Currency& currency);
// A rate printed with "%-7.3f", stripped of blanks, followed by "%": "4.000%".
std::string RateText(double rate);

// printf into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace tarvel::model
