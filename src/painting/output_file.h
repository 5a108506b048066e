// A file Qt writes into, opened by its path's own bytes: a name that is not UTF-8
// ("caf\xe9.png") is kept as typed instead of passing through a QString. A failure keeps the
// system's reason for the message that names the file.
#pragma once

#include <QFile>
#include <memory>
#include <string>

namespace tarvel::painting {

// The file created (or emptied) for writing; nothing, with the system's reason ("Permission
// denied") in reason, when it cannot be.
std::unique_ptr<QFile> OpenOutputFile(const std::string& path, std::string& reason);

// The reason a write into an opened output file failed ("No space left on device").
std::string WriteFailureReason(const QFile& file);

}  // namespace tarvel::painting
