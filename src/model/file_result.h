// The outcome of reading or writing one of the planner's files: success, or what went wrong
// and with which file. The shell turns a problem into the message the user sees.
#pragma once

#include <string>

namespace tarvel::model {

enum class FileProblem {
  None,
  CannotOpen,    // the file could not be opened (missing, unreadable, or not writable)
  Invalid,       // the file is not one of its kind (cut short, counts out of range)
  CannotCreate,  // a new file could not be made
  CannotWrite,   // the bytes did not reach the disk; an old file is left as it was
  Exists,        // the file exists and overwriting it was not agreed
  NotAPlan,      // the file reads but holds values no plan can have
};

struct FileResult {
  FileProblem problem = FileProblem::None;
  std::string file;  // the name as the user gave it
  // For the user, in plain words: NotAPlan: the refused values, one a line; success: a
  // warning about what was read (a file cut short inside a block), or nothing.
  std::string note;

  bool ok() const { return problem == FileProblem::None; }
  static FileResult Fail(FileProblem problem, std::string file) {
    return {problem, std::move(file), {}};
  }
};

// Whether an existing file may be replaced without asking.
enum class Overwrite { Ask, Agreed };

}  // namespace tarvel::model
