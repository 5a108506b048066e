// Ctrl-C and a polite kill end a command cleanly: its temporary folder and any half-written
// file beside a target are removed, the targets keep what they held, and the command ends
// with 128 plus the signal's number (130 for SIGINT, 143 for SIGTERM).
#pragma once

namespace tarvel::cli {

void EndCleanlyOnInterrupt();

}  // namespace tarvel::cli
