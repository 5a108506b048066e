// The real main window, offscreen, started on the sample scenario in a temporary working
// directory, optionally with scripted message boxes and file dialogs.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QStringList>
#include <QTabBar>
#include <filesystem>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "app/menu_builder.h"
#include "app/planner_session.h"
#include "support/fake_prompter.h"
#include "support/temp_folder.h"
#include "ui/shell/keywords.h"

namespace tarvel::app {

class MainWindowFixture : public ::testing::Test {
 protected:
  // Starts the planner as at a normal start; with a sample, finance.dat names it.
  void Start(bool with_sample = true, const std::string& command_line = "",
             platform::Prompter* prompter = nullptr,
             const std::string& sample_name = "couple-saving.ret") {
    if (with_sample) {
      sample_ = folder_.File(sample_name);
      std::filesystem::copy_file(std::string(TARVEL_EXAMPLES_BUILD_DIR "/") + sample_name, sample_);
      test_support::WriteText(folder_.File("finance.dat"), sample_ + "\n");
    }
    session_ = std::make_unique<PlannerSession>(folder_.path(), ui::ParseKeywords(command_line));
    if (prompter != nullptr) session_->UsePrompter(*prompter);
    session_->ReadPreferences();
    window_ = std::make_unique<MainWindow>(*session_, MainWindow::Options{false});
    window_->StartUp();
  }

  QStringList TabCaptions() const {
    QStringList captions;
    for (int i = 0; i < window_->tab_bar()->count(); ++i) {
      captions << window_->tab_bar()->tabText(i);
    }
    return captions;
  }

  QAction* Action(int id) { return window_->menus().Action(id); }

  test_support::TempFolder folder_;
  std::string sample_;
  std::unique_ptr<PlannerSession> session_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace tarvel::app
