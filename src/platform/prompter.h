// Message boxes and file dialogs as the core asks for them; the desktop program answers
// with native dialogs, tests with scripted answers. Texts are single-byte (Windows-1252).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarvel::platform {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Warning, Error, Question };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
  std::string text;
  std::string caption;
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
  bool system_modal = false;
};

struct FileFilter {
  std::string label;     // "Scenario Files (*.RET)"
  std::string patterns;  // "*.ret;*.RET"
};

struct FileDialog {
  std::string title;
  std::vector<FileFilter> filters;
  std::string default_extension;  // without the dot
  std::string start_folder;
  std::string initial_name;
};

class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual Answer Ask(const Message& message) = 0;
  // The chosen path, or nothing when the user cancelled.
  virtual std::optional<std::string> ChooseFileToOpen(const FileDialog& dialog) = 0;
  virtual std::optional<std::string> ChooseFileToSave(const FileDialog& dialog) = 0;
};

}  // namespace tarvel::platform
