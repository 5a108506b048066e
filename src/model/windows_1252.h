// The one converter between the single-byte Windows-1252 text the records hold and the UTF-8
// text shown on terminals and written into JSON scenarios.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvel::model {

// True for the five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).
bool IsUndefinedIn1252(unsigned char byte);

// Each byte as its Unicode character in UTF-8; an undefined byte becomes U+FFFD.
std::string Utf8From1252(std::string_view text);

// The Windows-1252 bytes of a UTF-8 text. On failure returns nothing and sets problem to a
// short explanation ("character U+4E2D has no Windows-1252 byte", "text is not valid UTF-8").
std::optional<std::string> Utf8To1252(std::string_view text, std::string& problem);

}  // namespace tarvel::model
