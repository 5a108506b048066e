// The interrupt handler: it only removes the registered temporaries and ends the process,
// all of it async-signal-safe.
#include "cli/interrupt_signals.h"

#include <signal.h>
#include <unistd.h>

#include "model/interrupt_cleanup.h"

namespace tarvel::cli {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

void OnInterrupt(int signal_number) {
  model::RemoveRegisteredTemporaries();
  ::_exit(128 + signal_number);
}

}  // namespace

void EndCleanlyOnInterrupt() {
  struct sigaction action {};
  action.sa_handler = &OnInterrupt;
  ::sigemptyset(&action.sa_mask);
  // A second signal during the cleaning waits; the process ends before it is delivered.
  for (const int blocked : kSignals) ::sigaddset(&action.sa_mask, blocked);
  for (const int handled : kSignals) {
    struct sigaction previous {};
    // A signal ignored by whoever started the command (nohup, a background job) stays ignored.
    if (::sigaction(handled, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) continue;
    ::sigaction(handled, &action, nullptr);
  }
}

}  // namespace tarvel::cli
