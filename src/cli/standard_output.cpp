// Writing to standard output with the reason of a failure kept.
#include "cli/standard_output.h"

#include <cerrno>
#include <cstdio>

namespace tarvel::cli {
namespace {

// errno of the failing call; a stream whose earlier write failed with no reason left is an
// input/output error.
std::error_code LastError() {
  return errno != 0 ? std::error_code(errno, std::generic_category())
                    : std::make_error_code(std::errc::io_error);
}

}  // namespace

std::error_code WriteStandardOutput(std::string_view text) {
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) return LastError();
  return FlushStandardOutput();
}

std::error_code FlushStandardOutput() {
  errno = 0;
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) return LastError();
  return {};
}

std::string StandardOutputMessage(const std::error_code& error) {
  return "Cannot write to standard output: " + error.message();
}

}  // namespace tarvel::cli
