// Runs a program as a user would (in a chosen folder, with chosen environment variables) and
// keeps its exit status and both output streams, for the tests of the command-line programs.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace tarvel::test_support {

struct ProcessOutcome {
  int status = -1;     // the exit status; -1 when the program did not exit normally
  std::string out;     // standard output
  std::string errors;  // standard error
};

struct ProcessOptions {
  std::filesystem::path folder;                                  // empty: the test's own
  std::vector<std::pair<std::string, std::string>> environment;  // set or replaced
};

// Runs `command` through /bin/sh, so it is written as on a terminal (quoted paths,
// redirections). The streams are caught in anonymous files, so nothing is left behind.
ProcessOutcome RunProcess(const std::string& command, const ProcessOptions& options = {});

// A path as one shell word.
std::string Quoted(const std::filesystem::path& path);

#ifdef TARVEL_CLI_PATH
// `tarvel ARGUMENTS` (shell words), run headless.
inline ProcessOutcome RunTarvel(const std::string& arguments, ProcessOptions options = {}) {
  options.environment.emplace_back("QT_QPA_PLATFORM", "offscreen");
  return RunProcess(Quoted(TARVEL_CLI_PATH) + " " + arguments, options);
}

// `tarvel ARGUMENTS` run in folder with TMPDIR set to temp and Qt's runtime folder in
// runtime (a folder other than the two, so that it does not count as a file left behind).
inline ProcessOutcome RunTarvelIn(const std::filesystem::path& folder,
                                  const std::filesystem::path& temp,
                                  const std::filesystem::path& runtime,
                                  const std::string& arguments) {
  return RunTarvel(arguments,
                   {folder, {{"TMPDIR", temp.string()}, {"XDG_RUNTIME_DIR", runtime.string()}}});
}
#endif

}  // namespace tarvel::test_support
