// Decoding of report files into Windows-1252 lines.
#include "exchange/report_text.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "model/windows_1252.h"

namespace tarvel::exchange {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Length of the UTF-8 sequence that starts at text[at], or 0 when it is malformed.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  if (length == 0 || at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

// Whether every sequence is well formed and at least one goes beyond ASCII.
bool LooksLikeUtf8(std::string_view text) {
  bool beyond_ascii = false;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = SequenceLength(text, at);
    if (length == 0) return false;
    beyond_ascii = beyond_ascii || length > 1;
    at += length;
  }
  return beyond_ascii;
}

// Converts sequence by sequence; a malformed byte or an unmappable character becomes "?".
std::string Utf8ToReportText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = std::max<std::size_t>(SequenceLength(text, at), 1);
    std::string problem;
    const auto converted = model::Utf8To1252(text.substr(at, length), problem);
    out += converted ? *converted : std::string("?");
    at += length;
  }
  return out;
}

}  // namespace

std::string DecodeReportText(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) return Utf8ToReportText(bytes.substr(3));
  if (LooksLikeUtf8(bytes)) return Utf8ToReportText(bytes);
  return std::string(bytes);
}

bool NextReportLine(std::string_view& rest, std::string& line) {
  if (rest.empty()) return false;
  std::size_t end = rest.find_first_of("\r\n");
  if (end == std::string_view::npos) end = rest.size();
  line.assign(rest.substr(0, std::min(end, kMaxReportLineLength)));
  if (end < rest.size() && rest[end] == '\r') ++end;
  if (end < rest.size() && rest[end] == '\n') ++end;
  rest.remove_prefix(end);
  return true;
}

std::vector<std::string> SplitReportLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string line;
  while (NextReportLine(text, line)) lines.push_back(line);
  return lines;
}

bool LooksLikeBinary(std::string_view bytes) {
  const std::string_view start = bytes.substr(0, kTextCheckBytes);
  return std::any_of(start.begin(), start.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\f' && byte != '\r';
  });
}

std::optional<std::string> ReadReportFile(const std::string& path) {
  std::string problem;
  return ReadReportFile(path, problem);
}

std::optional<std::string> ReadReportFile(const std::string& path, std::string& problem) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    problem = "Cannot open " + path + ": " + std::generic_category().message(EISDIR) + ".";
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    problem = "Cannot open " + path + ": " + std::generic_category().message(errno) + ".";
    return std::nullopt;
  }
  std::string bytes(kTextCheckBytes, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (LooksLikeBinary(bytes)) {
    problem = path + " is not a text report.";
    return std::nullopt;
  }
  try {
    if (in) bytes.append(std::istreambuf_iterator<char>(in), {});
  } catch (const std::ios_base::failure&) {
    in.setstate(std::ios::badbit);
  }
  if (in.bad()) {
    problem = "Cannot read " + path + ".";
    return std::nullopt;
  }
  return DecodeReportText(bytes);
}

}  // namespace tarvel::exchange
