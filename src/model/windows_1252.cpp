// Windows-1252 <-> UTF-8: bytes 0x80..0x9F map through a table, every other byte is the
// Unicode character of the same value.
#include "model/windows_1252.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace tarvel::model {
namespace {

// Unicode characters of bytes 0x80..0x9F; 0 marks the undefined ones.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) {
    return kHighControls[byte - 0x80];
  }
  return byte;
}

void AppendUtf8(char32_t code_point, std::string& out) {
  if (code_point < 0x80) {
    out += static_cast<char>(code_point);
  } else if (code_point < 0x800) {
    out += static_cast<char>(0xC0 | (code_point >> 6));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code_point >> 12));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  }
}

std::optional<char> ByteOf(char32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<char>(code_point);
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] != 0 && kHighControls[i] == code_point) {
      return static_cast<char>(0x80 + i);
    }
  }
  return std::nullopt;
}

// Decodes one UTF-8 sequence at text[at]; returns its length, or 0 when malformed.
std::size_t DecodeUtf8(std::string_view text, std::size_t at, char32_t& code_point) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 0;
  if (lead < 0x80) {
    code_point = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    code_point = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    code_point = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    code_point = lead & 0x07;
  } else {
    return 0;
  }
  if (at + length > text.size()) {
    return 0;
  }
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) {
      return 0;
    }
    code_point = (code_point << 6) | (next & 0x3F);
  }
  return length;
}

}  // namespace

bool IsUndefinedIn1252(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] == 0;
}

std::string Utf8From1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const char32_t code_point = CodePointOf(static_cast<unsigned char>(c));
    AppendUtf8(code_point == 0 ? char32_t{0xFFFD} : code_point, out);
  }
  return out;
}

std::optional<std::string> Utf8To1252(std::string_view text, std::string& problem) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    char32_t code_point = 0;
    const std::size_t length = DecodeUtf8(text, at, code_point);
    if (length == 0) {
      problem = "text is not valid UTF-8";
      return std::nullopt;
    }
    const std::optional<char> byte = ByteOf(code_point);
    if (!byte) {
      char buffer[64];
      std::snprintf(buffer, sizeof buffer, "character U+%04X has no Windows-1252 byte",
                    static_cast<unsigned>(code_point));
      problem = buffer;
      return std::nullopt;
    }
    out += *byte;
    at += length;
  }
  return out;
}

}  // namespace tarvel::model
