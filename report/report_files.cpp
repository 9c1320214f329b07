#include "report/report_files.h"

#include "core/file_io.h"
#include "report/template_report.h"

namespace qm {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
// The document ends with "<== End Report ==>", " " and the download line;
// the HTML page has its own tail instead.
constexpr std::size_t kLinesLeftOutOfHtml = 3;

void AddLine(std::string& out, std::string_view line) {
  out += line;
  out += kLineEnd;
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string ReportTextBytes(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) AddLine(out, line);
  return out;
}

std::string ReportHtmlBytes(const std::vector<std::string>& lines, std::string_view templateName) {
  const std::string name = EscapeHtml(templateName);
  std::string out;
  AddLine(out, "<HTML><HEAD><TITLE>SpellCraft Report for : " + name + "</TITLE></HEAD>");
  AddLine(out, "<BODY><CENTER><FONT SIZE=+2>Spellcraft Report for : " + name +
                   "</FONT></CENTER><BR><HR><PRE>");
  if (lines.size() > kLinesLeftOutOfHtml)
    for (std::size_t i = 0; i < lines.size() - kLinesLeftOutOfHtml; ++i)
      AddLine(out, EscapeHtml(lines[i]));
  AddLine(out, "<HR>");
  AddLine(out, "Quillmark can be downloaded at <A HREF=\"" + std::string(kMakerWebSite) + "\">" +
                   std::string(kMakerWebHost) + "</A>");
  AddLine(out, "<HR>");
  AddLine(out, "</PRE></BODY></HTML>");
  return out;
}

Status SaveReportText(const std::string& path, const std::vector<std::string>& lines) {
  return WriteFileAtomically(path, ReportTextBytes(lines));
}

Status SaveReportHtml(const std::string& path, const std::vector<std::string>& lines,
                      std::string_view templateName) {
  return WriteFileAtomically(path, ReportHtmlBytes(lines, templateName));
}

}  // namespace qm
