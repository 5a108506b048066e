// `tarvel graph FILE.ret`: runs the scenario and draws one graph page, as the planner shows
// it, into a PNG, SVG or PDF file.
#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/canvas.h"

namespace tarvel::cli {

struct GraphCommandOptions {
  std::string input;
  std::string kind = "networth";  // networth|inout|incoming|outgoing|groups|accounts[:N]|
                                  // allocation|summary|fan
  std::string style = "line";     // line|bar|3d
  std::string out;
  std::string size = "1000x700";  // WxH in pixels
  std::string zoom;               // FROM-TO ages
  int pie_age = -1;               // the breakdown pie of this age; none when negative
  std::string workdir;            // the run files; a private temporary folder when empty
  std::string today;              // YYYY-MM-DD for the footer; the system date when empty
  // --kind fan: the Monte Carlo analysis drawn
  std::string source = "accounts";
  int runs = 1000;
  std::uint64_t seed = 1;
  int block_years = 5;
  bool todays_money = false;  // the default; kept for scripts that ask for it
  bool nominal = false;       // net worth in the money of each year
};

// "WIDTHxHEIGHT" in pixels, each 100 to 10000; nothing otherwise.
std::optional<platform::Size> ParseImageSize(const std::string& text);

// Exit status: 0 written, 1 bad input or an unwritable file, 2 a malformed option.
int RunGraphCommand(const GraphCommandOptions& options);

void AddGraphCommand(CLI::App& app, int& status);

}  // namespace tarvel::cli
