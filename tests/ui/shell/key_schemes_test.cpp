// The desktop's standard keys are the default; they take the file commands and the menus'
// Alt+letter keys and move the commands that held them to free keys. The planner's classic
// keys stay a choice, and an older choice is kept.
#include "ui/shell/key_schemes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>

namespace tarvel::ui {
namespace {

std::map<int, std::string> KeysById(KeyScheme scheme) {
  std::map<int, std::string> keys;
  for (const KeyBinding& binding : Accelerators(scheme)) keys[binding.id] = binding.keys;
  return keys;
}

TEST(KeySchemes, EachSchemeGivesEveryKeyToOneCommandAndLeavesTheFolderKeysFree) {
  for (KeyScheme scheme : {KeyScheme::Standard, KeyScheme::Classic}) {
    std::set<std::string> seen;
    for (std::string_view keys : NextFolderKeys()) seen.insert(std::string(keys));
    for (std::string_view keys : PreviousFolderKeys()) seen.insert(std::string(keys));
    const auto bindings = Accelerators(scheme);
    for (const KeyBinding& binding : bindings) {
      EXPECT_FALSE(binding.keys.empty()) << binding.id;
      EXPECT_TRUE(seen.insert(binding.keys).second) << binding.keys << " twice";
    }
    EXPECT_EQ(bindings.size(), Accelerators(KeyScheme::Classic).size());
  }
}

TEST(KeySchemes, StandardKeysTakeTheFileCommandsAndMoveTheCommandsThatHeldThem) {
  const auto classic = KeysById(KeyScheme::Classic);
  const auto standard = KeysById(KeyScheme::Standard);
  const struct {
    int id;
    const char* classic;
    const char* standard;
  } cases[] = {
      {1, "Alt+N", "Ctrl+N"},
      {2, "Alt+O", "Ctrl+O"},
      {3, "Alt+S", "Ctrl+S"},
      {4, "Alt+A", "Ctrl+Shift+S"},
      {5, "Alt+X", "Ctrl+Q"},
      {790, "Ctrl+P", "Ctrl+P"},
      {104, "F1", "F1"},
      {890, "Ctrl+V", "Ctrl+Shift+P"},  // Print Preview
      {177, "Ctrl+N", "Ctrl+Shift+N"},  // Inflation
      {881, "Ctrl+O", "Ctrl+Shift+O"},  // Mortgage Calculator
      {405, "Ctrl+S", "Ctrl+Alt+S"},    // Report Options: Ctrl+Shift+S is Save as
      {178, "Ctrl+C", "Ctrl+Shift+C"},  // Compare Scenarios leaves Copy alone
      {883, "Ctrl+A", "Ctrl+Shift+A"},  // Accelerated Mortgage leaves Select All alone
      {884, "Ctrl+W", "Ctrl+Shift+W"},  // the desktop calculator leaves Close alone
      {110, "Alt+F", "Ctrl+Shift+F"},   // Fundamentals gives Alt+F to the File menu
      {12, "Alt+E", "Ctrl+Shift+E"},
      {888, "Alt+H", "Ctrl+Shift+H"},
      {101, "Alt+W", "Alt+W"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(classic.at(c.id), c.classic) << c.id;
    EXPECT_EQ(standard.at(c.id), c.standard) << c.id;
  }
  EXPECT_EQ(MenuTitle("File", KeyScheme::Classic), "File");
  EXPECT_EQ(MenuTitle("File", KeyScheme::Standard), "&File");
}

TEST(KeySchemes, StandardKeysLeaveTheMenusAndTheDesktopsEditingKeysAlone) {
  const std::set<std::string> free_keys = {"Alt+F",  "Alt+E",  "Alt+R",  "Alt+G",  "Alt+B",
                                           "Alt+C",  "Alt+H",  "Ctrl+A", "Ctrl+C", "Ctrl+V",
                                           "Ctrl+X", "Ctrl+Z", "Ctrl+W"};
  for (const KeyBinding& binding : Accelerators(KeyScheme::Standard)) {
    EXPECT_FALSE(free_keys.contains(binding.keys)) << binding.id << " holds " << binding.keys;
  }
}

TEST(KeySchemes, TheOptionsFileChoosesThenAnOlderKeysFileThenTheStandardKeys) {
  using Word = std::optional<std::string_view>;
  const struct {
    Word options;
    Word keys_file;
    KeyScheme expected;
  } cases[] = {
      {std::nullopt, std::nullopt, KeyScheme::Standard},  // a new installation
      {"classic", std::nullopt, KeyScheme::Classic},
      {"standard", "planner", KeyScheme::Standard},  // the options file wins
      {"classic", "desktop", KeyScheme::Classic},
      {std::nullopt, "desktop", KeyScheme::Standard},
      {std::nullopt, "planner", KeyScheme::Classic},
      {std::nullopt, "", KeyScheme::Classic},       // an older file without the word
      {"sideways", "planner", KeyScheme::Classic},  // an unknown word is passed over
      {"sideways", std::nullopt, KeyScheme::Standard},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChosenKeyScheme(c.options, c.keys_file), c.expected)
        << c.options.value_or("-") << " / " << c.keys_file.value_or("-");
  }
  for (KeyScheme scheme : {KeyScheme::Standard, KeyScheme::Classic}) {
    EXPECT_EQ(ChosenKeyScheme(KeySchemeWord(scheme), std::nullopt), scheme);
  }
}

TEST(KeySchemes, TheFirstStartNoteSaysWhichKeysAreInUseAndWhereToChange) {
  const auto standard = KeysById(KeyScheme::Standard);
  const auto classic = KeysById(KeyScheme::Classic);
  const std::string standard_note = KeySchemeNote(KeyScheme::Standard);
  const std::string classic_note = KeySchemeNote(KeyScheme::Classic);
  EXPECT_NE(standard_note.find(standard.at(3) + " Save"), std::string::npos);
  EXPECT_NE(classic_note.find(classic.at(405) + " Report Options"), std::string::npos);
  EXPECT_NE(standard_note.find("Edit > Classic keys"), std::string::npos);
  EXPECT_NE(classic_note.find("Edit > Classic keys"), std::string::npos);
}

// The help page's table of the two sets: each row's keys belong to one command, and every
// command whose key differs between the sets has its row.
TEST(KeySchemes, TheKeyboardHelpPageListsEveryKeyThatDiffersBetweenTheSets) {
  std::ifstream file(TARVEL_SOURCE_DATA_DIR "/help/keyboard.html");
  const std::string page((std::istreambuf_iterator<char>(file)), {});
  ASSERT_FALSE(page.empty());
  std::map<std::string, std::string> standard_by_classic;
  const std::regex row(R"(<tr><td class="field">[^<]*</td><td>([^<]*)</td><td>([^<]*)</td></tr>)");
  for (auto match = std::sregex_iterator(page.begin(), page.end(), row);
       match != std::sregex_iterator(); ++match) {
    standard_by_classic[(*match)[2]] = (*match)[1];
  }
  const auto standard = KeysById(KeyScheme::Standard);
  for (const auto& [id, classic_keys] : KeysById(KeyScheme::Classic)) {
    const auto listed = standard_by_classic.find(classic_keys);
    if (listed != standard_by_classic.end()) {
      EXPECT_EQ(listed->second, standard.at(id)) << classic_keys;
    } else {
      EXPECT_EQ(classic_keys, standard.at(id)) << id << " is missing from the page";
    }
  }
}

}  // namespace
}  // namespace tarvel::ui
