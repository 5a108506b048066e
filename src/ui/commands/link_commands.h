// Commands that start something outside the planner: the sibling programs, the desktop's
// calculator, the e-mail program and the manual in the web browser.
#pragma once

#include <string>

#include "platform/launcher.h"
#include "ui/shell/dispatcher.h"

namespace tarvel::ui {

struct LinkAddresses {
  std::string email;   // "mailto:..."
  std::string manual;  // the manual's address for the browser
};

class LinkCommands : public CommandHandler {
 public:
  LinkCommands(CommandContext& context, platform::Launcher& launcher, LinkAddresses addresses)
      : context_(context), launcher_(launcher), addresses_(std::move(addresses)) {}
  bool Handles(int id) const override;
  CommandOutcome Execute(int id) override;

 private:
  void StartCalculator();
  void ContactByEmail();
  void DownloadManual();
  void ShowError(const char* text, const char* caption);

  CommandContext& context_;
  platform::Launcher& launcher_;
  LinkAddresses addresses_;
};

}  // namespace tarvel::ui
