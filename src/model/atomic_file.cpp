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

namespace tarvel::model {
namespace {

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

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
bool SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0 || errno == EINVAL;  // some file systems cannot sync folders
  ::close(fd);
  return ok;
}

}  // namespace

std::optional<TemporaryFile> CreateTemporaryFile(const std::string& target_path) {
  const std::filesystem::path target = ResolveTarget(target_path);
  const std::string pattern =
      (FolderOf(target) / ("." + target.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  TemporaryFile file{fd, std::string(name.data()), target.string()};
  // The new file keeps the permissions of the one it replaces.
  struct stat old_status {};
  const mode_t mode =
      ::stat(target.c_str(), &old_status) == 0 ? (old_status.st_mode & 07777) : 0644;
  if (::fchmod(fd, mode) != 0) {
    DiscardTemporaryFile(file);
    return std::nullopt;
  }
  return file;
}

bool CommitTemporaryFile(TemporaryFile& file) {
  bool ok = ::fsync(file.fd) == 0;
  ok = (::close(file.fd) == 0) && ok;
  file.fd = -1;
  ok = ok && std::rename(file.path.c_str(), file.target.c_str()) == 0;
  if (!ok) {
    ::unlink(file.path.c_str());
    return false;
  }
  return SyncFolder(FolderOf(file.target));
}

void DiscardTemporaryFile(TemporaryFile& file) {
  if (file.fd >= 0) ::close(file.fd);
  file.fd = -1;
  ::unlink(file.path.c_str());
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::optional<TemporaryFile> file = CreateTemporaryFile(path);
  if (!file) return false;
  if (!WriteAll(file->fd, bytes.data(), bytes.size())) {
    DiscardTemporaryFile(*file);
    return false;
  }
  return CommitTemporaryFile(*file);
}

bool WriteFileAtomically(const std::string& path, std::string_view text) {
  return WriteFileAtomically(
      path, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(text.data()),
                                          text.size()));
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
