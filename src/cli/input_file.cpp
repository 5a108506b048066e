// Input files of the commands, with the reason a file could not be opened.
#include "cli/input_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "model/atomic_file.h"

namespace tarvel::cli {
namespace {

// Why the file cannot be opened, as the system words it ("No such file or directory").
std::string OpenProblem(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return std::generic_category().message(EISDIR);
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::generic_category().message(errno);
  std::fclose(file);
  return "it cannot be read";
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadInputFile(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  if (model::ReadFileBytes(path, kMaxInputBytes, bytes)) return bytes;
  std::fprintf(stderr, "Cannot open %s: %s.\n", path.c_str(), OpenProblem(path).c_str());
  return std::nullopt;
}

}  // namespace tarvel::cli
