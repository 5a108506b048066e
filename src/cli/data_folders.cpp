// The data folders of the command-line planner, found from the program's own path.
#include "cli/data_folders.h"

#include <system_error>

#include "engine/life_tables.h"

namespace tarvel::cli {

std::vector<std::filesystem::path> CliDataFolders(const std::filesystem::path& workdir) {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return engine::DataFolders(workdir, error ? std::filesystem::path() : executable,
                             TARVEL_SOURCE_DATA_DIR);
}

}  // namespace tarvel::cli
