// Keeps the previous version of a scenario file as its backup.
#include "model/scenario_backup.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "model/atomic_file.h"

namespace tarvel::model {
namespace {

// The backup shares the old file's bytes: the save then gives the scenario's name to a new
// file, and the old one lives on under the backup's name. Linking first to a temporary name
// lets the rename replace the older backup in one step.
bool LinkAsBackup(const std::string& path, const std::string& backup) {
  const std::string temporary = backup + ".new";
  ::unlink(temporary.c_str());
  if (::link(path.c_str(), temporary.c_str()) != 0) return false;
  if (std::rename(temporary.c_str(), backup.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

// Where links cannot be made (some shared and removable file systems), the bytes are copied.
bool CopyAsBackup(const std::string& path, const std::string& backup, std::size_t size) {
  std::vector<std::uint8_t> bytes;
  return ReadFileBytes(path, size, bytes) && WriteFileAtomically(backup, bytes);
}

}  // namespace

std::string BackupPath(const std::string& scenario_path) { return scenario_path + kBackupSuffix; }

bool KeepBackup(const std::string& scenario_path) {
  struct stat status {};
  if (::stat(scenario_path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
      status.st_size == 0) {
    return true;
  }
  const std::string backup = BackupPath(scenario_path);
  return LinkAsBackup(scenario_path, backup) ||
         CopyAsBackup(scenario_path, backup, static_cast<std::size_t>(status.st_size));
}

}  // namespace tarvel::model
