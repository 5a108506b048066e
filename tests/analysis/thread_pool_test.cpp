// The analysis' worker threads: never more than the hardware has, and a thread the system
// refuses to start ends the analysis with a message instead of ending the program.
#include "analysis/thread_pool.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <system_error>

#include "analysis/monte_carlo.h"
#include "engine/engine_test_support.h"
#include "model/scenario_ops.h"
#include "support/fixed_clock.h"

namespace tarvel::analysis {
namespace {

// Starts the first `allowed` threads, then fails as pthread_create does out of resources.
ThreadStarter FailingAfter(int allowed) {
  return [allowed, started = 0](std::function<void()> work) mutable {
    if (started++ >= allowed) throw std::system_error(EAGAIN, std::generic_category());
    return std::thread(std::move(work));
  };
}

TEST(WorkerCount, NeverExceedsTheHardwareThreadsNorTheJobs) {
  const int hardware = HardwareThreads();
  ASSERT_GE(hardware, 1);
  const struct {
    int requested;
    int jobs;
    int expected;
  } cases[] = {
      {5000, 100000, hardware}, {0, 100000, hardware}, {1, 100000, 1}, {5000, 1, 1}, {0, 0, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WorkerCount(c.requested, c.jobs), c.expected) << c.requested << " " << c.jobs;
  }
}

TEST(RunJobs, AThreadThatCannotStartStopsTheJobsWithTheSystemsReason) {
  for (const int allowed : {0, 2}) {
    JobControl control;
    control.start_thread = FailingAfter(allowed);
    std::atomic<int> ran{0};
    const JobsEnd end = RunJobs(
        1000, 8, [&](int, int) { ++ran; }, control);
    EXPECT_FALSE(end.all_ran) << allowed;
    EXPECT_NE(end.thread_problem.find("Resource temporarily unavailable"), std::string::npos)
        << end.thread_problem;
    // Threads that did start may finish every job before the failed start is seen.
    if (allowed == 0) EXPECT_EQ(ran.load(), 0);
  }
}

TEST(RunMonteCarlo, AWorkerThatCannotStartIsAnErrorNotAnAbort) {
  if (HardwareThreads() < 2) GTEST_SKIP() << "one hardware thread: the analysis starts none";
  auto scenario = engine_test::MakeScenario(60, 70);
  engine_test::AddAccount(*scenario, model::AccountType::Investment, 1000, 5, "Savings");
  model::RecomputeInitialTotals(*scenario);
  const test_support::FixedClock clock;
  AnalysisOptions options;
  options.runs = 50;
  JobControl control;
  control.start_thread = FailingAfter(0);
  const AnalysisResult result =
      RunMonteCarlo({scenario.get(), &clock, {}, nullptr, nullptr}, options, control);
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.error,
            "Cannot start a worker thread for the analysis: Resource temporarily unavailable.");
}

}  // namespace
}  // namespace tarvel::analysis
