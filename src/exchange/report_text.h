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
// The first line of rest as SplitReportLines gives it, taken off rest; false at the end.
bool NextReportLine(std::string_view& rest, std::string& line);

// The bytes of a file that cannot be a report: a zero byte or a control character other than
// tab, line feed, form feed and carriage return within the first kTextCheckBytes bytes.
inline constexpr std::size_t kTextCheckBytes = 4096;
bool LooksLikeBinary(std::string_view bytes);

// The decoded text of a report file, or nothing when it cannot be read.
std::optional<std::string> ReadReportFile(const std::string& path);
// As above; when there is no text, problem says why: "Cannot open PATH: REASON." or
// "PATH is not a text report." (a folder, or a binary file).
std::optional<std::string> ReadReportFile(const std::string& path, std::string& problem);

}  // namespace tarvel::exchange
