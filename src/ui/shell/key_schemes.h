// The two sets of keyboard accelerators: the planner's own (Alt+F is Fundamentals, Ctrl+S
// Report Options) and the desktop's standard keys (Ctrl+N/O/S/Shift+S/Q for the file
// commands, Alt+letter opening the menus), in which the commands those keys belonged to move
// to free keys. The folder keys are the same in both.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel::ui {

enum class KeyScheme { Planner, Desktop };

struct KeyBinding {
  int id = 0;        // command id
  std::string keys;  // "Ctrl+Shift+N"; every command of the table with a key is listed
};

// The accelerator of every command that has one under the scheme, in command-table order.
std::vector<KeyBinding> Accelerators(KeyScheme scheme);

// A menu bar title as shown: with its Alt+letter mnemonic ("&File") under the desktop's keys,
// plain under the planner's, whose Alt+letter keys belong to commands.
std::string MenuTitle(std::string_view title, KeyScheme scheme);

// Keys that switch folders in both schemes: next folder, previous folder.
std::span<const std::string_view> NextFolderKeys();
std::span<const std::string_view> PreviousFolderKeys();

}  // namespace tarvel::ui
