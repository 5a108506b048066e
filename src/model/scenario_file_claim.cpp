// Claims on open scenario files, taken with flock so that they end with the process.
#include "model/scenario_file_claim.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvel::model {
namespace {

int OpenForClaim(const std::string& path) {
  return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
}

}  // namespace

ScenarioFileClaim::~ScenarioFileClaim() { ::close(fd_); }

std::unique_ptr<ScenarioFileClaim> ScenarioFileClaim::Take(const std::string& path) {
  const int fd = OpenForClaim(path);
  if (fd < 0) return nullptr;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
      ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<ScenarioFileClaim>(new ScenarioFileClaim(fd));
}

bool ScenarioFileClaim::Covers(const std::string& path) const {
  struct stat claimed {};
  struct stat named {};
  return ::fstat(fd_, &claimed) == 0 && ::stat(path.c_str(), &named) == 0 &&
         claimed.st_dev == named.st_dev && claimed.st_ino == named.st_ino;
}

bool ClaimedElsewhere(const std::string& path, const ScenarioFileClaim* own_claim) {
  if (own_claim != nullptr && own_claim->Covers(path)) return false;
  const int fd = OpenForClaim(path);
  if (fd < 0) return false;
  const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0;
  ::close(fd);
  return held;
}

std::string ClaimedElsewhereQuestion(const std::string& name) {
  return name +
         " is open in another Tarvel Financial Planner. If both save it, one planner's "
         "changes will be lost. Open it anyway?";
}

}  // namespace tarvel::model
