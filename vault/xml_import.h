#pragma once
// Items saved as small XML files by other calculators. The importer is no
// general XML reader: it takes the first tag and its text from each line with
// plain searches, and converts the tags it knows into an item record.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/item_record.h"
#include "ports/ports.h"

namespace qm {

// An XML item is a few kilobytes; anything far larger is not one, and is not
// read whole into memory.
inline constexpr std::size_t kMaxXmlImportBytes = 16u << 20;

enum class ImportKind {
  kXmlItem,
  kTavroTemplate,
  kLokiTemplate,
  kUnknownXml,
  kChatLog,
  kUnsupported
};

// "XML Item Import", "Tavro's Template Import", ..., "This file format is not yet supported."
std::string_view ImportKindText(ImportKind kind);

struct XmlTag {
  std::string Tag;
  std::string Value;
};

struct ImportText {
  ImportKind Kind = ImportKind::kUnsupported;
  std::vector<XmlTag> Tags;  // filled for an XML item only
};

inline constexpr const char* kLocationMissingMessage =
    "There is something out of order in this XML file : <Location>Missing</Location";

// Recognises the file kind and, for an XML item, lists one (tag, value) pair
// per line after the first that holds a "<". A file whose XML declaration
// names UTF-8 is decoded as UTF-8 and its texts kept in Windows-1252 ("?" for
// a character Windows-1252 lacks); any other file is read as Windows-1252.
ImportText ParseImportText(std::string_view fileText);

struct XmlConversion {
  TItemRecord Item{};
  bool Success = false;
};

// Where the importer puts an item of the given location and type texts
// ("Right Hand", "Axe"): the record's slot kind, armour and weapon type
// indices, 0 for what the texts do not say. Readers of other XML item
// formats share these words through it.
struct XmlItemPlace {
  std::uint8_t SlotKind = 0;
  std::uint8_t Armor = 0;
  std::uint8_t WeaponType = 0;
};
XmlItemPlace XmlItemPlaceOf(std::string_view location, std::string_view typeText);

// The bonus code the importer gives a bonus slot's effect text under its
// type text ("Skill" + "Crush" is Crush Skill, "Resist" + "Crush" Crush
// Resist); 0 when it knows none. Texts are Windows-1252.
int XmlBonusCode(std::string_view typeText, std::string_view effectText);

// The class indices a class text names ("Hero, Champion", "MAULER"), in the
// order of the importer's class words; empty when it names none.
std::vector<int> XmlClassesNamed(std::string_view classText);

// Converts an XML item's tags into an item. Any other file kind converts
// nothing. A type tag met outside a bonus slot before any location tag shows
// kLocationMissingMessage through the port and stops without success.
XmlConversion ConvertXmlItem(const ImportText& text, UserPort& port);

}  // namespace qm
