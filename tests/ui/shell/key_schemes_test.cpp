// The planner's keys stay the default; the desktop's standard keys take the file commands and
// the menus, and move the commands that held them to free keys.
#include "ui/shell/key_schemes.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace tarvel::ui {
namespace {

std::map<int, std::string> KeysById(KeyScheme scheme) {
  std::map<int, std::string> keys;
  for (const KeyBinding& binding : Accelerators(scheme)) keys[binding.id] = binding.keys;
  return keys;
}

TEST(KeySchemes, EachSchemeGivesEveryKeyToOneCommandAndLeavesTheFolderKeysFree) {
  for (KeyScheme scheme : {KeyScheme::Planner, KeyScheme::Desktop}) {
    std::set<std::string> seen;
    for (std::string_view keys : NextFolderKeys()) seen.insert(std::string(keys));
    for (std::string_view keys : PreviousFolderKeys()) seen.insert(std::string(keys));
    const auto bindings = Accelerators(scheme);
    for (const KeyBinding& binding : bindings) {
      EXPECT_FALSE(binding.keys.empty()) << binding.id;
      EXPECT_TRUE(seen.insert(binding.keys).second) << binding.keys << " twice";
    }
    EXPECT_EQ(bindings.size(), Accelerators(KeyScheme::Planner).size());
  }
}

TEST(KeySchemes, PlannerKeysAreTheDefaultAndDesktopKeysMoveTheClashingCommands) {
  const auto planner = KeysById(KeyScheme::Planner);
  const auto desktop = KeysById(KeyScheme::Desktop);
  const struct {
    int id;
    const char* planner;
    const char* desktop;
  } cases[] = {
      {1, "Alt+N", "Ctrl+N"},          {2, "Alt+O", "Ctrl+O"},         {3, "Alt+S", "Ctrl+S"},
      {4, "Alt+A", "Ctrl+Shift+S"},    {5, "Alt+X", "Ctrl+Q"},         {790, "Ctrl+P", "Ctrl+P"},
      {177, "Ctrl+N", "Ctrl+Shift+N"},  // Inflation
      {881, "Ctrl+O", "Ctrl+Shift+O"},  // Mortgage Calculator
      {405, "Ctrl+S", "Ctrl+Alt+S"},    // Report Options: Ctrl+Shift+S is Save as
      {178, "Ctrl+C", "Ctrl+C"},        // Compare Scenarios keeps its key
      {110, "Alt+F", "Ctrl+Shift+F"},   // Fundamentals gives Alt+F to the File menu
      {12, "Alt+E", "Ctrl+Shift+E"},   {888, "Alt+H", "Ctrl+Shift+H"}, {101, "Alt+W", "Alt+W"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(planner.at(c.id), c.planner) << c.id;
    EXPECT_EQ(desktop.at(c.id), c.desktop) << c.id;
  }
  EXPECT_EQ(MenuTitle("File", KeyScheme::Planner), "File");
  EXPECT_EQ(MenuTitle("File", KeyScheme::Desktop), "&File");
}

}  // namespace
}  // namespace tarvel::ui
