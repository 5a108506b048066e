// Building the standard key scheme from the planner's classic accelerators, and choosing the
// scheme in force.
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

// New, Open, Save, Save as, Quit, printing the current window and the print preview.
constexpr std::array kStandardKeys = {
    StandardKey{1, "Ctrl+N"},         StandardKey{2, "Ctrl+O"}, StandardKey{3, "Ctrl+S"},
    StandardKey{4, "Ctrl+Shift+S"},   StandardKey{5, "Ctrl+Q"}, StandardKey{790, "Ctrl+P"},
    StandardKey{890, "Ctrl+Shift+P"},
};

// Keys that mean select all, copy, paste, cut, undo and close on the desktop. The planner has
// no undo and no second document window, so these stay free for the text fields and lists.
constexpr std::array<std::string_view, 6> kDesktopEditKeys = {"Ctrl+A", "Ctrl+C", "Ctrl+V",
                                                              "Ctrl+X", "Ctrl+Z", "Ctrl+W"};

constexpr std::array<std::string_view, 2> kNextFolder = {"Ctrl+Tab", "Ctrl+PgDown"};
constexpr std::array<std::string_view, 2> kPreviousFolder = {"Ctrl+Shift+Tab", "Ctrl+PgUp"};

constexpr char kStandardWord[] = "standard";
constexpr char kClassicWord[] = "classic";
constexpr char kOldDesktopWord[] = "desktop";

// Keys no command may keep under the standard scheme: the menus' Alt+letter, the standard
// keys themselves, the desktop's editing keys and the folder keys.
std::set<std::string> KeysTakenFromCommands() {
  std::set<std::string> keys;
  for (const Menu& menu : MainMenu()) keys.insert("Alt+" + std::string(1, menu.title.front()));
  for (const StandardKey& key : kStandardKeys) keys.insert(std::string(key.keys));
  for (std::string_view key : kDesktopEditKeys) keys.insert(std::string(key));
  for (std::string_view key : kNextFolder) keys.insert(std::string(key));
  for (std::string_view key : kPreviousFolder) keys.insert(std::string(key));
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

std::vector<KeyBinding> ClassicKeys() {
  std::vector<KeyBinding> bindings;
  for (const Command& command : CommandTable()) {
    if (!command.accelerator.empty()) {
      bindings.push_back({command.id, std::string(command.accelerator)});
    }
  }
  return bindings;
}

const StandardKey* StandardKeyOf(int id) {
  const auto found = std::find_if(kStandardKeys.begin(), kStandardKeys.end(),
                                  [id](const StandardKey& key) { return key.id == id; });
  return found == kStandardKeys.end() ? nullptr : &*found;
}

}  // namespace

std::vector<KeyBinding> Accelerators(KeyScheme scheme) {
  std::vector<KeyBinding> bindings = ClassicKeys();
  if (scheme == KeyScheme::Classic) return bindings;
  std::set<std::string> taken = KeysTakenFromCommands();
  // Commands that keep their key hold it before any moved command looks for a free one.
  std::vector<KeyBinding*> moving;
  for (KeyBinding& binding : bindings) {
    if (const StandardKey* standard = StandardKeyOf(binding.id)) {
      binding.keys = std::string(standard->keys);
    } else if (taken.contains(binding.keys)) {
      moving.push_back(&binding);
    } else {
      taken.insert(binding.keys);
    }
  }
  // A Ctrl key becomes Ctrl+Shift before an Alt key can take that.
  std::stable_partition(moving.begin(), moving.end(), [](const KeyBinding* binding) {
    return binding->keys.starts_with("Ctrl+");
  });
  for (KeyBinding* binding : moving) {
    binding->keys = FreeKeyFor(binding->keys, taken);
    taken.insert(binding->keys);
  }
  return bindings;
}

std::string MenuTitle(std::string_view title, KeyScheme scheme) {
  if (scheme == KeyScheme::Classic) return std::string(title);
  return "&" + std::string(title);
}

std::span<const std::string_view> NextFolderKeys() { return kNextFolder; }
std::span<const std::string_view> PreviousFolderKeys() { return kPreviousFolder; }

std::string_view KeySchemeWord(KeyScheme scheme) {
  return scheme == KeyScheme::Classic ? kClassicWord : kStandardWord;
}

KeyScheme ChosenKeyScheme(std::optional<std::string_view> options_word,
                          std::optional<std::string_view> keys_file_word) {
  if (options_word == kClassicWord) return KeyScheme::Classic;
  if (options_word == kStandardWord) return KeyScheme::Standard;
  if (keys_file_word.has_value() && *keys_file_word != kOldDesktopWord) return KeyScheme::Classic;
  return KeyScheme::Standard;
}

std::string KeySchemeNote(KeyScheme scheme) {
  if (scheme == KeyScheme::Classic) {
    return "Keys: the planner's classic keys are in use (Alt+F Fundamentals, Ctrl+S Report "
           "Options, Ctrl+O Mortgage Calculator). For the desktop's standard keys (Ctrl+S Save, "
           "Alt+F the File menu), clear Edit > Classic keys.";
  }
  return "Keys: the desktop's standard keys are in use: Ctrl+N New, Ctrl+O Open, Ctrl+S Save, "
         "Ctrl+P Print, Ctrl+Q Quit, F1 Help, and Alt with a menu's underlined letter opens it. "
         "If you are used to the planner's classic keys (Alt+F Fundamentals, Ctrl+S Report "
         "Options), choose Edit > Classic keys.";
}

}  // namespace tarvel::ui
