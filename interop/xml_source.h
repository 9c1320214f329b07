#pragma once
// An outside XML file parsed for a reader: its text made UTF-8 first (older
// tools write Windows-1252 whatever their declaration says), then parsed
// whole by pugixml. When the parse stops early the tree holds what came
// before the fault, and the source says where and why it stopped.
#include <cstddef>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace qm {

class XmlSource {
 public:
  explicit XmlSource(std::string_view text);

  const pugi::xml_document& Document() const { return document_; }
  pugi::xml_node Root() const { return document_.document_element(); }
  bool Complete() const { return static_cast<bool>(result_); }
  // Where the parse stopped, in bytes of the UTF-8 text.
  std::size_t StopOffset() const { return static_cast<std::size_t>(result_.offset); }
  // The parser's reason for stopping ("Start-end tags mismatch").
  const char* ParseError() const { return result_.description(); }
  std::size_t Size() const { return text_.size(); }
  // The UTF-8 text the offsets of the parse count in.
  std::string_view Text() const { return text_; }
  // True when an element that began at offset was closed before the parse stopped.
  bool ClosedBeforeStop(const pugi::xml_node& element) const;
  // "stopped at line 12: the file breaks off" or "... : <the parser's reason>";
  // empty for a complete parse.
  std::string StoppedAt() const;

 private:
  std::string text_;
  pugi::xml_document document_;
  pugi::xml_parse_result result_;
};

// The first element's name, past the declaration, comments and a byte order
// mark: what a sniff needs to tell XML files apart without parsing them.
std::string_view FirstElementName(std::string_view head);
// A child element's text, trimmed; empty when the element is missing.
std::string_view ChildText(const pugi::xml_node& node, const char* name);
// A time in seconds ("3.7") in tenths of a second; 0 for no time, or one
// past 100 seconds.
int SecondsAsTenths(std::string_view seconds);
// A whole number at the start of a text ("51", " 99 %"); fallback when none.
int LeadingNumber(std::string_view text, int fallback = 0);

}  // namespace qm
