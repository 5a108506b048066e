// Field clean-ups of the report parsers.
#include "exchange/report_fields.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace tarvel::exchange {
namespace {

constexpr char kPound = '\xA3';
constexpr char kEuro = '\x80';
constexpr char kYen = '\xA5';
constexpr char kNoBreakSpace = '\xA0';

bool IsLeftOut(char c, char currency_symbol) {
  return c == ',' || c == '(' || c == ')' || c == ' ' || c == '\t' || c == kNoBreakSpace ||
         c == '$' || c == kPound || c == kEuro || c == kYen || c == currency_symbol;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the text is a plain number: an optional "-", digits with at most one ".", at least
// one digit.
bool IsPlainNumber(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  const auto digits = std::count_if(text.begin(), text.end(), IsDigit);
  const auto points = std::count(text.begin(), text.end(), '.');
  return digits > 0 && points <= 1 && digits + points == static_cast<long>(text.size());
}

}  // namespace

bool IsNameCharacter(unsigned char byte) {
  if (byte >= 0xC0) return byte != 0xD7 && byte != 0xF7;  // the multiplication and division signs
  return std::isalnum(byte) != 0;
}

std::string CleanAccountName(std::string_view text, bool keep_percent) {
  std::string name(text);
  if (name.starts_with('"')) name.front() = ' ';
  if (name.ends_with('"')) name.back() = ' ';
  // A closing parenthesis ends a name that opened one, as in "401(k)".
  const auto stops = [&name, keep_percent](char last) {
    return IsNameCharacter(static_cast<unsigned char>(last)) || (keep_percent && last == '%') ||
           (last == ')' && name.find('(') != std::string::npos);
  };
  while (!name.empty() && !stops(name.back())) name.pop_back();
  const auto first = name.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : name.substr(first);
}

std::string CleanAmount(std::string_view text, char currency_symbol) {
  const bool in_parentheses = std::count(text.begin(), text.end(), '(') == 1 &&
                              std::count(text.begin(), text.end(), ')') == 1;
  std::string amount;
  for (char c : text) {
    if (!IsLeftOut(c, currency_symbol)) amount += c;
  }
  while (amount.size() > 1 && !IsDigit(amount.back()) && amount.back() != '-') amount.pop_back();
  // "500.00-" is how some reports print a negative amount.
  if (amount.size() > 1 && amount.back() == '-' && !amount.starts_with('-')) {
    amount.pop_back();
    amount.insert(amount.begin(), '-');
  }
  if (in_parentheses && !amount.starts_with('-')) amount.insert(amount.begin(), '-');
  return IsPlainNumber(amount) ? amount : std::string();
}

std::optional<double> AmountValue(std::string_view cleaned) {
  if (!IsPlainNumber(cleaned)) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(cleaned.data(), cleaned.data() + cleaned.size(), value);
  if (error != std::errc() || end != cleaned.data() + cleaned.size()) return std::nullopt;
  return value;
}

}  // namespace tarvel::exchange
