// One golden case: builds the scenario from its JSON, runs it with the case's options and
// compares the results file (.sch) and the yearly results (.csv) with the expected files, byte
// for byte, printing a unified diff on a mismatch. With TARVEL_GOLDEN_UPDATE=1 it rewrites the
// expected files instead, for a reviewed change of the output.
//
// usage: golden_case TARVEL SCENARIO.json EXPECTED_PREFIX WORK_FOLDER
//   EXPECTED_PREFIX.args  the options after the scenario file, on one line (may be empty)
//   EXPECTED_PREFIX.sch   the expected results file
//   EXPECTED_PREFIX.csv   the expected yearly results
//   EXPECTED_PREFIX.bigfile.tmp, .infile.tmp, .outfile.tmp
//                         the expected run files, for the cases that pin them (optional)
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "support/process_runner.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using tarvel::test_support::ProcessOptions;
using tarvel::test_support::Quoted;
using tarvel::test_support::ReadText;
using tarvel::test_support::RunProcess;

// Today's date is pinned so that birthday ages and dates in the files never change.
constexpr char kToday[] = "2024-03-05";

// Runs command in the work folder; tells what went wrong when it fails.
bool Step(const std::string& command, const fs::path& work) {
  const auto outcome = RunProcess(command, ProcessOptions{work, {{"LC_ALL", "C"}}});
  std::cout << outcome.out;
  std::cerr << outcome.errors;
  if (outcome.status != 0)
    std::cerr << "failed with status " << outcome.status << ": " << command << "\n";
  return outcome.status == 0;
}

// Compares (or with update, rewrites) the expected file with the one the run wrote.
bool Check(const fs::path& expected, const fs::path& written, bool update) {
  if (update) {
    fs::copy_file(written, expected, fs::copy_options::overwrite_existing);
    std::cout << "rewrote " << expected.string() << "\n";
    return true;
  }
  if (!fs::exists(expected)) {
    std::cerr << "missing " << expected.string()
              << "; write it with make golden-update and review it\n";
    return false;
  }
  if (ReadText(expected) == ReadText(written)) return true;
  std::cout << RunProcess("diff -u " + Quoted(expected) + " " + Quoted(written)).out;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: golden_case TARVEL SCENARIO.json EXPECTED_PREFIX WORK_FOLDER\n";
    return 2;
  }
  const std::string tarvel = Quoted(fs::absolute(argv[1]));
  const fs::path json = fs::absolute(argv[2]);
  const std::string expected = fs::absolute(argv[3]).string();
  const fs::path work = fs::absolute(argv[4]);
  const std::string name = fs::path(expected).filename().string();
  if (!fs::exists(expected + ".args")) {
    std::cerr << "missing " << expected
              << ".args (the options of the case, one line, may be empty)\n";
    return 1;
  }
  std::string options = ReadText(expected + ".args");
  if (const auto end = options.find('\n'); end != std::string::npos) options.resize(end);

  fs::remove_all(work);
  fs::create_directories(work);
  const std::string scenario = Quoted(name + ".ret");
  if (!Step(tarvel + " convert " + Quoted(json) + " " + scenario, work)) return 1;
  if (!Step(tarvel + " run " + scenario + " --workdir run --today " + kToday + " --schedule " +
                Quoted(name + ".sch") + " --periods " + Quoted(name + ".csv") + " " + options,
            work)) {
    return 1;
  }
  const char* update_flag = std::getenv("TARVEL_GOLDEN_UPDATE");
  const bool update = update_flag != nullptr && std::string(update_flag) == "1";
  bool same = true;
  for (const char* kind : {".sch", ".csv"}) {
    same = Check(expected + kind, work / (name + kind), update) && same;
  }
  for (const char* run_file : {"bigfile.tmp", "infile.tmp", "outfile.tmp"}) {
    const std::string pinned = expected + "." + run_file;
    if (fs::exists(pinned)) same = Check(pinned, work / "run" / run_file, update) && same;
  }
  return same ? 0 : 1;
}
