// The keyboard toggles of two start-up switches: summary lines (Shift+F11) and runs
// suppressed (Alt+F12).
#pragma once

#include "ui/shell/dispatcher.h"

namespace tarvel::ui {

inline constexpr int kToggleSummaryLines = 902;
inline constexpr int kToggleRunsSuppressed = 911;

class KeywordCommands : public CommandHandler {
 public:
  explicit KeywordCommands(CommandContext& context) : context_(context) {}
  bool Handles(int id) const override;
  CommandOutcome Execute(int id) override;

 private:
  CommandContext& context_;
};

}  // namespace tarvel::ui
