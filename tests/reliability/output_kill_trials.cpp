// Kills `tarvel graph`, `tarvel print` and `tarvel report` at random moments (SIGKILL) while
// they write over an older file, and checks after each kill that the target is the old file
// or a complete new one: a PDF ends with its %%EOF trailer, a PNG with its IEND chunk.
// Usage: output_kill_trials TARVEL SCENARIO TRIALS [SEED].
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool IsCompletePdf(const std::string& bytes) {
  const std::size_t end = bytes.rfind("%%EOF");
  return bytes.rfind("%PDF-", 0) == 0 && end != std::string::npos &&
         bytes.find_first_not_of("\r\n", end + 5) == std::string::npos;
}

bool IsCompletePng(const std::string& bytes) {
  static const std::string kEnd("\0\0\0\0IEND\xae\x42\x60\x82", 12);
  return bytes.rfind("\x89PNG", 0) == 0 && bytes.size() > kEnd.size() &&
         bytes.compare(bytes.size() - kEnd.size(), kEnd.size(), kEnd) == 0;
}

struct Command {
  const char* name;
  std::string target;
  std::vector<std::string> arguments;  // after the scenario file
};

pid_t Start(const std::string& tarvel, const std::string& scenario, const Command& command,
            const std::string& today) {
  const pid_t child = ::fork();
  if (child != 0) return child;
  std::vector<std::string> words = {tarvel, command.name, scenario};
  words.insert(words.end(), command.arguments.begin(), command.arguments.end());
  words.insert(words.end(), {"--out", command.target, "--today", today});
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  ::execv(tarvel.c_str(), argv.data());
  ::_exit(127);
}

int WaitFor(pid_t child) {
  int status = 0;
  ::waitpid(child, &status, 0);
  return status;
}

// Stray temporary files beside the target: what a kill in the middle of writing leaves.
int RemoveTemporaries(const fs::path& folder, const std::string& name) {
  int found = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().filename().string().rfind("." + name + ".", 0) == 0) {
      fs::remove(entry.path());
      ++found;
    }
  }
  return found;
}

struct Tally {
  int kept_old = 0;
  int complete_new = 0;
  int broken = 0;
  int mid_write = 0;
};

Tally KillTrials(const std::string& tarvel, const std::string& scenario, const Command& command,
                 int trials, std::mt19937& random) {
  Tally tally;
  const fs::path target = command.target;
  const bool pdf = target.extension() == ".pdf";
  // The old file, complete and different from every new one (another day in its footer).
  if (WaitFor(Start(tarvel, scenario, command, "2001-01-01")) != 0) {
    std::fprintf(stderr, "%s: the first run failed\n", command.name);
    tally.broken = trials;
    return tally;
  }
  const std::string old_bytes = ReadAll(target);
  const auto start = std::chrono::steady_clock::now();
  WaitFor(Start(tarvel, scenario, command, "2030-06-30"));
  const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::steady_clock::now() - start)
                         .count();
  std::uniform_int_distribution<long> moment(0, whole + whole / 10);
  for (int trial = 0; trial < trials; ++trial) {
    fs::remove(target);
    std::ofstream(target, std::ios::binary) << old_bytes;
    const pid_t child = Start(tarvel, scenario, command, "2030-06-30");
    std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
    ::kill(child, SIGKILL);
    WaitFor(child);
    tally.mid_write += RemoveTemporaries(target.parent_path(), target.filename().string());
    const std::string bytes = ReadAll(target);
    if (bytes == old_bytes) {
      ++tally.kept_old;
    } else if (pdf ? IsCompletePdf(bytes) : IsCompletePng(bytes)) {
      ++tally.complete_new;
    } else {
      std::fprintf(stderr, "%s trial %d: a broken file of %zu bytes\n", command.name, trial,
                   bytes.size());
      ++tally.broken;
    }
  }
  return tally;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: output_kill_trials TARVEL SCENARIO TRIALS [SEED]\n");
    return 2;
  }
  const std::string tarvel = fs::absolute(argv[1]).string();
  const std::string scenario = fs::absolute(argv[2]).string();
  const int trials = std::atoi(argv[3]);
  std::mt19937 random(argc > 4 ? static_cast<unsigned>(std::atoi(argv[4]))
                               : std::random_device{}());
  char pattern[] = "/tmp/tarvel-output-kill-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return 2;
  const fs::path folder = pattern;
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // The commands' own temporary folders go here too, so none outlives the trials.
  ::setenv("TMPDIR", folder.c_str(), 1);
  const Command commands[] = {
      {"graph", (folder / "graph.png").string(), {"--kind", "summary"}},
      {"print", (folder / "print.pdf").string(), {"--schedule"}},
      {"report", (folder / "report.pdf").string(), {"--kind", "accounts"}},
  };
  int failures = 0;
  for (const Command& command : commands) {
    const Tally tally = KillTrials(tarvel, scenario, command, trials, random);
    std::printf(
        "%s: %d kills, %d kept the old file, %d left a complete new one, %d came while "
        "the new file was being written, %d broken\n",
        command.name, trials, tally.kept_old, tally.complete_new, tally.mid_write, tally.broken);
    failures += tally.broken;
    // So many kills that none came before the new file was in place would prove nothing.
    if (trials >= 20 && tally.kept_old == 0) ++failures;
  }
  std::error_code error;
  fs::remove_all(folder, error);
  std::printf("%d broken targets\n", failures);
  return failures == 0 ? 0 : 1;
}
