// The working directory's lock, taken with flock so that it ends with the process however
// the process ends.
#include "model/working_directory_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace tarvel::model {

WorkingDirectoryLock::~WorkingDirectoryLock() {
  if (fd_ >= 0) ::close(fd_);
}

LockOutcome WorkingDirectoryLock::Take(const std::string& folder) {
  const auto path = std::filesystem::path(folder) / kWorkingDirectoryLockName;
  // Opening an existing lock file neither writes nor truncates it.
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return LockOutcome::Failed;
  int result = 0;
  do {
    result = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return held ? LockOutcome::HeldByAnother : LockOutcome::Failed;
  }
  if (fd_ >= 0) ::close(fd_);
  fd_ = fd;
  return LockOutcome::Taken;
}

std::string WorkingDirectoryLock::HeldMessage(const std::string& folder) {
  return "Another Tarvel Financial Planner is already using the folder " + folder +
         ". Its run files have fixed names, so only one planner can work in a folder at a "
         "time. Close the other planner, or start this one with --workdir and another folder.";
}

}  // namespace tarvel::model
