// Giving menu texts mnemonics that do not clash within their menu.
#include "ui/shell/menu_mnemonics.h"

#include <cctype>

namespace tarvel::ui {
namespace {

bool IsLetterOrDigit(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }
char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// Positions in the text of the characters that could carry a mnemonic, word starts first.
std::vector<std::size_t> Candidates(std::string_view text) {
  std::vector<std::size_t> word_starts;
  std::vector<std::size_t> others;
  bool after_letter = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&') {
      ++i;  // "&&" is one shown ampersand
      after_letter = false;
      continue;
    }
    if (IsLetterOrDigit(text[i])) {
      (after_letter ? others : word_starts).push_back(i);
      after_letter = true;
    } else {
      after_letter = false;
    }
  }
  word_starts.insert(word_starts.end(), others.begin(), others.end());
  return word_starts;
}

}  // namespace

char MnemonicOf(std::string_view text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return Lower(text[i + 1]);
    ++i;
  }
  return '\0';
}

std::string WithFreeMnemonic(std::string_view text, const std::set<char>& taken) {
  std::string result(text);
  if (MnemonicOf(text) != '\0') return result;
  for (std::size_t position : Candidates(text)) {
    if (!taken.contains(Lower(text[position]))) {
      result.insert(position, 1, '&');
      break;
    }
  }
  return result;
}

std::vector<std::string> WithMnemonics(std::vector<std::string> texts) {
  std::set<char> taken;
  for (const std::string& text : texts) {
    if (const char mnemonic = MnemonicOf(text); mnemonic != '\0') taken.insert(mnemonic);
  }
  for (std::string& text : texts) {
    if (MnemonicOf(text) != '\0') continue;
    text = WithFreeMnemonic(text, taken);
    if (const char mnemonic = MnemonicOf(text); mnemonic != '\0') taken.insert(mnemonic);
  }
  return texts;
}

}  // namespace tarvel::ui
