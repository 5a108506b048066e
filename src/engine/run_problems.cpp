// The message boxes of a run's problems.
#include "engine/run_problems.h"

#include "model/working_file_names.h"

namespace tarvel::engine {
namespace {

constexpr char kFileError[] = "FILE ERROR";

// The outgoing run file has always been reported under its older name.
std::string ShownRunFileName(const std::string& file) {
  return file == model::kOutgoingRunFileName ? "iofile.tmp" : file;
}

}  // namespace

RunMessage RunProblemMessage(const RunProblem& problem) {
  switch (problem.kind) {
    case RunProblemKind::ResultsFileNotOpened:
    case RunProblemKind::ExportFileNotOpened:
      // A file the user named is told with the system's reason when it is known.
      if (!problem.path.empty()) return {RunProblemText(problem), kFileError};
      return {"Cannot open " + problem.file, kFileError};
    case RunProblemKind::PrintFileNotOpened:
      return {"Cannot open temporary print file", kFileError};
    case RunProblemKind::PlotFileNotOpened:
      return {"Cannot open plot file.", kFileError};
    case RunProblemKind::RunFileNotOpened:
      return {"Cannot open temporary print file -- " + ShownRunFileName(problem.file), kFileError};
    case RunProblemKind::FileNotWritten:
      return {RunProblemText(problem), kFileError};
    case RunProblemKind::LifeTableMissing:
      return {problem.detail, kFileError};
    case RunProblemKind::LifeTableDamaged:
      return {problem.detail, "FILE WARNING"};
  }
  return {problem.detail, kFileError};
}

std::vector<RunMessage> RunProblemMessages(const std::vector<RunProblem>& problems) {
  std::vector<RunMessage> messages;
  messages.reserve(problems.size());
  for (const RunProblem& problem : problems) messages.push_back(RunProblemMessage(problem));
  return messages;
}

}  // namespace tarvel::engine

namespace tarvel::engine {

bool IsFileProblem(const RunProblem& problem) {
  return problem.kind != RunProblemKind::LifeTableMissing &&
         problem.kind != RunProblemKind::LifeTableDamaged;
}

std::string RunProblemText(const RunProblem& problem) {
  if (IsFileProblem(problem) && !problem.path.empty()) {
    return "Cannot write " + problem.path + ": " + problem.detail;
  }
  return RunProblemMessage(problem).text;
}

}  // namespace tarvel::engine
