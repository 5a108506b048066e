// Whole-file writes through a temporary file, fsync and a rename, and bounded whole-file reads.

#include "model/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "model/interrupt_cleanup.h"

namespace tarvel::model {
namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

// A symbolic link is followed, so the file it names is replaced and the link kept.
std::filesystem::path ResolveTarget(const std::string& path) {
  std::error_code error;
  const std::filesystem::path target(path);
  if (std::filesystem::is_symlink(target, error)) {
    auto resolved = std::filesystem::weakly_canonical(target, error);
    if (!error) return resolved;
  }
  return target;
}

std::filesystem::path FolderOf(const std::filesystem::path& target) {
  std::filesystem::path folder = target.parent_path();
  return folder.empty() ? std::filesystem::path(".") : folder;
}

// The rename is only durable once the folder's entry list has reached the disk too.
bool SyncFolder(const std::filesystem::path& folder, std::error_code& error) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    error = LastError();
    return false;
  }
  const bool ok = ::fsync(fd) == 0 || errno == EINVAL;  // some file systems cannot sync folders
  if (!ok) error = LastError();
  ::close(fd);
  return ok;
}

// A rename onto a folder is refused by the system only at the end; saying so before any byte
// is written spares the writer its work.
bool IsFolder(const std::filesystem::path& target) {
  struct stat status {};
  return ::stat(target.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

std::string CannotWriteMessage(const std::string& path, const std::error_code& error) {
  return "Cannot write " + path + ": " + error.message();
}

std::optional<TemporaryFile> CreateTemporaryFile(const std::string& target_path) {
  std::error_code error;
  return CreateTemporaryFile(target_path, error);
}

std::optional<TemporaryFile> CreateTemporaryFile(const std::string& target_path,
                                                 std::error_code& error) {
  const std::filesystem::path target = ResolveTarget(target_path);
  if (IsFolder(target)) {
    error = std::make_error_code(std::errc::is_a_directory);
    return std::nullopt;
  }
  const std::string pattern =
      (FolderOf(target) / ("." + target.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  std::optional<InterruptsHeld> held(std::in_place);
  const int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) {
    error = LastError();
    return std::nullopt;
  }
  TemporaryFile file{fd, std::string(name.data()), target.string(),
                     RegisterTemporary(name.data(), TemporaryKind::File)};
  held.reset();
  // The new file keeps the permissions of the one it replaces.
  struct stat old_status {};
  const mode_t mode =
      ::stat(target.c_str(), &old_status) == 0 ? (old_status.st_mode & 07777) : 0644;
  if (::fchmod(fd, mode) != 0) {
    error = LastError();
    DiscardTemporaryFile(file);
    return std::nullopt;
  }
  return file;
}

bool WriteAllBytes(int fd, std::span<const std::uint8_t> bytes, std::error_code& error) {
  const std::uint8_t* data = bytes.data();
  std::size_t size = bytes.size();
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      error = LastError();
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

bool WriteWorkingFile(const std::string& path, std::string_view text, std::error_code& error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    error = LastError();
    return false;
  }
  bool ok = WriteAllBytes(fd,
                          std::span<const std::uint8_t>(
                              reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
                          error);
  if (::close(fd) != 0 && ok) {
    error = LastError();
    ok = false;
  }
  return ok;
}

bool CommitTemporaryFile(TemporaryFile& file) {
  std::error_code error;
  return CommitTemporaryFile(file, error);
}

bool CommitTemporaryFile(TemporaryFile& file, std::error_code& error) {
  bool ok = ::fsync(file.fd) == 0;
  if (!ok) error = LastError();
  if (::close(file.fd) != 0 && ok) {
    error = LastError();
    ok = false;
  }
  file.fd = -1;
  if (ok && std::rename(file.path.c_str(), file.target.c_str()) != 0) {
    error = LastError();
    ok = false;
  }
  if (!ok) ::unlink(file.path.c_str());
  ReleaseTemporary(file.cleanup_slot);
  file.cleanup_slot = -1;
  return ok && SyncFolder(FolderOf(file.target), error);
}

void DiscardTemporaryFile(TemporaryFile& file) {
  if (file.fd >= 0) ::close(file.fd);
  file.fd = -1;
  ::unlink(file.path.c_str());
  ReleaseTemporary(file.cleanup_slot);
  file.cleanup_slot = -1;
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::error_code& error) {
  std::optional<TemporaryFile> file = CreateTemporaryFile(path, error);
  if (!file) return false;
  if (!WriteAllBytes(file->fd, bytes, error)) {
    DiscardTemporaryFile(*file);
    return false;
  }
  return CommitTemporaryFile(*file, error);
}

bool WriteFileAtomically(const std::string& path, std::string_view text, std::error_code& error) {
  return WriteFileAtomically(path,
                             std::span<const std::uint8_t>(
                                 reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
                             error);
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::error_code error;
  return WriteFileAtomically(path, bytes, error);
}

bool WriteFileAtomically(const std::string& path, std::string_view text) {
  std::error_code error;
  return WriteFileAtomically(path, text, error);
}

bool ReadFileBytes(const std::string& path, std::size_t max_bytes, std::vector<std::uint8_t>& out) {
  out.clear();
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return false;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::uint8_t buffer[65536];
  while (out.size() < max_bytes) {
    const std::size_t want = std::min(sizeof buffer, max_bytes - out.size());
    const std::size_t got = std::fread(buffer, 1, want, file);
    out.insert(out.end(), buffer, buffer + got);
    if (got < want) break;
  }
  std::fclose(file);
  return true;
}

}  // namespace tarvel::model
