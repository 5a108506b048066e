// The registry of temporary paths behind RemoveRegisteredTemporaries. A signal handler can
// only reach program-wide state, so the registry is the one deliberate global: fixed slots
// whose paths are written before the slot is published and read without allocating.
#include "model/interrupt_cleanup.h"

#include <dirent.h>
#include <pthread.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>

namespace tarvel::model {
namespace {

constexpr int kSlots = 64;
constexpr std::size_t kPathBytes = 4096;
constexpr int kDeepestFolder = 4;

enum SlotState : int { kFree = 0, kFilling = 1, kFile = 2, kFolder = 3 };

struct Slot {
  std::atomic<int> state{kFree};
  char path[kPathBytes] = {};
};

constinit std::array<Slot, kSlots> slots;

// The raw entry layout getdents64 fills in; readdir would allocate.
struct RawEntry {
  ino64_t inode;
  off64_t offset;
  unsigned short length;
  unsigned char type;
  char name[1];
};

bool IsDotOrDotDot(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

void EmptyFolder(int folder, int depth);

// Removes one entry of an open folder: a file, or a folder after emptying it.
void RemoveEntry(int folder, const char* name, int depth) {
  if (::unlinkat(folder, name, 0) == 0 || errno != EISDIR) return;
  if (depth < kDeepestFolder) {
    const int inner = ::openat(folder, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (inner >= 0) {
      EmptyFolder(inner, depth + 1);
      ::close(inner);
    }
  }
  ::unlinkat(folder, name, AT_REMOVEDIR);
}

// Passes over the folder until a pass finds nothing to remove: removing entries while
// reading the folder may make the reading skip some.
void EmptyFolder(int folder, int depth) {
  alignas(8) char buffer[4096];
  for (int pass = 0; pass < 8; ++pass) {
    bool removed_any = false;
    ::lseek(folder, 0, SEEK_SET);
    for (;;) {
      const long got = ::syscall(SYS_getdents64, folder, buffer, sizeof buffer);
      if (got <= 0) break;
      for (long at = 0; at < got;) {
        const auto* entry = reinterpret_cast<const RawEntry*>(buffer + at);
        if (!IsDotOrDotDot(entry->name)) {
          RemoveEntry(folder, entry->name, depth);
          removed_any = true;
        }
        at += entry->length;
      }
    }
    if (!removed_any) return;
  }
}

void RemoveFolder(const char* path) {
  const int folder = ::open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (folder >= 0) {
    EmptyFolder(folder, 0);
    ::close(folder);
  }
  ::rmdir(path);
}

}  // namespace

int RegisterTemporary(const std::string& path, TemporaryKind kind) {
  if (path.empty() || path.size() >= kPathBytes) return -1;
  for (int i = 0; i < kSlots; ++i) {
    int expected = kFree;
    if (!slots[i].state.compare_exchange_strong(expected, kFilling)) continue;
    std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
    slots[i].state.store(kind == TemporaryKind::File ? kFile : kFolder, std::memory_order_release);
    return i;
  }
  return -1;
}

void ReleaseTemporary(int slot) {
  if (slot >= 0 && slot < kSlots) slots[slot].state.store(kFree, std::memory_order_release);
}

InterruptsHeld::InterruptsHeld() {
  sigset_t held;
  ::sigemptyset(&held);
  for (const int signal_number : {SIGINT, SIGTERM, SIGHUP}) ::sigaddset(&held, signal_number);
  ::pthread_sigmask(SIG_BLOCK, &held, &previous_);
}

InterruptsHeld::~InterruptsHeld() { ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }

void RemoveRegisteredTemporaries() noexcept {
  const int saved_errno = errno;
  for (Slot& slot : slots) {
    const int state = slot.state.load(std::memory_order_acquire);
    if (state == kFile) ::unlink(slot.path);
    if (state == kFolder) RemoveFolder(slot.path);
  }
  errno = saved_errno;
}

}  // namespace tarvel::model
