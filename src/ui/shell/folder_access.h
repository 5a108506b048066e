// Whether the planner can write where it keeps its files, and the system's reason when it
// cannot, so that a message can say why and what to do.
#pragma once

#include <optional>
#include <string>

#include "platform/prompter.h"

namespace tarvel::ui {

// The system's reason ("Permission denied") why no new file can be made in the folder;
// nothing when one can.
std::optional<std::string> FolderWriteProblem(const std::string& folder);
// The system's reason why the file cannot be written: its folder's when no file can be made
// there, else the file's own; "reason unknown" when both look writable.
std::string FileWriteProblem(const std::string& path);

// The one message of a start in a working folder the planner cannot write to: which folder,
// why, and what to do about it.
platform::Message ReadOnlyWorkingFolderMessage(const std::string& folder,
                                               const std::string& reason);

}  // namespace tarvel::ui
