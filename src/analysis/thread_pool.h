// Runs numbered jobs on a few worker threads, each job once, until all are done or the caller
// asks them to stop.
#pragma once

#include <atomic>
#include <functional>

namespace tarvel::analysis {

// What the caller watches and steers from another thread while the jobs run.
struct JobControl {
  std::atomic<bool> cancel{false};  // set to stop: no job starts after it is seen
  std::atomic<int> done{0};         // jobs finished so far
};

// The number of worker threads for a request: every core for 0, never more than the jobs.
int WorkerCount(int requested, int jobs);

// Calls job(worker, index) for every index 0..count-1 on `workers` threads (worker 0..workers-1;
// one thread runs on the caller's). Returns when every job has finished, or when the jobs
// running at a cancel have finished; true when all ran.
bool RunJobs(int count, int workers, const std::function<void(int worker, int index)>& job,
             JobControl& control);

}  // namespace tarvel::analysis
