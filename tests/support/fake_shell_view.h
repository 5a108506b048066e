// A shell view for command tests: records what the handlers asked of the main window.
#pragma once

#include <string>
#include <vector>

#include "ui/shell/shell_view.h"

namespace tarvel::test_support {

class FakeShellView : public ui::ShellView {
 public:
  void SetTitle(const std::string& text) override { title = text; }
  void RunScenario() override { calls.push_back("run"); }
  void SelectFolder(int folder) override { folders.push_back(folder); }
  void RefreshFolders() override { calls.push_back("refresh folders"); }
  void CloseFolderWindows() override { calls.push_back("close folders"); }
  void RebuildRecentMenu() override { calls.push_back("recent menu"); }
  void RebuildBudgetMenu() override { calls.push_back("budget menu"); }
  void RefreshEventList() override { calls.push_back("event list"); }
  void RunAgainInResultsFolder() override { calls.push_back("run again"); }
  void Repaint() override { calls.push_back("repaint"); }
  void EnableScenarioCommands(bool enabled) override { commands_enabled = enabled; }
  void ShowStatus(const std::string& text) override { statuses.push_back(text); }
  void ShowAbout() override { calls.push_back("about"); }
  void RequestClose() override { calls.push_back("close"); }

  bool Called(const std::string& call) const {
    for (const std::string& made : calls) {
      if (made == call) return true;
    }
    return false;
  }

  std::string title;
  std::vector<std::string> calls;
  std::vector<int> folders;
  std::vector<std::string> statuses;
  bool commands_enabled = false;
};

}  // namespace tarvel::test_support
