// Building the desktop's key scheme from the planner's accelerators.
#include "ui/shell/key_schemes.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "ui/shell/command_table.h"

namespace tarvel::ui {
namespace {

struct StandardKey {
  int id;
  std::string_view keys;
};

// New, Open, Save, Save as, Exit and printing the current window.
constexpr std::array kStandardKeys = {
    StandardKey{1, "Ctrl+N"},       StandardKey{2, "Ctrl+O"}, StandardKey{3, "Ctrl+S"},
    StandardKey{4, "Ctrl+Shift+S"}, StandardKey{5, "Ctrl+Q"}, StandardKey{790, "Ctrl+P"},
};

constexpr std::array<std::string_view, 2> kNextFolder = {"Ctrl+Tab", "Ctrl+PgDown"};
constexpr std::array<std::string_view, 2> kPreviousFolder = {"Ctrl+Shift+Tab", "Ctrl+PgUp"};

// The Alt+letter keys the menu titles take under the desktop's keys.
std::set<std::string> MenuMnemonicKeys() {
  std::set<std::string> keys;
  for (const Menu& menu : MainMenu()) keys.insert("Alt+" + std::string(1, menu.title.front()));
  return keys;
}

// The letter or key name after the last "+": "F" of "Alt+F".
std::string KeyName(const std::string& keys) { return keys.substr(keys.rfind('+') + 1); }

// The first of Ctrl+Shift+<key> and Ctrl+Alt+<key> nobody holds yet.
std::string FreeKeyFor(const std::string& old_keys, const std::set<std::string>& taken) {
  for (const char* modifiers : {"Ctrl+Shift+", "Ctrl+Alt+", "Ctrl+Alt+Shift+"}) {
    std::string candidate = modifiers + KeyName(old_keys);
    if (!taken.contains(candidate)) return candidate;
  }
  return {};
}

std::vector<KeyBinding> PlannerKeys() {
  std::vector<KeyBinding> bindings;
  for (const Command& command : CommandTable()) {
    if (!command.accelerator.empty()) {
      bindings.push_back({command.id, std::string(command.accelerator)});
    }
  }
  return bindings;
}

}  // namespace

std::vector<KeyBinding> Accelerators(KeyScheme scheme) {
  std::vector<KeyBinding> bindings = PlannerKeys();
  if (scheme == KeyScheme::Planner) return bindings;
  std::set<std::string> taken = MenuMnemonicKeys();
  std::map<int, std::string> standard;
  for (const StandardKey& key : kStandardKeys) {
    standard[key.id] = std::string(key.keys);
    taken.insert(std::string(key.keys));
  }
  for (std::string_view keys : kNextFolder) taken.insert(std::string(keys));
  for (std::string_view keys : kPreviousFolder) taken.insert(std::string(keys));
  // Commands that keep their key hold it before any moved command looks for a free one.
  std::vector<KeyBinding*> moving;
  for (KeyBinding& binding : bindings) {
    if (const auto found = standard.find(binding.id); found != standard.end()) {
      binding.keys = found->second;
    } else if (taken.contains(binding.keys)) {
      moving.push_back(&binding);
    } else {
      taken.insert(binding.keys);
    }
  }
  for (KeyBinding* binding : moving) {
    binding->keys = FreeKeyFor(binding->keys, taken);
    taken.insert(binding->keys);
  }
  return bindings;
}

std::string MenuTitle(std::string_view title, KeyScheme scheme) {
  if (scheme == KeyScheme::Planner) return std::string(title);
  return "&" + std::string(title);
}

std::span<const std::string_view> NextFolderKeys() { return kNextFolder; }
std::span<const std::string_view> PreviousFolderKeys() { return kPreviousFolder; }

}  // namespace tarvel::ui
