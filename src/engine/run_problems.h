// What can go wrong in a run that the user is told about: a file the run could not open or
// write, or a life-expectancy table that is missing or damaged. The run records the kind and the
// file; RunProblemMessage gives the message box for it.
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
  FileNotWritten,    // a file the run wrote could not be written whole; detail says why
  LifeTableMissing,  // the run goes on with the table's values as 0
  LifeTableDamaged,  // the run goes on with the unreadable values as 0
};

struct RunProblem {
  RunProblemKind kind = RunProblemKind::ResultsFileNotOpened;
  std::string file;    // the file's path or name
  std::string detail;  // life tables: what was found, in the user's words; writing: the reason
  std::string path;    // a file not opened or not written: its path, when the reason is known
};

struct RunMessage {
  std::string text;
  std::string caption;
};

RunMessage RunProblemMessage(const RunProblem& problem);
std::vector<RunMessage> RunProblemMessages(const std::vector<RunProblem>& problems);

// "Cannot write PATH: REASON" for a file the run could not open or write when the reason is
// known, else the text of its message box.
std::string RunProblemText(const RunProblem& problem);
// True for the problems of a file the run could not open or write.
bool IsFileProblem(const RunProblem& problem);

}  // namespace tarvel::engine
