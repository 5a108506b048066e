// Kills a process that saves a scenario over and over at random moments (SIGKILL) and checks
// after each kill that the scenario file is one whole version, the old or the new one, and
// that its backup is one whole version too. Usage: save_kill_trials TRIALS [SEED].
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "model/program.h"
#include "model/records.h"
#include "model/scenario_codec.h"
#include "model/scenario_file.h"
#include "model/scenario_ops.h"

namespace {

namespace model = tarvel::model;

// Two versions that differ in their first block and in their length (3 and 40 events).
std::unique_ptr<model::Scenario> Version(int events) {
  auto scenario = std::make_unique<model::Scenario>();
  model::ClearScenario(*scenario);
  scenario->initial.event_count = static_cast<std::int16_t>(events);
  scenario->initial.start_age = static_cast<float>(30 + events);
  for (int e = 0; e < events; ++e) {
    scenario->events[static_cast<std::size_t>(e)].kind = model::EventKind::Deposit;
    scenario->events[static_cast<std::size_t>(e)].start_age = static_cast<float>(40 + e);
  }
  return scenario;
}

std::vector<std::uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

[[noreturn]] void SaveForever(const std::string& folder, model::Scenario& a, model::Scenario& b) {
  model::Program program;
  program.working_directory = folder;
  program.save_name = "plan.ret";
  for (bool first = true;; first = !first) {
    if (!model::WriteScenario(program, first ? a : b).ok()) _exit(3);
  }
}

bool IsOneVersion(const std::vector<std::uint8_t>& bytes, const std::vector<std::uint8_t>& a,
                  const std::vector<std::uint8_t>& b) {
  return bytes == a || bytes == b;
}

}  // namespace

int main(int argc, char** argv) {
  const int trials = argc > 1 ? std::atoi(argv[1]) : 100;
  std::mt19937 random(argc > 2 ? static_cast<unsigned>(std::atoi(argv[2]))
                               : std::random_device{}());
  char pattern[] = "/tmp/tarvel-kill-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return 2;
  const std::string folder = pattern;
  const std::string target = folder + "/plan.ret";

  auto a = Version(3);
  auto b = Version(40);
  const auto a_bytes = model::EncodeScenario(*a);
  const auto b_bytes = model::EncodeScenario(*b);
  std::ofstream(target, std::ios::binary)
      .write(reinterpret_cast<const char*>(a_bytes.data()),
             static_cast<std::streamsize>(a_bytes.size()));

  std::uniform_int_distribution<int> moment(0, 20000);  // microseconds
  int failures = 0;
  int interrupted = 0;
  for (int trial = 0; trial < trials; ++trial) {
    const pid_t child = ::fork();
    if (child < 0) return 2;
    if (child == 0) SaveForever(folder, *a, *b);
    std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status)) {
      std::fprintf(stderr, "trial %d: the saving process stopped by itself (%d)\n", trial,
                   WEXITSTATUS(status));
      ++failures;
    }
    const auto bytes = ReadAll(target);
    if (!IsOneVersion(bytes, a_bytes, b_bytes)) {
      std::fprintf(stderr, "trial %d: plan.ret holds %zu bytes, neither version\n", trial,
                   bytes.size());
      ++failures;
    }
    // A temporary file left behind shows the kill came in the middle of a save.
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().filename().string().rfind(".plan.ret.", 0) == 0) {
        ++interrupted;
        std::filesystem::remove(entry.path());
      }
    }
    const std::string backup = target + ".bak";
    if (std::filesystem::exists(backup) && !IsOneVersion(ReadAll(backup), a_bytes, b_bytes)) {
      std::fprintf(stderr, "trial %d: plan.ret.bak is neither version\n", trial);
      ++failures;
    }
  }
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  std::printf("%d of %d kills came in the middle of writing a save\n", interrupted, trials);
  // So many kills that none interrupted a save would prove nothing.
  if (trials >= 20 && interrupted == 0) ++failures;
  std::printf("%d passed, %d failed\n", trials - failures, failures);
  return failures == 0 ? 0 : 1;
}
