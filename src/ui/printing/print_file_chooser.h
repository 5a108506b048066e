// Where a document printed to a file goes: a file dialog that starts in the folder the last
// printed file went to, else in the plan's folder, proposes "plan - title.pdf", asks before
// replacing a file, and remembers the folder in the planner options file.
#pragma once

#include <optional>
#include <string>

#include "model/program.h"
#include "platform/prompter.h"

namespace tarvel::ui {

class PrintFileChooser {
 public:
  PrintFileChooser(platform::Prompter& prompter, model::Program& program)
      : prompter_(prompter), program_(program) {}

  // The remembered folder, else the folder of the open plan.
  std::string StartFolder() const;
  // The start folder with "plan - title.pdf" (the title is record text).
  std::string SuggestedPath(const std::string& title) const;
  // The save dialog on the proposed path (its folder and name); the chosen path, or nothing
  // when the user cancelled or would not replace an existing file.
  std::optional<std::string> Ask(const std::string& proposed_path);

 private:
  void Remember(const std::string& folder);

  platform::Prompter& prompter_;
  model::Program& program_;
};

}  // namespace tarvel::ui
