#pragma once
// The two save formats of the report: the text file (every line of the
// document with CR LF) and the HTML page (a head, the document in a PRE block
// without its last three lines, and a tail with the download link). Both are
// 8-bit text, and both are written through a temporary file so that a failed
// save leaves the previous file as it was.
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace qm {

// "&", "<" and ">" as HTML entities; every other byte unchanged.
std::string EscapeHtml(std::string_view text);

std::string ReportTextBytes(const std::vector<std::string>& lines);
// templateName: the report copy's CharName. Report lines and the name are
// escaped so that item names and notes cannot break the page.
std::string ReportHtmlBytes(const std::vector<std::string>& lines, std::string_view templateName);

Status SaveReportText(const std::string& path, const std::vector<std::string>& lines);
Status SaveReportHtml(const std::string& path, const std::vector<std::string>& lines,
                      std::string_view templateName);

}  // namespace qm
