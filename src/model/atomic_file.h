// Writes a whole file so that a failure never leaves it half written: the bytes go to a
// temporary file in the same folder, which then replaces the old file in one rename.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel::model {

// True when every byte reached the disk and the file took the target's place. On failure
// the old file is untouched and no temporary file is left behind.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
bool WriteFileAtomically(const std::string& path, std::string_view text);

// The whole content of a file, at most max_bytes of it; false when it cannot be opened.
bool ReadFileBytes(const std::string& path, std::size_t max_bytes, std::vector<std::uint8_t>& out);

}  // namespace tarvel::model
