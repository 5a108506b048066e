// Message boxes and file dialogs of the desktop: native Qt dialogs with the captions, icons,
// buttons, titles and filters the planner asks for.
#pragma once

#include <QWidget>

#include "platform/prompter.h"

namespace tarvel::app {

class QtPrompter : public platform::Prompter {
 public:
  explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
  void set_parent(QWidget* parent) { parent_ = parent; }
  // The window a box or file dialog belongs to: the open modal dialog, else the planner's
  // active window (such as the event chooser), else the main window.
  QWidget* Owner() const;

  platform::Answer Ask(const platform::Message& message) override;
  std::optional<std::string> ChooseFileToOpen(const platform::FileDialog& dialog) override;
  std::optional<std::string> ChooseFileToSave(const platform::FileDialog& dialog) override;

 private:
  QWidget* parent_;
};

// "Scenario Files (*.RET)" with "*.ret;*.RET" -> "Scenario Files (*.ret *.RET)".
QString NameFilters(const platform::FileDialog& dialog);

}  // namespace tarvel::app
