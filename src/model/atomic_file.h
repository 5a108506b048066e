// Writes a whole file so that neither a failure nor a crash or power cut ever leaves it half
// written: the bytes go to a temporary file in the same folder, reach the disk, and then
// replace the old file in one rename, which itself is made to reach the disk. Every file the
// planner writes for the user goes through here.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel::model {

// True when every byte reached the disk and the file took the target's place. On failure
// the old file is untouched and no temporary file is left behind.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
bool WriteFileAtomically(const std::string& path, std::string_view text);

// A temporary file beside a target, for a writer that fills it piece by piece.
struct TemporaryFile {
  int fd = -1;
  std::string path;    // the temporary file
  std::string target;  // the file it replaces once committed
};

// Creates the temporary file with the permissions of the target (0644 when it is new).
std::optional<TemporaryFile> CreateTemporaryFile(const std::string& target);
// Makes the written bytes durable, closes the descriptor and puts the file in the target's
// place. On failure the temporary file is removed and the target left as it was.
bool CommitTemporaryFile(TemporaryFile& file);
// Closes and removes the temporary file; the target stays as it was.
void DiscardTemporaryFile(TemporaryFile& file);

// The whole content of a file, at most max_bytes of it; false when it cannot be opened.
bool ReadFileBytes(const std::string& path, std::size_t max_bytes, std::vector<std::uint8_t>& out);

}  // namespace tarvel::model
