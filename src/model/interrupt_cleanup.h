// Temporary files and folders that must not outlive the program when it is interrupted
// (Ctrl-C, a polite kill): each is registered while it exists, and a signal handler removes
// every registered path before the program ends.
#pragma once

#include <signal.h>

#include <string>

namespace tarvel::model {

enum class TemporaryKind { File, Folder };

// Registers a path for removal on interruption; returns the slot to release once the path is
// gone or committed, or -1 when the path could not be registered (too long, too many).
int RegisterTemporary(const std::string& path, TemporaryKind kind);
void ReleaseTemporary(int slot);

// Removes every registered file, and every registered folder with what it holds. Safe to call
// from a signal handler: it allocates nothing and makes only async-signal-safe system calls.
void RemoveRegisteredTemporaries() noexcept;

// Holds back the interrupting signals while it lives, so a temporary is never made without
// being registered: create and register it within one.
class InterruptsHeld {
 public:
  InterruptsHeld();
  ~InterruptsHeld();
  InterruptsHeld(const InterruptsHeld&) = delete;
  InterruptsHeld& operator=(const InterruptsHeld&) = delete;

 private:
  sigset_t previous_;
};

}  // namespace tarvel::model
