#include "ui/text_codec.h"

#include "core/text.h"

namespace qm::ui {

QString ToQt(std::string_view cp1252) {
  return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

std::string FromQt(const QString& text) {
  return Utf8ToCp1252(text.toStdString());
}

QString ToQtLines(const std::vector<std::string>& lines) {
  QString text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i != 0) text += QLatin1Char('\n');
    text += ToQt(lines[i]);
  }
  return text;
}

}  // namespace qm::ui
