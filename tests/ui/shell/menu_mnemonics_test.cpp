// Menu texts get mnemonics that do not clash within their menu, word starts first, and keep
// the ones they have.
#include "ui/shell/menu_mnemonics.h"

#include <gtest/gtest.h>

namespace tarvel::ui {
namespace {

TEST(MenuMnemonics, AreReadAfterTheSingleAmpersand) {
  const struct {
    const char* text;
    char mnemonic;
  } cases[] = {{"&File", 'f'},   {"S&ave as..", 'a'}, {"Plain", '\0'},
               {"A && B", '\0'}, {"A && &B", 'b'},    {"Trailing&", '\0'}};
  for (const auto& c : cases) EXPECT_EQ(MnemonicOf(c.text), c.mnemonic) << c.text;
}

TEST(MenuMnemonics, AFreeOneGoesToAWordStartBeforeAnyOtherLetter) {
  const struct {
    const char* text;
    std::set<char> taken;
    const char* expected;
  } cases[] = {
      {"Table Of Contents", {}, "&Table Of Contents"},
      {"Help On Help", {'h'}, "Help &On Help"},
      {"Rule 72T Distribution", {'r'}, "Rule &72T Distribution"},
      {"(1) /plans/one.ret", {'p', 'o'}, "(&1) /plans/one.ret"},
      {"Re-Index", {'r'}, "Re-&Index"},
      {"Add Account", {'a'}, "A&dd Account"},
      {"Tom && Jerry", {'t'}, "Tom && &Jerry"},  // a shown ampersand is no letter
      {"Gro&up Names", {'u'}, "Gro&up Names"},   // one it has stays
      {"Aa", {'a'}, "Aa"},                       // nothing free: none
      {"\xA3 sterling", {}, "\xA3 &sterling"},   // only letters and digits carry one
  };
  for (const auto& c : cases) EXPECT_EQ(WithFreeMnemonic(c.text, c.taken), c.expected);
}

TEST(MenuMnemonics, AMenuKeepsTheOnesItHasAndGivesTheOthersFreeOnesInOrder) {
  const std::vector<std::string> menu = {"Budget 1", "Budget 2", "&Base", "Budget 3"};
  EXPECT_EQ(WithMnemonics(menu),
            (std::vector<std::string>{"Budget &1", "Budget &2", "&Base", "Budget &3"}));
}

}  // namespace
}  // namespace tarvel::ui
