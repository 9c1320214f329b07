#include "vault/xml_import.h"

#include <charconv>
#include <cstdint>
#include <iterator>
#include <optional>
#include <utility>

#include "core/bonus_catalogue.h"
#include "core/text.h"
#include "vault/line_cursor.h"

namespace qm {
namespace {

struct Phrase {
  std::string_view text;
  int number;
};

// Location words; 18 and 19 select the two-handed and ranged weapon rules.
constexpr int kTwoHandedLocation = 18;
constexpr int kRangedLocation = 19;
constexpr Phrase kLocations[] = {
    {"jewel", 1},
    {"neck", 2},
    {"cloak", 3},
    {"belt", 4},
    {"ring", 5},
    {"wrist", 6},
    {"chest", 7},
    {"head", 8},
    {"arms", 9},
    {"hands", 10},
    {"legs", 11},
    {"feet", 12},
    {"right hand", 13},
    {"left hand", 14},
    {"2 handed", kTwoHandedLocation},
    {"two handed", kTwoHandedLocation},
    {"ranged", kRangedLocation},
};

// The 44 class words other than "mauler", with their class index.
constexpr Phrase kClassWords[] = {
    {"armsman", 0},      {"cabalist", 1},    {"cleric", 2},       {"friar", 3},
    {"heretic", 4},      {"infiltrator", 5}, {"mercenary", 7},    {"minstrel", 8},
    {"necromancer", 9},  {"paladin", 10},    {"reaver", 11},      {"scout", 12},
    {"sorcerer", 13},    {"theurgist", 14},  {"wizard", 15},      {"animist", 16},
    {"bainshee", 17},    {"bard", 18},       {"blademaster", 19}, {"champion", 20},
    {"druid", 21},       {"eldritch", 22},   {"enchanter", 23},   {"hero", 24},
    {"mentalist", 26},   {"nightshade", 27}, {"ranger", 28},      {"valewalker", 29},
    {"vampiir", 30},     {"warden", 31},     {"berserker", 32},   {"bonedancer", 33},
    {"healer", 34},      {"hunter", 35},     {"runemaster", 37},  {"savage", 38},
    {"shadowblade", 39}, {"shaman", 40},     {"skald", 41},       {"spiritmaster", 42},
    {"thane", 43},       {"valkyrie", 44},   {"warlock", 45},     {"warrior", 46},
};
constexpr int kMaulerClasses[] = {6, 25, 36};

// Bonus phrases for effect texts that no catalogue name begins with.
constexpr Phrase kEffectPhrases[] = {
    {"all melee", 20},
    {"all magic", 21},
    {"all dual wield", 181},
    {"large weapon", 71},
    {"two handed", 31},
    {"celtic dual", 69},
    {"smite", 50},
    {"cold magic", 45},
    {"spirit magic", 52},
    {"archery skills", 182},
    {"archery damage", 153},
    {"archery speed", 152},
    {"archery range", 154},
    {"arrow recover", 170},
    {"spell duration", 156},
    {"casting speed", 152},
    {"spell damage", 153},
    {"spell range", 154},
    {"spell power cost", 173},
    {"power percent", 145},
    {"hits", 10},
    {"af bonus", 148},
    {"buff bonus", 161},
    {"negative effect", 176},
    {"to-hit", 171},
    {"bladeturn reinf", 175},
    {"style cost", 172},
    {"melee speed", 149},
    {"melee damage", 150},
    {"style damage", 151},
    {"reactionary", 178},
    {"concentration", 177},
    {"death experience loss", 169},
    {"piece ablative", 174},
};
constexpr Phrase kFocusPhrases[] = {
    {"all focus", 22},  {"body", 54},         {"cold", 55},      {"death servant", 56},
    {"deathsight", 57}, {"earth", 58},        {"fire", 59},      {"matter", 60},
    {"mind", 61},       {"painworking", 62},  {"spirit", 63},    {"wind", 64},
    {"arbor", 92},      {"creep", 93},        {"enchant", 94},   {"shriek", 95},
    {"light", 96},      {"mana", 97},         {"mentalism", 98}, {"wail", 99},
    {"spectral", 100},  {"verdant", 101},     {"void", 102},     {"bone army", 126},
    {"curse", 127},     {"darkness", 128},    {"hex", 129},      {"runecarving", 130},
    {"summoning", 131}, {"suppression", 132}, {"witch", 133},
};

constexpr Phrase kArmorWords[] = {
    {"cloth", 1}, {"leather", 2}, {"studded", 3}, {"reinforced", 3},
    {"chain", 4}, {"scale", 4},   {"plate", 5},   {"unknown", 6},
};

// Slot kinds written by the weapon rules: the positions of these names in
// the slot-kind list.
constexpr int kSlotTwoHandedWeapon = 20;
constexpr int kSlotRangedWeapon = 21;
constexpr int kSlotInstrument = 23;
constexpr Phrase kOneHandWeapons[] = {
    {"flex", 21}, {"crush", 5}, {"slash", 1}, {"thrust", 8}, {"piercing", 9}, {"blade", 2},
    {"blunt", 6}, {"sword", 3}, {"axe", 4},   {"hammer", 7}, {"hand to", 20}, {"wraps", 23},
};
constexpr Phrase kShieldWords[] = {
    {"small shield", 24}, {"medium shield", 25}, {"large shield", 26}};
struct WeaponPhrase {
  std::string_view text;
  int slotKind;
  int weaponType;
};
constexpr WeaponPhrase kLongWeapons[] = {
    {"polearm", kSlotTwoHandedWeapon, 13},
    {"staff", kSlotTwoHandedWeapon, 10},
    {"quarterstaff", kSlotTwoHandedWeapon, 25},
    {"mauler staff", kSlotTwoHandedWeapon, 24},
    {"spear", kSlotTwoHandedWeapon, 12},
    {"celtic spear", kSlotTwoHandedWeapon, 11},
    {"large weapon", kSlotTwoHandedWeapon, 15},
    {"two-handed", kSlotTwoHandedWeapon, 14},
    {"scythe", kSlotTwoHandedWeapon, 22},
    {"throw", kSlotRangedWeapon, 18},
    {"bow", kSlotRangedWeapon, 17},
    {"crossbow", kSlotRangedWeapon, 17},
    {"longbow", kSlotRangedWeapon, 16},
    {"recurve bow", kSlotRangedWeapon, 16},
    {"composite bow", kSlotRangedWeapon, 16},
    {"drum", kSlotInstrument, 19},
    {"flute", kSlotInstrument, 19},
    {"lute", kSlotInstrument, 19},
};

// Stat row conversions by the slot's type text.
constexpr std::pair<int, int> kSkillOfResist[] = {{11, 29}, {12, 28}, {13, 30}};
constexpr std::pair<int, int> kPveOf[] = {{24, 168}};
constexpr std::pair<int, int> kFocusOf[] = {{77, 95}, {84, 99}, {87, 100}};
constexpr std::pair<int, int> kCapOf[] = {{1, 134}, {2, 135},  {3, 136},  {4, 137},
                                          {5, 138}, {6, 139},  {7, 140},  {8, 141},
                                          {9, 144}, {10, 146}, {142, 143}};

constexpr std::size_t kNoteCapacity = 94;

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = AsciiLower(c);
  return out;
}

bool Has(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

std::optional<long long> WholeNumber(std::string_view text) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return value;
}

// True when the XML declaration names UTF-8 as the file's encoding.
bool DeclaresUtf8(std::string_view lowered) {
  const std::size_t start = lowered.find("<?xml");
  if (start == std::string_view::npos) return false;
  const std::size_t end = lowered.find("?>", start);
  const std::string_view declaration =
      lowered.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
  const std::size_t key = declaration.find("encoding");
  if (key == std::string_view::npos) return false;
  const std::size_t quote = declaration.find_first_of("\"'", key);
  if (quote == std::string_view::npos) return false;
  const std::size_t close = declaration.find(declaration[quote], quote + 1);
  if (close == std::string_view::npos) return false;
  const std::string_view name = Trim(declaration.substr(quote + 1, close - quote - 1));
  return name == "utf-8" || name == "utf8";
}

// The first master-list entry that begins with text, case ignored.
int CodeBeginningWith(std::string_view text) {
  for (int code = 0; code <= kMaxBonusCode; ++code) {
    const std::string_view name = BonusName(code);
    if (name.size() >= text.size() && SameTextIgnoringCase(name.substr(0, text.size()), text)) {
      return code;
    }
  }
  return -1;
}

int CodeOfEffectText(std::string_view value, const std::string& lv) {
  const int direct = CodeBeginningWith(value);
  if (direct >= 0) return direct;
  int code = 0;
  for (const Phrase& p : kEffectPhrases) {
    if (Has(lv, p.text)) code = p.number;
  }
  if (Has(lv, "focus")) {
    code = 0;
    for (const Phrase& p : kFocusPhrases) {
      if (Has(lv, p.text)) code = p.number;
    }
  }
  return code;
}

template <std::size_t N>
void Convert(std::uint8_t& code, const std::pair<int, int> (&table)[N]) {
  for (const auto& [from, to] : table) {
    if (code == from) {
      code = static_cast<std::uint8_t>(to);
      return;
    }
  }
}

void AppendNote(TItemRecord& item, std::string_view part) {
  std::string note = item.Note.Str();
  note += part;
  if (note.size() > kNoteCapacity) note.resize(kNoteCapacity);
  item.Note.Assign(note);
}

// The location number of a lowered location text; the last phrase found wins.
int LocationNumber(const std::string& lowered) {
  int number = 0;
  for (const Phrase& p : kLocations) {
    if (Has(lowered, p.text)) number = p.number;
  }
  return number;
}

// Rule for a type tag outside a bonus slot: the item's slot, armour and
// weapon type by its location. False when no location was seen yet.
bool ApplyItemType(TItemRecord& item, int location, const std::string& lv) {
  if (location == 0) return false;
  if (location >= 1 && location <= 6) {
    item.SlotKind = static_cast<std::uint8_t>(location);
  } else if (location >= 7 && location <= 12) {
    item.SlotKind = static_cast<std::uint8_t>(location);
    for (const Phrase& p : kArmorWords) {
      if (Has(lv, p.text)) item.Armor = static_cast<std::uint8_t>(p.number);
    }
  } else if (location == 13 || location == 14) {
    for (const Phrase& p : kOneHandWeapons) {
      if (!Has(lv, p.text)) continue;
      item.SlotKind = static_cast<std::uint8_t>(location);
      item.WeaponType = static_cast<std::uint8_t>(p.number);
    }
    for (const Phrase& p : kShieldWords) {
      if (Has(lv, p.text)) item.SlotKind = static_cast<std::uint8_t>(p.number);
    }
  } else if (location == kTwoHandedLocation || location == kRangedLocation) {
    for (const WeaponPhrase& p : kLongWeapons) {
      if (!Has(lv, p.text)) continue;
      item.SlotKind = static_cast<std::uint8_t>(p.slotKind);
      item.WeaponType = static_cast<std::uint8_t>(p.weaponType);
    }
  }
  return true;
}

}  // namespace

std::string_view ImportKindText(ImportKind kind) {
  switch (kind) {
    case ImportKind::kXmlItem:
      return "XML Item Import";
    case ImportKind::kTavroTemplate:
      return "Tavro's Template Import";
    case ImportKind::kLokiTemplate:
      return "Loki Template Import";
    case ImportKind::kUnknownXml:
      return "Unknown File Type Import";
    case ImportKind::kChatLog:
      return "Chat Log Import";
    case ImportKind::kUnsupported:
      break;
  }
  return "This file format is not yet supported.";
}

ImportText ParseImportText(std::string_view fileText) {
  ImportText result;
  std::string decoded;
  std::string lowered = Lower(fileText);
  if (DeclaresUtf8(lowered)) {
    std::string_view body = fileText;
    if (body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);
    decoded = Utf8ToCp1252(body);
    fileText = decoded;
    lowered = Lower(fileText);
  }
  if (Has(lowered, "<?xml")) {
    if (Has(lowered, "<scitem>")) {
      result.Kind = ImportKind::kXmlItem;
    } else if (Has(lowered, "<sctemplate>")) {
      result.Kind = ImportKind::kTavroTemplate;
    } else if (Has(lowered, "oracle")) {
      result.Kind = ImportKind::kLokiTemplate;
    } else {
      result.Kind = ImportKind::kUnknownXml;
    }
  } else if (Has(lowered, "*** chat log")) {
    result.Kind = ImportKind::kChatLog;
  }
  if (result.Kind != ImportKind::kXmlItem) return result;

  LineCursor cursor(fileText);
  std::string_view line;
  cursor.Next(line);  // the declaration line is never read for tags
  while (cursor.Next(line)) {
    const std::size_t lt = line.find('<');
    if (lt == std::string_view::npos) continue;
    // The tag ends at the first ">" after the "<"; without one the line adds
    // nothing. A closing tag ahead of that ">" (a line holding only a closing
    // tag) leaves the value empty.
    const std::size_t gt = line.find('>', lt);
    if (gt == std::string_view::npos) continue;
    std::size_t close = line.find("</");
    if (close == std::string_view::npos) close = line.size();
    const std::string_view tag = Trim(line.substr(lt + 1, gt - lt - 1));
    const std::string_view value =
        close > gt ? Trim(line.substr(gt + 1, close - gt - 1)) : std::string_view{};
    result.Tags.push_back({std::string(tag), std::string(value)});
  }
  return result;
}

XmlItemPlace XmlItemPlaceOf(std::string_view location, std::string_view typeText) {
  TItemRecord item{};
  InitItem(item);
  ApplyItemType(item, LocationNumber(Lower(location)), Lower(typeText));
  return {item.SlotKind, item.Armor, item.WeaponType};
}

int XmlBonusCode(std::string_view typeText, std::string_view effectText) {
  if (effectText.empty()) return 0;
  const std::string lowType = Lower(typeText);
  std::uint8_t code = static_cast<std::uint8_t>(CodeOfEffectText(effectText, Lower(effectText)));
  if (Has(lowType, "skill")) Convert(code, kSkillOfResist);
  if (Has(lowType, "pve")) Convert(code, kPveOf);
  if (Has(lowType, "focus")) Convert(code, kFocusOf);
  if (Has(lowType, "cap inc")) Convert(code, kCapOf);
  return code;
}

std::vector<int> XmlClassesNamed(std::string_view classText) {
  const std::string lowered = Lower(classText);
  std::vector<int> classes;
  if (Has(lowered, "mauler")) classes.assign(std::begin(kMaulerClasses), std::end(kMaulerClasses));
  for (const Phrase& p : kClassWords) {
    if (Has(lowered, p.text)) classes.push_back(p.number);
  }
  return classes;
}

XmlConversion ConvertXmlItem(const ImportText& text, UserPort& port) {
  XmlConversion result;
  InitItem(result.Item);
  if (text.Kind != ImportKind::kXmlItem) return result;
  TItemRecord& item = result.Item;
  item.Note.Assign("XML Import");
  int location = 0;
  int row = 1;  // bonus rows past the tenth are read and dropped
  bool insideSlot = false;
  for (const XmlTag& entry : text.Tags) {
    const std::string t = Lower(entry.Tag);
    const std::string& v = entry.Value;
    const std::string lv = Lower(v);
    const bool rowFree = row <= kBonusRows;
    const std::size_t r = static_cast<std::size_t>(row - 1);
    if (Has(t, "realm")) {
      item.Realm = 3;
      if (Has(lv, "alb")) item.Realm = 0;
      if (Has(lv, "hib")) item.Realm = 1;
      if (Has(lv, "mid")) item.Realm = 2;
      if (Has(lv, "all")) item.Realm = 3;
    }
    if (Has(t, "level")) {
      const auto level = WholeNumber(v);
      item.Level = static_cast<std::uint8_t>(level && *level >= 0 && *level <= 255 ? *level : 1);
    }
    if (Has(t, "dbsource")) AppendNote(item, " | Source: " + v);
    if (Has(t, "itemquality")) AppendNote(item, " | " + v + "% Quality");
    if (Has(t, "speed") && v != "-1") AppendNote(item, " | " + v + " Speed");
    if (Has(t, "itemname")) item.Name.Assign(v);
    if (Has(t, "location")) location = LocationNumber(lv);
    if (Has(t, "class") && !Has(t, "restrict")) {
      for (const int c : XmlClassesNamed(v)) item.ClassUsable[c] = 1;
    }
    if (Has(t, "slot") && !Has(t, "/slot") && !insideSlot) insideSlot = true;
    if (Has(t, "effect") && insideSlot && !v.empty() && rowFree) {
      item.BonusCode[r] = static_cast<std::uint8_t>(CodeOfEffectText(v, lv));
    }
    if (Has(t, "amount") && insideSlot && !v.empty() && rowFree) {
      const auto amount = WholeNumber(v);
      const bool fits = amount && *amount >= INT32_MIN && *amount <= INT32_MAX;
      item.BonusValue[r] = fits ? static_cast<std::int32_t>(*amount) : 0;
    }
    if (Has(t, "type") && insideSlot && !v.empty() && rowFree) {
      if (Has(lv, "skill")) Convert(item.BonusCode[r], kSkillOfResist);
      if (Has(lv, "pve")) Convert(item.BonusCode[r], kPveOf);
      if (Has(lv, "focus")) Convert(item.BonusCode[r], kFocusOf);
      if (Has(lv, "cap inc")) Convert(item.BonusCode[r], kCapOf);
    }
    if (Has(t, "type") && !Has(t, "damage") && !insideSlot) {
      if (!ApplyItemType(item, location, lv)) {
        port.ShowMessage(kLocationMissingMessage);
        return result;
      }
    }
    if (Has(t, "/slot")) {
      if (row <= kBonusRows) ++row;
      insideSlot = false;
    }
  }
  result.Success = true;
  return result;
}

}  // namespace qm
