// Two desktop planners on one working directory: the second says so, naming the folder, and
// ends without touching any file there.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <thread>

#include "support/process_runner.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using tarvel::test_support::Quoted;
using tarvel::test_support::RunProcess;
using tarvel::test_support::TempFolder;

// Every file of the folder with its size and modification time.
std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> Snapshot(
    const std::string& folder) {
  std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    files[entry.path().filename().string()] = {entry.is_regular_file() ? entry.file_size() : 0,
                                               entry.last_write_time()};
  }
  return files;
}

// True once some process holds the folder's lock.
bool LockIsHeld(const std::string& folder) {
  const int fd = ::open((folder + "/planner.lock").c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
  ::close(fd);
  return held;
}

class RunningPlanner {
 public:
  RunningPlanner(const std::string& workdir, const std::string& runtime) {
    pid_ = ::fork();
    if (pid_ == 0) {
      ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
      ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
      ::execl(TARVEL_PLANNER_PATH, TARVEL_PLANNER_PATH, "--workdir", workdir.c_str(), nullptr);
      _exit(127);
    }
  }
  ~RunningPlanner() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }

 private:
  pid_t pid_ = -1;
};

TEST(PlannerLock, SecondPlannerOnOneFolderSaysSoAndTouchesNothing) {
  TempFolder workdir;
  TempFolder runtime;
  RunningPlanner first(workdir.path(), runtime.path());
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!LockIsHeld(workdir.path()) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_TRUE(LockIsHeld(workdir.path())) << "the first planner did not start";
  // Let the first planner finish writing its start-up files.
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  const auto before = Snapshot(workdir.path());

  const auto second =
      RunProcess(Quoted(TARVEL_PLANNER_PATH) + " --workdir " + Quoted(workdir.path()),
                 {{}, {{"QT_QPA_PLATFORM", "offscreen"}, {"XDG_RUNTIME_DIR", runtime.path()}}});
  EXPECT_EQ(second.status, 1);
  EXPECT_NE(second.errors.find("already using the folder " + workdir.path()), std::string::npos)
      << second.errors;
  EXPECT_EQ(Snapshot(workdir.path()), before);
}

TEST(PlannerLock, PlannersOnTwoFoldersBothStart) {
  TempFolder first_folder;
  TempFolder second_folder;
  TempFolder runtime;
  RunningPlanner first(first_folder.path(), runtime.path());
  RunningPlanner second(second_folder.path(), runtime.path());
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!(LockIsHeld(first_folder.path()) && LockIsHeld(second_folder.path())) &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_TRUE(LockIsHeld(first_folder.path()));
  EXPECT_TRUE(LockIsHeld(second_folder.path()));
}

}  // namespace
