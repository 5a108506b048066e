// What can go wrong in a run that the user is told about: a file the run could not open, or
// a life-expectancy table that is missing or damaged. The run records the kind and the file;
// RunProblemMessage gives the message box for it.
#pragma once

#include <string>
#include <vector>

namespace tarvel::engine {

enum class RunProblemKind {
  ResultsFileNotOpened,  // the results file of a mode-1 run
  PrintFileNotOpened,    // the print file of a mode-2 run
  PlotFileNotOpened,
  RunFileNotOpened,  // the event, outgoing or incoming run file
  ExportFileNotOpened,
  LifeTableMissing,  // the run goes on with the table's values as 0
  LifeTableDamaged,  // the run goes on with the unreadable values as 0
};

struct RunProblem {
  RunProblemKind kind = RunProblemKind::ResultsFileNotOpened;
  std::string file;    // the file's path or name
  std::string detail;  // life tables: what was found, in the user's words
};

struct RunMessage {
  std::string text;
  std::string caption;
};

RunMessage RunProblemMessage(const RunProblem& problem);
std::vector<RunMessage> RunProblemMessages(const std::vector<RunProblem>& problems);

}  // namespace tarvel::engine
