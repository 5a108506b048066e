// `tarvel convert IN OUT`: reads a scenario file or its JSON form and writes either form.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace tarvel::cli {

// What the convert command reads and writes.
struct ConvertOptions {
  std::string input;
  std::string output;
};

// Converts between .ret and .json by the names' extensions. Returns the exit status: 0 on
// success, 1 with a one-line message on stderr when the input cannot be used.
int RunConvert(const ConvertOptions& options);

// Registers the convert subcommand; its callback sets status.
void AddConvertCommand(CLI::App& app, int& status);

}  // namespace tarvel::cli
