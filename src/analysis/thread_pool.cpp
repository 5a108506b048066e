// A small pool of std::threads taking job numbers from one shared counter.
#include "analysis/thread_pool.h"

#include <algorithm>
#include <exception>
#include <new>
#include <system_error>
#include <utility>
#include <vector>

namespace tarvel::analysis {

std::thread StartThread(std::function<void()> work) { return std::thread(std::move(work)); }

int HardwareThreads() {
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

int WorkerCount(int requested, int jobs) {
  const int hardware = HardwareThreads();
  const int workers = requested <= 0 ? hardware : std::min(requested, hardware);
  return std::clamp(workers, 1, std::max(jobs, 1));
}

JobsEnd RunJobs(int count, int workers, const std::function<void(int worker, int index)>& job,
                JobControl& control) {
  std::atomic<int> next{0};
  std::atomic<int> finished{0};
  std::atomic<bool> stop{false};  // a worker could not start
  const auto work = [&](int worker) {
    while (!stop.load(std::memory_order_relaxed) &&
           !control.cancel.load(std::memory_order_relaxed)) {
      const int index = next.fetch_add(1, std::memory_order_relaxed);
      if (index >= count) return;
      job(worker, index);
      finished.fetch_add(1, std::memory_order_relaxed);
      control.done.fetch_add(1, std::memory_order_relaxed);
    }
  };
  JobsEnd end;
  std::vector<std::thread> threads;
  threads.reserve(static_cast<std::size_t>(std::max(workers - 1, 0)));
  for (int w = 1; w < workers && end.thread_problem.empty(); ++w) {
    try {
      threads.push_back(control.start_thread([&work, w] { work(w); }));
    } catch (const std::system_error& error) {
      end.thread_problem = error.what();
    } catch (const std::bad_alloc& error) {
      end.thread_problem = error.what();
    }
  }
  if (end.thread_problem.empty()) {
    work(0);
  } else {
    stop = true;
  }
  for (std::thread& thread : threads) thread.join();
  end.all_ran = end.thread_problem.empty() && finished.load() == count;
  return end;
}

}  // namespace tarvel::analysis
