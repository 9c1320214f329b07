#pragma once
// Texts cross the widget boundary here and nowhere else: records and the vault
// hold Windows-1252, Qt holds UTF-16.
#include <QString>
#include <string>
#include <string_view>

namespace qm::ui {

QString ToQt(std::string_view cp1252);
std::string FromQt(const QString& text);

}  // namespace qm::ui
