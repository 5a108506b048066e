// Display texts for money, rates and typed numbers: digit grouping, the currency symbol in
// front, and the printf-style formats every amount and rate passes through.
#include "model/money_format.h"

#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>

#include "model/fixed_format.h"

namespace tarvel::model {
namespace {

std::string WithoutBlanks(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    if (c != ' ') result.push_back(c);
  }
  return result;
}

// Symbol, then a leading minus sign, then the characters of `whole` with a "," before every
// third one counted leftwards from its end, then `tail` unchanged.
std::string GroupWithSymbol(std::string_view whole, std::string_view tail,
                            const Currency& currency) {
  const bool negative = !whole.empty() && whole.front() == '-';
  if (negative) whole.remove_prefix(1);
  const std::size_t commas = whole.empty() ? 0 : (whole.size() - 1) / 3;
  std::string result(1 + (negative ? 1 : 0) + whole.size() + commas + tail.size(), '\0');
  char* out = result.data();
  *out++ = currency.symbol;
  if (negative) *out++ = '-';
  // The first group holds what is left over after the groups of three.
  std::size_t group = whole.size() - commas * 3;
  for (std::size_t i = 0; i < whole.size();) {
    for (std::size_t end = i + group; i < end; ++i) *out++ = whole[i];
    if (i < whole.size()) *out++ = ',';
    group = 3;
  }
  tail.copy(out, tail.size());
  return result;
}

// True when the text holds at least one digit and all of its digits are zero.
bool IsZeroAmount(std::string_view text) {
  bool any_digit = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      if (c != '0') return false;
      any_digit = true;
    }
  }
  return any_digit;
}

}  // namespace

Currency Currency::Dollars() { return Currency{'$', "Dollars"}; }
Currency Currency::Pounds() { return Currency{static_cast<char>(163), "Pounds"}; }
Currency Currency::Euros() { return Currency{static_cast<char>(128), "Euros"}; }
Currency Currency::Yen() { return Currency{static_cast<char>(165), "Yen"}; }

std::string FormatMoney(std::string_view number_text, const Currency& currency) {
  const std::string compact = WithoutBlanks(number_text);
  const std::size_t point = compact.find('.');
  if (point == std::string::npos) return std::string(1, currency.symbol) + compact;
  const std::string_view text(compact);
  return GroupWithSymbol(text.substr(0, point), text.substr(point), currency);
}

std::string FormatMoneyLabel(std::string_view number_text, const Currency& currency) {
  if (IsZeroAmount(number_text)) return "0";
  return FormatMoney(number_text, currency);
}

std::string FormatMoneyWhole(std::string_view number_text, const Currency& currency) {
  const std::string compact = WithoutBlanks(number_text);
  if (compact.find('.') != std::string::npos) return FormatMoney(compact, currency);
  return GroupWithSymbol(compact, {}, currency);
}

namespace {

// The common case of Money: two decimals of an amount below 1e15, written leftwards from the
// cents with a comma before every third digit of the whole part.
std::string GroupedCents(std::uint64_t cents, bool negative, const Currency& currency) {
  char text[40];
  char* const end = text + sizeof text;
  char* first = end;
  *--first = static_cast<char>('0' + cents % 10);
  *--first = static_cast<char>('0' + cents / 10 % 10);
  *--first = '.';
  std::uint64_t whole = cents / 100;
  for (int digits = 0;; ++digits) {
    if (digits > 0 && digits % 3 == 0) *--first = ',';
    *--first = static_cast<char>('0' + whole % 10);
    whole /= 10;
    if (whole == 0) break;
  }
  if (negative) *--first = '-';
  *--first = currency.symbol;
  return std::string(first, end);
}

}  // namespace

std::string Money(double amount, const Currency& currency) {
  if (const auto cents = ScaledDigits(amount, 2)) {
    return GroupedCents(*cents, std::signbit(amount), currency);
  }
  // "%-13.2f" only adds blanks, which FormatMoney removes: the unpadded text is grouped as is.
  FixedText text;
  const std::string_view number = text.Write(amount, kTwoPlaces);
  const std::size_t point = number.find('.');
  if (point == std::string_view::npos) return std::string(1, currency.symbol).append(number);
  return GroupWithSymbol(number.substr(0, point), number.substr(point), currency);
}

std::string CompactNumber(std::string_view text, const Currency& currency) {
  std::string result;
  for (char c : text) {
    if (c == ' ') continue;
    const bool kept = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == currency.symbol;
    if (!kept) break;
    result.push_back(c);
  }
  return result;
}

std::string RateText(double rate) {
  // "%-7.3f" only adds blanks, which the rate text drops.
  FixedText text;
  return std::string(text.Write(rate, FixedFormat{0, 3, false})).append("%");
}

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  std::string result;
  if (length > 0) {
    result.resize(static_cast<std::size_t>(length));
    std::vsnprintf(result.data(), result.size() + 1, format, args);
  }
  va_end(args);
  return result;
}

}  // namespace tarvel::model
