// The manual page tarvel(1), written from the same command and option definitions as --help,
// so that the two cannot disagree; the build installs what the hidden --man flag prints.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace tarvel::cli {

// The page in roff: every command (calculators included) with its arguments and options, then
// the exit statuses, environment, files and examples.
std::string CommandLineManPage(const CLI::App& app);

// Adds --man, left out of --help: prints the page and ends with success. Add it after the
// commands.
void AddManPageFlag(CLI::App& app);

}  // namespace tarvel::cli
