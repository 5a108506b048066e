// The desktop's boundary between the single-byte Windows-1252 text of records and files and
// the Unicode text of Qt widgets.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tarvel::painting {

QString FromWindows1252(std::string_view text);
// Characters without a Windows-1252 byte become "?".
std::string ToWindows1252(const QString& text);

}  // namespace tarvel::painting
