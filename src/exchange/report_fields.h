// The clean-ups of the two fields of a report line: the account name and the amount.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvel::exchange {

// A leading and a trailing double quote become blanks, characters are taken off the end up to
// the last letter or digit (or "%" when keep_percent is set, or a ")" closing a "(" of the
// name), and leading blanks go.
// Windows-1252 letters (bytes 192 and up) count as letters.
std::string CleanAccountName(std::string_view text, bool keep_percent = false);

// The amount as plain number text: blanks, thousands commas and currency symbols ("$", the
// pound, euro and yen bytes, and currency_symbol) are left out; an amount in parentheses or
// with a trailing minus becomes negative ("(500.00)" -> "-500.00"); trailing characters that
// are not digits go. Empty when what remains is not a number.
std::string CleanAmount(std::string_view text, char currency_symbol = '$');

// The value of a cleaned amount; nothing for an empty or malformed text.
std::optional<double> AmountValue(std::string_view cleaned);

// Whether the byte is a letter or digit, Windows-1252 letters included.
bool IsNameCharacter(unsigned char byte);

}  // namespace tarvel::exchange
