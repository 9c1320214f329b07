#pragma once
// What the readers of other planners' XML templates share: the refusals of a
// file that cannot be a template (too large, not well-formed XML, the wrong
// root element) and of numbers that are not numbers, each one line naming the
// file and the line ("hunter.xml, line 7: level \"fifty\" is not a number").
// The first refusal stands; later ones are not looked at.
#include <optional>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "interop/xml_source.h"

namespace qm {

class TemplateXml {
 public:
  // kind names the file in a refusal ("a Loki template"); root is the element
  // the file must begin with.
  TemplateXml(std::string_view text, std::string_view fileName, std::string_view kind,
              const char* root);

  bool Ok() const { return error_.empty(); }
  const std::string& Error() const { return error_; }
  pugi::xml_node Root() const { return source_.Root(); }

  // The whole number a text holds, nullopt for an empty one. Any other text
  // fails the reading at where's line, naming what the number is.
  std::optional<int> Number(const pugi::xml_node& where, std::string_view text,
                            std::string_view what);
  // A character level: a whole number of 1-50, or nullopt for an empty text.
  std::optional<int> Level(const pugi::xml_node& where, std::string_view text);
  void Fail(const pugi::xml_node& where, std::string_view what);

 private:
  void FailAtOffset(std::size_t offset, std::string_view what);

  std::string fileName_;
  XmlSource source_;
  std::string error_;
};

}  // namespace qm
