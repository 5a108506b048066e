// A full disk for tests, loaded into a program with LD_PRELOAD: writes to regular files whose
// path contains TARVEL_FULL_DISK_PATH (any regular file when it is unset) succeed until
// TARVEL_FULL_DISK_AFTER bytes (0 when unset) have gone to them; every later write fails with
// ENOSPC, as on a disk that has just filled up. Terminals, pipes and devices are not touched.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

std::atomic<unsigned long long> bytes_written{0};

bool OnTheFullDisk(int fd) {
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return false;
  const char* part = std::getenv("TARVEL_FULL_DISK_PATH");
  if (part == nullptr || *part == '\0') return true;
  char link[64];
  char path[4096];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t length = ::readlink(link, path, sizeof path - 1);
  if (length < 0) return false;
  path[length] = '\0';
  return std::strstr(path, part) != nullptr;
}

// True when `size` more bytes to fd do not fit on the disk any more.
bool DiskIsFull(int fd, std::size_t size) {
  if (size == 0 || !OnTheFullDisk(fd)) return false;
  const char* after = std::getenv("TARVEL_FULL_DISK_AFTER");
  const unsigned long long room = after != nullptr ? std::strtoull(after, nullptr, 10) : 0;
  if (bytes_written.load() + size <= room) {
    bytes_written += size;
    return false;
  }
  errno = ENOSPC;
  return true;
}

template <typename Function>
Function Next(const char* name) {
  return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" ssize_t write(int fd, const void* data, std::size_t size) {
  static const auto real = Next<ssize_t (*)(int, const void*, std::size_t)>("write");
  if (DiskIsFull(fd, size)) return -1;
  return real(fd, data, size);
}

extern "C" ssize_t writev(int fd, const struct iovec* parts, int count) {
  static const auto real = Next<ssize_t (*)(int, const struct iovec*, int)>("writev");
  std::size_t size = 0;
  for (int i = 0; i < count; ++i) size += parts[i].iov_len;
  if (DiskIsFull(fd, size)) return -1;
  return real(fd, parts, count);
}

extern "C" ssize_t pwrite64(int fd, const void* data, std::size_t size, off_t offset) {
  static const auto real = Next<ssize_t (*)(int, const void*, std::size_t, off_t)>("pwrite64");
  if (DiskIsFull(fd, size)) return -1;
  return real(fd, data, size, offset);
}
