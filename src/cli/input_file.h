// Reading a file named on the command line; one that cannot be opened is reported with the
// system's reason.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvel::cli {

// Larger than any scenario file; a bigger input is cut here and its extra bytes ignored.
inline constexpr std::size_t kMaxInputBytes = 64u << 20;

// The file's bytes (at most kMaxInputBytes); nothing after printing
// "Cannot open PATH: REASON." on stderr.
std::optional<std::vector<std::uint8_t>> ReadInputFile(const std::string& path);

}  // namespace tarvel::cli
