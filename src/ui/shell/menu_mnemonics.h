// Mnemonics of menus and menu items: the underlined letter that opens a menu with Alt, or
// chooses an item while its menu is open. A text marks it with "&" before the letter; "&&"
// shows a plain ampersand.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel::ui {

// The mnemonic of a text in lower case, or '\0' when it has none.
char MnemonicOf(std::string_view text);

// The text with a mnemonic on the first letter or digit that is not taken (lower case):
// the first character of a word before any other. A text that has a mnemonic keeps it; a
// text without a free letter or digit stays without.
std::string WithFreeMnemonic(std::string_view text, const std::set<char>& taken);

// The texts of one menu, each with a mnemonic no other holds: those that have one keep it,
// the others take free ones in menu order.
std::vector<std::string> WithMnemonics(std::vector<std::string> texts);

}  // namespace tarvel::ui
