// The Help menu's topics and the About command.
#pragma once

#include "platform/help.h"
#include "ui/shell/dispatcher.h"
#include "ui/shell/shell_view.h"

namespace tarvel::ui {

// The Monte Carlo folder's page; the folder has no Help button of its own.
inline constexpr int kMonteCarloHelpContext = 1610;

// What "Table Of Contents" (F1) opens over a folder: the page of a folder that has no Help
// button to reach it, else the contents.
int ContentsTopicOver(int folder);

class HelpCommands : public CommandHandler {
 public:
  HelpCommands(ShellView& view, const ShellState& state, platform::Help& help)
      : view_(view), state_(state), help_(help) {}
  bool Handles(int id) const override;
  CommandOutcome Execute(int id) override;

 private:
  ShellView& view_;
  const ShellState& state_;
  platform::Help& help_;
};

}  // namespace tarvel::ui
