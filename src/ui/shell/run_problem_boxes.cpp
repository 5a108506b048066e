// The error boxes of a run's problems.
#include "ui/shell/run_problem_boxes.h"

#include <algorithm>

#include "engine/run_problems.h"

namespace tarvel::ui {

void ShowRunProblems(const engine::Run& run, platform::Prompter& prompter) {
  for (const engine::RunMessage& shown : engine::RunProblemMessages(run.problems)) {
    platform::Message message;
    message.text = shown.text;
    message.caption = shown.caption;
    message.icon = platform::Icon::Error;
    prompter.Ask(message);
  }
}

void DropWorkingFolderProblems(std::vector<engine::RunProblem>& problems) {
  std::erase_if(problems, [](const engine::RunProblem& problem) {
    return problem.kind == engine::RunProblemKind::PlotFileNotOpened ||
           problem.kind == engine::RunProblemKind::RunFileNotOpened;
  });
}

}  // namespace tarvel::ui
