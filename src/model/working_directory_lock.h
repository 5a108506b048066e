// One planner per working directory: the run files there have fixed names, so a second
// planner on the same folder would overwrite the first one's files. The planner holds an
// exclusive lock on "planner.lock" in the folder for as long as it runs.
#pragma once

#include <string>

namespace tarvel::model {

inline constexpr char kWorkingDirectoryLockName[] = "planner.lock";

enum class LockOutcome { Taken, HeldByAnother, Failed };

class WorkingDirectoryLock {
 public:
  WorkingDirectoryLock() = default;
  WorkingDirectoryLock(const WorkingDirectoryLock&) = delete;
  WorkingDirectoryLock& operator=(const WorkingDirectoryLock&) = delete;
  ~WorkingDirectoryLock();

  // Takes the folder's lock without waiting. HeldByAnother changes no file in the folder;
  // Failed means the lock file could not be opened (a read-only folder), and the planner may
  // go on without it. The lock ends with the object or the process.
  LockOutcome Take(const std::string& folder);

  // "Another Tarvel Financial Planner is already using the folder FOLDER. ..."
  static std::string HeldMessage(const std::string& folder);

 private:
  int fd_ = -1;
};

}  // namespace tarvel::model
