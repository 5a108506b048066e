// Qt strings over the one Windows-1252 converter of the model.
#include "painting/text_1252.h"

#include "model/windows_1252.h"

namespace tarvel::painting {

QString FromWindows1252(std::string_view text) {
  return QString::fromStdString(model::Utf8From1252(text));
}

std::string ToWindows1252(const QString& text) {
  std::string problem;
  if (auto bytes = model::Utf8To1252(text.toStdString(), problem)) return *bytes;
  // Some character has no byte: convert one character at a time and mark the missing ones.
  std::string result;
  for (const QChar character : text) {
    auto byte = model::Utf8To1252(QString(character).toStdString(), problem);
    result += byte ? *byte : std::string("?");
  }
  return result;
}

}  // namespace tarvel::painting
