// Probing a folder or a file for writing.
#include "ui/shell/folder_access.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace tarvel::ui {
namespace {

namespace fs = std::filesystem;

std::string SystemReason(int error_number) {
  return std::error_code(error_number, std::generic_category()).message();
}

}  // namespace

std::optional<std::string> FolderWriteProblem(const std::string& folder) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    return SystemReason(error ? error.value() : ENOENT);
  }
  const fs::path probe = fs::path(folder) / ".tarvel-write-probe";
  const int handle = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
  if (handle < 0) {
    // A probe left behind by a planner that was killed still proves the folder writable.
    if (errno == EEXIST && ::access(folder.c_str(), W_OK) == 0) return std::nullopt;
    return SystemReason(errno);
  }
  ::close(handle);
  fs::remove(probe, error);
  return std::nullopt;
}

std::string FileWriteProblem(const std::string& path) {
  const fs::path file(path);
  const std::string folder = file.has_parent_path() ? file.parent_path().string() : ".";
  if (auto problem = FolderWriteProblem(folder)) return *problem;
  std::error_code error;
  if (fs::exists(file, error) && ::access(file.c_str(), W_OK) != 0) return SystemReason(errno);
  return "reason unknown";
}

platform::Message ReadOnlyWorkingFolderMessage(const std::string& folder,
                                               const std::string& reason) {
  platform::Message message;
  message.caption = "FILE ERROR";
  message.icon = platform::Icon::Warning;
  message.text =
      "The planner cannot write to its working folder\n" + folder + "\n(" + reason +
      ").\n\nGraphs, reports, settings and the recent-files list are kept there, so they will "
      "not be shown or remembered. To save your plan, use Save As and choose a folder you can "
      "write to. To work normally, start the planner with --workdir and a folder you can "
      "write to.";
  return message;
}

}  // namespace tarvel::ui
