#pragma once
// Texts cross the widget boundary here and nowhere else: records and the vault
// hold Windows-1252, Qt holds UTF-16.
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace qm::ui {

QString ToQt(std::string_view cp1252);
std::string FromQt(const QString& text);
// Lines for a multi-line box: each converted, joined by line feeds.
QString ToQtLines(const std::vector<std::string>& lines);

}  // namespace qm::ui
