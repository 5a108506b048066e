// The private folder of one command and the choice of a run's working directory.
#include "cli/private_folder.h"

#include <stdlib.h>

#include <cerrno>
#include <system_error>

#include "cli/opened_scenario.h"
#include "model/interrupt_cleanup.h"

namespace tarvel::cli {
namespace {

namespace fs = std::filesystem;

fs::path TemporaryDirectory() {
  std::error_code error;
  const fs::path folder = fs::temp_directory_path(error);
  return error ? fs::path("/tmp") : folder;
}

}  // namespace

PrivateFolder::~PrivateFolder() {
  if (path_.empty()) return;
  std::error_code error;
  fs::remove_all(path_, error);
  model::ReleaseTemporary(cleanup_slot_);
}

bool PrivateFolder::Make() {
  if (!path_.empty()) return true;
  const fs::path parent = TemporaryDirectory();
  std::string pattern = (parent / "tarvel-XXXXXX").string();
  const model::InterruptsHeld held;
  if (::mkdtemp(pattern.data()) == nullptr) {
    const std::string reason = std::generic_category().message(errno);
    Fail("Cannot create a temporary folder in " + parent.string() + ": " + reason + ".");
    return false;
  }
  path_ = pattern;
  cleanup_slot_ = model::RegisterTemporary(path_.string(), model::TemporaryKind::Folder);
  return true;
}

fs::path WorkingDirectoryFor(const std::string& workdir, PrivateFolder& scratch) {
  if (workdir.empty()) return scratch.Make() ? scratch.path() : fs::path();
  std::error_code error;
  fs::create_directories(workdir, error);
  if (!error) return workdir;
  Fail("Cannot create the working directory " + workdir + ": " + error.message() + ".");
  return {};
}

}  // namespace tarvel::cli
