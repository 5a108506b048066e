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
#include <system_error>
#include <vector>

namespace tarvel::model {

// True when every byte reached the disk and the file took the target's place. On failure
// the old file is untouched and no temporary file is left behind.
// The error says why not, as the system words it.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
bool WriteFileAtomically(const std::string& path, std::string_view text);
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::error_code& error);
bool WriteFileAtomically(const std::string& path, std::string_view text, std::error_code& error);

// "Cannot write PATH: REASON", the message of a file that could not be written.
std::string CannotWriteMessage(const std::string& path, const std::error_code& error);

// A temporary file beside a target, for a writer that fills it piece by piece. It is removed
// also when the program is interrupted before the file is committed.
struct TemporaryFile {
  int fd = -1;
  std::string path;    // the temporary file
  std::string target;  // the file it replaces once committed
  int cleanup_slot = -1;
};

// Creates the temporary file with the permissions of the target (0644 when it is new).
std::optional<TemporaryFile> CreateTemporaryFile(const std::string& target);
std::optional<TemporaryFile> CreateTemporaryFile(const std::string& target, std::error_code& error);
// Writes every byte, going on after interruptions; false with the reason otherwise.
bool WriteAllBytes(int fd, std::span<const std::uint8_t> bytes, std::error_code& error);
// Makes the written bytes durable, closes the descriptor and puts the file in the target's
// place. On failure the temporary file is removed and the target left as it was.
bool CommitTemporaryFile(TemporaryFile& file);
bool CommitTemporaryFile(TemporaryFile& file, std::error_code& error);
// Writes a working file of a run in place (no temporary file, no sync): the files of the
// working folder that every run rewrites. False with the reason when a byte did not get
// through.
bool WriteWorkingFile(const std::string& path, std::string_view text, std::error_code& error);

// Closes and removes the temporary file; the target stays as it was.
void DiscardTemporaryFile(TemporaryFile& file);

// The whole content of a file, at most max_bytes of it; false when it cannot be opened.
bool ReadFileBytes(const std::string& path, std::size_t max_bytes, std::vector<std::uint8_t>& out);

}  // namespace tarvel::model
