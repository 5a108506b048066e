// Toggles of the summary lines and of suppressed runs, shown in the status bar.
#include "ui/commands/keyword_commands.h"

namespace tarvel::ui {

bool KeywordCommands::Handles(int id) const {
  return id == kToggleSummaryLines || id == kToggleRunsSuppressed;
}

CommandOutcome KeywordCommands::Execute(int id) {
  Keywords& keywords = context_.state.keywords;
  if (id == kToggleSummaryLines) {
    keywords.summary_lines = !keywords.summary_lines;
    context_.view.ShowStatus(keywords.summary_lines ? "Summary lines are written."
                                                    : "Summary lines are left out.");
  } else {
    keywords.runs_suppressed = !keywords.runs_suppressed;
    context_.view.ShowStatus(keywords.runs_suppressed ? "Runs are suppressed."
                                                      : "Runs are made again.");
  }
  context_.state.results_stale = true;
  return {};
}

}  // namespace tarvel::ui
