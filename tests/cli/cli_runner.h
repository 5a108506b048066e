// Runs the `tarvel` program as a user would, in a chosen folder and with a chosen temporary
// directory, and keeps its exit status and both output streams.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tarvel::test_support {

struct CliOutcome {
  int status = -1;
  std::string out;     // standard output
  std::string errors;  // standard error
};

inline std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// `tarvel ARGUMENTS` run in folder with TMPDIR set to temp; the streams are captured in
// capture (a folder other than the two, so that they do not count as files left behind),
// where Qt's runtime folder goes too.
inline CliOutcome RunTarvelIn(const std::filesystem::path& folder,
                              const std::filesystem::path& temp,
                              const std::filesystem::path& capture, const std::string& arguments) {
  const std::filesystem::path out = capture / "stdout.txt";
  const std::filesystem::path errors = capture / "stderr.txt";
  const std::string command = "cd '" + folder.string() + "' && TMPDIR='" + temp.string() +
                              "' XDG_RUNTIME_DIR='" + capture.string() +
                              "' QT_QPA_PLATFORM=offscreen '" + TARVEL_CLI_PATH + "' " + arguments +
                              " >'" + out.string() + "' 2>'" + errors.string() + "'";
  const int raw = std::system(command.c_str());
  CliOutcome outcome;
  outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  outcome.out = ReadWholeFile(out);
  outcome.errors = ReadWholeFile(errors);
  return outcome;
}

}  // namespace tarvel::test_support
