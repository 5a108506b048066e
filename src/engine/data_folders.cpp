// The data-folder lookup shared by the desktop planner and the command line.
#include "engine/data_folders.h"

#include <algorithm>
#include <system_error>

namespace tarvel::engine {
namespace {

namespace fs = std::filesystem;

constexpr char kInstalledFolder[] = "share/tarvel-planner";
constexpr char kSamplesFolder[] = "examples";

bool IsInside(const fs::path& file, const fs::path& folder) {
  if (folder.empty()) return false;
  const fs::path relative = file.lexically_normal().lexically_relative(folder.lexically_normal());
  return !relative.empty() && *relative.begin() != "..";
}

void AddOnce(std::vector<fs::path>& folders, const fs::path& folder) {
  if (folder.empty()) return;
  const fs::path normal = folder.lexically_normal();
  if (std::find(folders.begin(), folders.end(), normal) == folders.end()) {
    folders.push_back(normal);
  }
}

// A configured folder as the file system names it, so that a build folder reached through a
// symbolic link still contains the program's resolved path.
fs::path Resolved(const char* folder) {
  std::error_code error;
  const fs::path resolved = fs::weakly_canonical(folder, error);
  return error ? fs::path(folder) : resolved;
}

// The installation's prefix: the programs are in its bin/, the sibling programs in its
// libexec/tarvel-planner/.
fs::path InstallPrefix(const fs::path& executable) {
  fs::path folder = executable.parent_path();
  if (folder.filename() == "tarvel-planner" && folder.parent_path().filename() == "libexec") {
    folder = folder.parent_path();
  }
  return folder.parent_path();
}

bool IsInstalled(const ProgramPlaces& places) {
  return !places.executable.empty() && !IsInside(places.executable, places.build_folder);
}

}  // namespace

ProgramPlaces ThisProgramPlaces() {
  ProgramPlaces places;
  std::error_code error;
  places.executable = fs::read_symlink("/proc/self/exe", error);
  if (error) places.executable.clear();
  places.install_data = TARVEL_INSTALL_DATA_DIR;
  places.build_folder = Resolved(TARVEL_BUILD_DIR);
  places.source_data = TARVEL_SOURCE_DATA_DIR;
  return places;
}

std::vector<fs::path> DataFolders(const fs::path& workdir, const ProgramPlaces& places) {
  const bool installed = IsInstalled(places);
  std::vector<fs::path> folders;
  AddOnce(folders, workdir.empty() ? fs::path(".") : workdir);
  if (installed) AddOnce(folders, InstallPrefix(places.executable) / kInstalledFolder);
  AddOnce(folders, places.install_data);
  if (!installed) AddOnce(folders, places.source_data);
  return folders;
}

std::vector<fs::path> ProgramDataFolders(const fs::path& workdir) {
  return DataFolders(workdir, ThisProgramPlaces());
}

std::vector<fs::path> SamplePlanFolders(const ProgramPlaces& places) {
  std::vector<fs::path> folders;
  if (IsInstalled(places)) {
    AddOnce(folders, InstallPrefix(places.executable) / kInstalledFolder / kSamplesFolder);
    if (!places.install_data.empty()) AddOnce(folders, places.install_data / kSamplesFolder);
  } else if (!places.build_folder.empty()) {
    AddOnce(folders, places.build_folder / kSamplesFolder);
  }
  return folders;
}

std::vector<fs::path> ProgramSamplePlanFolders() { return SamplePlanFolders(ThisProgramPlaces()); }

fs::path FindDataFile(const std::vector<fs::path>& folders, std::string_view name) {
  for (const fs::path& folder : folders) {
    const fs::path candidate = folder / name;
    std::error_code error;
    if (fs::is_regular_file(candidate, error)) return candidate;
  }
  return {};
}

}  // namespace tarvel::engine
