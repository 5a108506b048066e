// Runs a program through the shell in a child process whose streams go to anonymous files.
#include "support/process_runner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace tarvel::test_support {
namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File AnonymousFile() { return File(std::tmpfile(), &std::fclose); }

std::string ReadBack(std::FILE* file) {
  std::string text;
  std::rewind(file);
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, n);
  return text;
}

// In the child: only calls that are safe between fork and exec.
[[noreturn]] void BecomeCommand(const std::string& command, const ProcessOptions& options,
                                std::FILE* out, std::FILE* errors) {
  if (!options.folder.empty() && ::chdir(options.folder.c_str()) != 0) ::_exit(127);
  for (const auto& [name, value] : options.environment) ::setenv(name.c_str(), value.c_str(), 1);
  ::dup2(::fileno(out), STDOUT_FILENO);
  ::dup2(::fileno(errors), STDERR_FILENO);
  ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
  ::_exit(127);
}

}  // namespace

ProcessOutcome RunProcess(const std::string& command, const ProcessOptions& options) {
  ProcessOutcome outcome;
  const File out = AnonymousFile();
  const File errors = AnonymousFile();
  if (!out || !errors) return outcome;
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child < 0) return outcome;
  if (child == 0) BecomeCommand(command, options, out.get(), errors.get());
  int raw = 0;
  if (::waitpid(child, &raw, 0) == child && WIFEXITED(raw)) outcome.status = WEXITSTATUS(raw);
  outcome.out = ReadBack(out.get());
  outcome.errors = ReadBack(errors.get());
  return outcome;
}

std::string Quoted(const std::filesystem::path& path) {
  std::string word = "'";
  for (const char c : path.string()) word += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return word + "'";
}

}  // namespace tarvel::test_support
