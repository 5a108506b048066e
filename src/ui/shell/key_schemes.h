// The two sets of keyboard accelerators: the desktop's standard keys (Ctrl+N/O/S/Shift+S/P/Q
// for the file commands, Alt+letter opening the menus), in which the commands those keys
// belonged to move to free keys, and the planner's classic keys (Alt+F is Fundamentals, Ctrl+S
// Report Options). The folder keys are the same in both.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel::ui {

enum class KeyScheme { Standard, Classic };

// The Edit menu's check item that turns the classic keys on.
inline constexpr char kClassicKeysText[] = "&Classic keys";
// The planner options key that remembers the choice, and its two words.
inline constexpr char kKeySchemeOption[] = "keys";

struct KeyBinding {
  int id = 0;        // command id
  std::string keys;  // "Ctrl+Shift+N"; every command of the table with a key is listed
};

// The accelerator of every command that has one under the scheme, in command-table order.
std::vector<KeyBinding> Accelerators(KeyScheme scheme);

// A menu bar title as shown: with its Alt+letter mnemonic ("&File") under the standard keys,
// plain under the classic ones, whose Alt+letter keys belong to commands.
std::string MenuTitle(std::string_view title, KeyScheme scheme);

// Keys that switch folders in both schemes: next folder, previous folder.
std::span<const std::string_view> NextFolderKeys();
std::span<const std::string_view> PreviousFolderKeys();

// The word the planner options file keeps for a scheme: "standard" or "classic".
std::string_view KeySchemeWord(KeyScheme scheme);
// The scheme in force: the options file's word when it names one; else the older "keys.dat"
// file's word when that file exists ("desktop" chose the standard keys, anything else the
// classic ones); else, in a new installation, the standard keys.
KeyScheme ChosenKeyScheme(std::optional<std::string_view> options_word,
                          std::optional<std::string_view> keys_file_word);

// One paragraph for the first-start page: which keys are in force and where to change them.
std::string KeySchemeNote(KeyScheme scheme);

}  // namespace tarvel::ui
