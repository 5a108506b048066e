// The backup of a scenario file: before a save replaces the file, its previous version is
// kept beside it as "NAME.ret.bak" (one generation).
#pragma once

#include <string>

namespace tarvel::model {

inline constexpr char kBackupSuffix[] = ".bak";

std::string BackupPath(const std::string& scenario_path);

// Keeps the file's present content as its backup, replacing an older backup in one step.
// An empty or missing file leaves the backup as it was. False when the backup could not
// be made; the save goes on all the same.
bool KeepBackup(const std::string& scenario_path);

}  // namespace tarvel::model
