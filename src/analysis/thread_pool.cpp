// A small pool of std::threads taking job numbers from one shared counter.
#include "analysis/thread_pool.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace tarvel::analysis {

int WorkerCount(int requested, int jobs) {
  int workers = requested;
  if (workers <= 0) workers = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  return std::clamp(workers, 1, std::max(jobs, 1));
}

bool RunJobs(int count, int workers, const std::function<void(int worker, int index)>& job,
             JobControl& control) {
  std::atomic<int> next{0};
  std::atomic<int> finished{0};
  const auto work = [&](int worker) {
    while (!control.cancel.load(std::memory_order_relaxed)) {
      const int index = next.fetch_add(1, std::memory_order_relaxed);
      if (index >= count) return;
      job(worker, index);
      finished.fetch_add(1, std::memory_order_relaxed);
      control.done.fetch_add(1, std::memory_order_relaxed);
    }
  };
  std::vector<std::thread> threads;
  for (int w = 1; w < workers; ++w) threads.emplace_back(work, w);
  work(0);
  for (std::thread& thread : threads) thread.join();
  return finished.load() == count;
}

}  // namespace tarvel::analysis
