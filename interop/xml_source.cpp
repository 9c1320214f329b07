#include "interop/xml_source.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "interop/source_text.h"
#include "interop/stopped_at.h"

namespace qm {
namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

XmlSource::XmlSource(std::string_view text) : text_(SourceTextAsUtf8(text)) {
  // The text is UTF-8 now whatever the declaration claims; parse it as such.
  result_ =
      document_.load_buffer(text_.data(), text_.size(), pugi::parse_default, pugi::encoding_utf8);
}

bool XmlSource::ClosedBeforeStop(const pugi::xml_node& element) const {
  if (Complete()) return true;
  const auto start = static_cast<std::size_t>(element.offset_debug());
  const std::string close = std::string("</") + element.name();
  const std::size_t end = std::string_view(text_).find(close, start);
  return end != std::string_view::npos && end + close.size() <= StopOffset();
}

std::string XmlSource::StoppedAt() const {
  if (Complete()) return {};
  // A parse that ran to the last bytes found the file cut short rather than
  // broken; it stopped on the file's last line.
  if (StopOffset() + 2 >= text_.size()) {
    return StoppedAtLine(text_, text_.empty() ? 0 : text_.size() - 1, "the file breaks off");
  }
  return StoppedAtLine(text_, StopOffset(), result_.description());
}

std::string_view FirstElementName(std::string_view head) {
  std::size_t at = 0;
  while ((at = head.find('<', at)) != std::string_view::npos) {
    if (at + 1 < head.size() && (head[at + 1] == '?' || head[at + 1] == '!')) {
      ++at;
      continue;
    }
    const std::size_t end = head.find_first_of(" \t\r\n/>", at + 1);
    return head.substr(at + 1, end == std::string_view::npos ? end : end - at - 1);
  }
  return {};
}

std::string_view ChildText(const pugi::xml_node& node, const char* name) {
  return Trimmed(node.child(name).text().get());
}

int SecondsAsTenths(std::string_view seconds) {
  const std::string text(seconds);
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || !(value > 0.0) || value > 100.0) return 0;
  return static_cast<int>(std::lround(value * 10.0));
}

int LeadingNumber(std::string_view text, int fallback) {
  text = Trimmed(text);
  int number = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
  return ec == std::errc() ? number : fallback;
}

}  // namespace qm
