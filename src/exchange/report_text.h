// The text of a report file as the parsers read it: UTF-8 (with or without a byte-order
// mark) or Windows-1252 bytes, CRLF or LF line ends, turned into Windows-1252 lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel::exchange {

// Longest line the parsers look at; the rest of a longer line is left out.
inline constexpr std::size_t kMaxReportLineLength = 119;

// The bytes as Windows-1252 text: a UTF-8 file (a byte-order mark, or valid UTF-8 with
// characters beyond ASCII) is converted, a character without a Windows-1252 byte becoming
// "?"; any other file is taken as Windows-1252 already.
std::string DecodeReportText(std::string_view bytes);

// The lines of a decoded text without their line ends (LF, CRLF or a lone CR), each cut at
// kMaxReportLineLength characters.
std::vector<std::string> SplitReportLines(std::string_view text);

// The decoded text of a report file, or nothing when it cannot be read.
std::optional<std::string> ReadReportFile(const std::string& path);

}  // namespace tarvel::exchange
