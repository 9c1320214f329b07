#include "interop/template_xml.h"

#include <charconv>

#include "interop/quoted_text.h"
#include "interop/read_limits.h"
#include "interop/read_position.h"

namespace qm {
namespace {

constexpr int kLowestLevel = 1;
constexpr int kHighestLevel = 50;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

TemplateXml::TemplateXml(std::string_view text, std::string_view fileName, std::string_view kind,
                         const char* root)
    : fileName_(fileName),
      // An oversized file is refused before its bytes are parsed.
      source_(text.size() > kMaxTemplateBytes ? std::string_view{} : text) {
  const std::string file = fileName_.empty() ? std::string("the file") : fileName_;
  if (text.size() > kMaxTemplateBytes) {
    error_ = file + ": larger than 16 MiB, too large to be " + std::string(kind);
  } else if (!source_.Complete()) {
    FailAtOffset(source_.StopOffset(),
                 "not well-formed XML (" + std::string(source_.ParseError()) + ")");
  } else if (std::string_view(Root().name()) != root) {
    FailAtOffset(static_cast<std::size_t>(Root().offset_debug()),
                 "not " + std::string(kind) + " (the root element is <" + Root().name() +
                     ">, not <" + root + ">)");
  }
}

std::optional<int> TemplateXml::Number(const pugi::xml_node& where, std::string_view text,
                                       std::string_view what) {
  text = Trimmed(text);
  if (text.empty()) return std::nullopt;
  int number = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, number);
  if (ec == std::errc() && ptr == end) return number;
  Fail(where, std::string(what) + " " + QuotedText(text) + " is not a whole number");
  return std::nullopt;
}

std::optional<int> TemplateXml::Level(const pugi::xml_node& where, std::string_view text) {
  const std::optional<int> level = Number(where, text, "level");
  if (!level || (*level >= kLowestLevel && *level <= kHighestLevel)) return level;
  Fail(where, "level " + std::to_string(*level) + " is outside 1-50");
  return std::nullopt;
}

void TemplateXml::Fail(const pugi::xml_node& where, std::string_view what) {
  FailAtOffset(static_cast<std::size_t>(where.offset_debug()), what);
}

void TemplateXml::FailAtOffset(std::size_t offset, std::string_view what) {
  if (!error_.empty()) return;
  const std::string file = fileName_.empty() ? std::string("the file") : fileName_;
  error_ = file + ", line " + std::to_string(LineOfOffset(source_.Text(), offset)) + ": " +
           std::string(what);
}

}  // namespace qm
