// Runs numbered jobs on a few worker threads, each job once, until all are done or the caller
// asks them to stop. There are never more workers than the computer has hardware threads.
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace tarvel::analysis {

// Starts a thread running `work`. The pool starts its workers through one of these so that a
// test can make a start fail as the system does when it is out of threads or memory.
using ThreadStarter = std::function<std::thread(std::function<void()> work)>;

// A std::thread running `work`; throws std::system_error when the system refuses.
std::thread StartThread(std::function<void()> work);

// What the caller watches and steers from another thread while the jobs run.
struct JobControl {
  std::atomic<bool> cancel{false};  // set to stop: no job starts after it is seen
  std::atomic<int> done{0};         // jobs finished so far
  ThreadStarter start_thread = StartThread;
};

// The hardware threads of this computer, at least 1.
int HardwareThreads();

// The number of worker threads for a request: every hardware thread for 0, never more than the
// hardware threads nor the jobs.
int WorkerCount(int requested, int jobs);

// How a batch of jobs ended.
struct JobsEnd {
  bool all_ran = false;
  // Why a worker thread could not start; the jobs under way were finished and no more started.
  std::string thread_problem;
};

// Calls job(worker, index) for every index 0..count-1 on `workers` threads (worker 0..workers-1;
// one thread runs on the caller's). Returns when every job has finished, when the jobs running
// at a cancel have finished, or at once (after joining the workers started) when a worker
// cannot be started.
JobsEnd RunJobs(int count, int workers, const std::function<void(int worker, int index)>& job,
                JobControl& control);

}  // namespace tarvel::analysis
