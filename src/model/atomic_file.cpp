// Whole-file writes through a temporary file and a rename, and bounded whole-file reads.

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

}  // namespace

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  const std::filesystem::path target = ResolveTarget(path);
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string temp_name = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  std::vector<char> temp_buffer(temp_name.begin(), temp_name.end());
  temp_buffer.push_back('\0');

  const int fd = ::mkstemp(temp_buffer.data());
  if (fd < 0) return false;
  const std::string temp_path(temp_buffer.data());

  // The new file keeps the permissions of the one it replaces.
  struct stat old_status {};
  const mode_t mode =
      ::stat(target.c_str(), &old_status) == 0 ? (old_status.st_mode & 07777) : 0644;
  bool ok = ::fchmod(fd, mode) == 0;
  ok = ok && WriteAll(fd, bytes.data(), bytes.size());
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && std::rename(temp_path.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temp_path.c_str());
  return ok;
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
