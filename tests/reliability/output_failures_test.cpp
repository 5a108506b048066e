// Every file the command line writes is written whole or not at all: a directory in the
// target's place, a disk that fills up, standard output on a full device, Ctrl-C and SIGTERM
// each end the command with the file and the system's reason, and leave the old file and no
// temporary file or folder behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "support/process_runner.h"

namespace {

namespace fs = std::filesystem;
using tarvel::test_support::ProcessOutcome;
using tarvel::test_support::Quoted;
using tarvel::test_support::RunTarvel;

std::string Sample() {
  return Quoted(std::string(TARVEL_EXAMPLES_BUILD_DIR) + "/couple-saving.ret");
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// One command writing one file, the target named by {} in its arguments.
struct Writer {
  const char* name;
  const char* target;     // the file's name
  const char* arguments;  // {} stands for the target's path
};

const Writer kWriters[] = {
    {"schedule", "d.sch", "run {in} --schedule {}"},
    {"periods", "d.csv", "run {in} --periods {}"},
    {"graph_png", "d.png", "graph {in} --out {} --size 300x200"},
    {"graph_svg", "d.svg", "graph {in} --out {} --size 300x200"},
    {"graph_pdf", "d.pdf", "graph {in} --out {} --size 300x200"},
    {"print", "d.pdf", "print {in} --scenario --out {}"},
    {"report_pdf", "d.pdf", "report {in} --out {}"},
    {"report_txt", "d.txt", "report {in} --out {}"},
    {"report_csv", "d.csv", "report {in} --out {}"},
    {"export", "d.csv", "export {in} --csv {}"},
    {"import", "d.ret", "import {in} {report} --update --out {}"},
    {"convert", "d.json", "convert {in} {}"},
    {"montecarlo_csv", "d.csv", "montecarlo {in} --runs 20 --csv {}"},
    {"montecarlo_json", "d.json", "montecarlo {in} --runs 20 --json {}"},
};

std::string Replace(std::string text, const std::string& mark, const std::string& with) {
  for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at)) {
    text.replace(at, mark.size(), with);
    at += with.size();
  }
  return text;
}

class OutputFailures : public ::testing::Test {
 protected:
  OutputFailures() {
    dir_ = fs::temp_directory_path() / ("tarvel_outputs_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    for (const char* folder : {"out", "tmp", "work", "runtime"})
      fs::create_directories(dir_ / folder);
    // Qt takes a runtime folder only when it is private; else it makes one under TMPDIR.
    fs::permissions(dir_ / "runtime", fs::perms::owner_all);
    // A balances report the import reads: the sample's own export.
    const ProcessOutcome exported =
        RunTarvel("export " + Sample() + " --csv " + Quoted(dir_ / "balances.csv"));
    EXPECT_EQ(exported.status, 0) << exported.errors;
  }
  ~OutputFailures() override { fs::remove_all(dir_); }

  std::string Arguments(const Writer& writer, const fs::path& target) const {
    std::string arguments = Replace(writer.arguments, "{in}", Sample());
    arguments = Replace(arguments, "{report}", Quoted(dir_ / "balances.csv"));
    return Replace(arguments, "{}", Quoted(target));
  }

  ProcessOutcome Run(const std::string& arguments,
                     std::vector<std::pair<std::string, std::string>> environment = {}) const {
    environment.emplace_back("TMPDIR", (dir_ / "tmp").string());
    environment.emplace_back("XDG_RUNTIME_DIR", (dir_ / "runtime").string());
    return RunTarvel(arguments, {dir_, environment});
  }

  // Files in a folder, temporary ones included.
  static std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  fs::path dir_;
};

TEST_F(OutputFailures, ADirectoryInTheTargetsPlaceIsNamedWithItsReason) {
  for (const Writer& writer : kWriters) {
    SCOPED_TRACE(writer.name);
    const fs::path target = dir_ / "out" / writer.target;
    fs::create_directories(target);
    const ProcessOutcome outcome = Run(Arguments(writer, target));
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.errors.find("Cannot write " + target.string() + ": Is a directory"),
              std::string::npos)
        << outcome.errors;
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(Entries(dir_ / "out"), std::vector<std::string>{writer.target});
    EXPECT_TRUE(Entries(dir_ / "tmp").empty());
    fs::remove_all(target);
  }
}

TEST_F(OutputFailures, AFullDiskKeepsTheOldFileAndSaysSo) {
  for (const Writer& writer : kWriters) {
    SCOPED_TRACE(writer.name);
    const fs::path target = dir_ / "out" / writer.target;
    std::ofstream(target) << "the old file\n";
    const ProcessOutcome outcome =
        Run(Arguments(writer, target),
            {{"LD_PRELOAD", TARVEL_FULL_DISK_SHIM}, {"TARVEL_FULL_DISK_PATH", "/out/"}});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.errors.find("Cannot write " + target.string() + ": No space left on device"),
              std::string::npos)
        << outcome.errors;
    EXPECT_EQ(ReadAll(target), "the old file\n");
    EXPECT_EQ(Entries(dir_ / "out"), std::vector<std::string>{writer.target});
    EXPECT_TRUE(Entries(dir_ / "tmp").empty());
    fs::remove(target);
  }
}

// The run files, the print file and the page files of a working folder that fills up.
TEST_F(OutputFailures, AFullWorkingFolderFailsTheCommandNamingTheFile) {
  const std::string commands[] = {"run " + Sample() + " --quiet",
                                  "report " + Sample() + " --out out/r.txt",
                                  "print " + Sample() + " --schedule --out out/p.pdf",
                                  "graph " + Sample() + " --out out/g.png"};
  for (const char* room : {"0", "3000", "40000"}) {
    for (const std::string& command : commands) {
      SCOPED_TRACE(command + " with room for " + room + " bytes");
      const ProcessOutcome outcome =
          Run(command + " --workdir work", {{"LD_PRELOAD", TARVEL_FULL_DISK_SHIM},
                                            {"TARVEL_FULL_DISK_PATH", "/work/"},
                                            {"TARVEL_FULL_DISK_AFTER", room}});
      EXPECT_EQ(outcome.status, 1);
      EXPECT_NE(outcome.errors.find("Cannot write work/"), std::string::npos) << outcome.errors;
      EXPECT_NE(outcome.errors.find(": No space left on device"), std::string::npos);
      EXPECT_TRUE(Entries(dir_ / "out").empty());
    }
  }
}

TEST_F(OutputFailures, AFullTemporaryFolderFailsThePrintAndLeavesNothing) {
  for (const char* room : {"0", "20000", "100000"}) {
    SCOPED_TRACE(room);
    const ProcessOutcome outcome = Run("print " + Sample() + " --schedule --out out/p.pdf",
                                       {{"LD_PRELOAD", TARVEL_FULL_DISK_SHIM},
                                        {"TARVEL_FULL_DISK_PATH", "/tmp/tarvel-"},
                                        {"TARVEL_FULL_DISK_AFTER", room}});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.errors.find(": No space left on device"), std::string::npos)
        << outcome.errors;
    EXPECT_TRUE(Entries(dir_ / "out").empty());
    EXPECT_TRUE(Entries(dir_ / "tmp").empty());
  }
}

TEST_F(OutputFailures, StandardOutputOnAFullDeviceFailsTheCommand) {
  const std::string commands[] = {"calc mortgage --amount 160000 --rate 6 --years 30",
                                  "rule72t --age 50 --beneficiary-age 50 --balance 400000 --rate 4",
                                  "run " + Sample()};
  for (const std::string& command : commands) {
    SCOPED_TRACE(command);
    const ProcessOutcome outcome = Run(command + " > /dev/full");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.errors.find("Cannot write to standard output: No space left on device"),
              std::string::npos)
        << outcome.errors;
  }
}

// Starts tarvel and interrupts it once its temporary folder exists; the wait status.
int Interrupted(const std::string& arguments, const fs::path& folder, const fs::path& temp,
                int signal_number) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("TMPDIR", temp.c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (folder / "runtime").c_str(), 1);
    if (::chdir(folder.c_str()) != 0) ::_exit(127);
    const std::string command = "exec " + Quoted(TARVEL_CLI_PATH) + " " + arguments;
    ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (std::chrono::steady_clock::now() < deadline) {
    if (::waitpid(child, &status, WNOHANG) == child) return status;  // finished first
    if (!fs::is_empty(temp)) break;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  ::kill(child, signal_number);
  ::waitpid(child, &status, 0);
  return status;
}

TEST_F(OutputFailures, InterruptsRemoveTheTemporaryFolderAndEndWith128PlusTheSignal) {
  const std::string commands[] = {"print " + Sample() + " --schedule --out out/d.pdf",
                                  "report " + Sample() + " --out out/d.pdf",
                                  "graph " + Sample() + " --out out/d.png"};
  for (const int signal_number : {SIGINT, SIGTERM}) {
    for (const std::string& command : commands) {
      SCOPED_TRACE(command + " " + std::to_string(signal_number));
      const int status = Interrupted(command, dir_, dir_ / "tmp", signal_number);
      ASSERT_TRUE(WIFEXITED(status));
      if (WEXITSTATUS(status) == 0) {  // it ended before the signal came
        fs::remove_all(dir_ / "out");
        fs::create_directories(dir_ / "out");
        continue;
      }
      EXPECT_EQ(WEXITSTATUS(status), 128 + signal_number);
      EXPECT_TRUE(Entries(dir_ / "tmp").empty()) << ::testing::PrintToString(Entries(dir_ / "tmp"));
      EXPECT_TRUE(Entries(dir_ / "out").empty()) << ::testing::PrintToString(Entries(dir_ / "out"));
    }
  }
}

}  // namespace
