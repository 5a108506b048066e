// The keyboard toggles of two start-up switches: summary lines (Shift+F11) and runs
// suppressed (Alt+F12).
#pragma once

#include "ui/shell/command_ids.h"
#include "ui/shell/dispatcher.h"

namespace tarvel::ui {

class KeywordCommands : public CommandHandler {
 public:
  explicit KeywordCommands(CommandContext& context) : context_(context) {}
  bool Handles(int id) const override;
  CommandOutcome Execute(int id) override;

 private:
  CommandContext& context_;
};

}  // namespace tarvel::ui
