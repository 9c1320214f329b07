#include "interop/zenkcraft_template.h"

#include <charconv>
#include <climits>
#include <optional>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "core/bonus_catalogue.h"
#include "core/class_table.h"
#include "core/text.h"
#include "interop/quoted_text.h"
#include "interop/read_position.h"
#include "interop/source_text.h"
#include "interop/xml_source.h"
#include "interop/zenkcraft_vocabulary.h"

namespace qm {
namespace {

constexpr std::string_view kRootName = "PlayerSaveData";
constexpr int kLowestLevel = 1;
constexpr int kHighestLevel = 50;
constexpr int kLowestQuality = 70;
constexpr int kHighestQuality = 100;
constexpr long long kHighestItemLevel = 255;
constexpr int kFirstClassOf[] = {0, 16, 32};  // Armsman, Animist, Berserker

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view Text(const pugi::xml_node& node, const char* child) {
  return Trimmed(node.child(child).text().as_string());
}

// The record keeps Windows-1252; a text cut to its field is named.
template <std::size_t N>
void AssignText(PString<N>& field, std::string_view utf8, std::string_view where,
                std::string_view what, std::vector<std::string>& warnings) {
  const std::string text = Utf8ToCp1252(utf8);
  field.Assign(text);
  if (text.size() > N) {
    warnings.push_back(std::string(where) + ": " + std::string(what) + " cut to " +
                       std::to_string(N) + " characters");
  }
}

struct Row {
  int Code = 0;  // 0: an empty row that keeps the rows after it in place
  std::int32_t Value = 0;
};

// One <Item> as read, before the slot conflicts are settled.
struct ReadItem {
  int Slot = 0;
  bool Enabled = true;
  bool Crafted = false;
  std::string Name;  // as the file gives it, for the warnings
  TItemRecord Record = EmptyItem();
  std::vector<std::string> Warnings;
};

class Reader {
 public:
  Reader(std::string_view text, std::string_view fileName) : text_(text), file_(fileName) {}

  Result<ForeignTemplate> Read() {
    const pugi::xml_parse_result parsed =
        document_.load_buffer(text_.data(), text_.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) {
      return Fail(static_cast<std::size_t>(parsed.offset),
                  "not well-formed XML (" + std::string(parsed.description()) + ")");
    }
    const pugi::xml_node root = document_.document_element();
    if (std::string_view(root.name()) != kRootName) {
      return Fail(Offset(root), "not a Zenkcraft template (the root is <" +
                                    std::string(root.name()) + ">, not <PlayerSaveData>)");
    }
    ReadCharacter(root);
    if (!error_.empty()) return Result<ForeignTemplate>::Failure(error_);
    std::vector<ReadItem> items;
    for (const pugi::xml_node node : root.child("items").children("Item")) {
      std::optional<ReadItem> item = ReadOne(node);
      if (!error_.empty()) return Result<ForeignTemplate>::Failure(error_);
      if (item) items.push_back(std::move(*item));
    }
    Place(items);
    ReadWeapon(root);
    return std::move(out_);
  }

 private:
  std::size_t Offset(const pugi::xml_node& node) const {
    return static_cast<std::size_t>(node.offset_debug());
  }

  Result<ForeignTemplate> Fail(std::size_t offset, const std::string& why) const {
    return Result<ForeignTemplate>::Failure(
        std::string(file_) + ", line " + std::to_string(LineOfOffset(text_, offset)) + ": " + why);
  }

  void SetError(const pugi::xml_node& node, const std::string& why) {
    if (!error_.empty()) return;
    error_ = std::string(file_) + ", line " + std::to_string(LineOfOffset(text_, Offset(node))) +
             ": " + why;
  }

  // A child holding a whole number; nullopt when it is missing or empty, and
  // an error when it holds anything else.
  std::optional<long long> Number(const pugi::xml_node& parent, const char* child) {
    const pugi::xml_node node = parent.child(child);
    const std::string_view text = Trimmed(node.text().as_string());
    if (text.empty()) return std::nullopt;
    long long value = 0;
    const auto [end, code] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (code != std::errc() || end != text.data() + text.size()) {
      SetError(node, std::string(child) + " " + QuotedText(text) + " is not a number");
      return std::nullopt;
    }
    return value;
  }

  void ReadCharacter(const pugi::xml_node& root) {
    TTemplateRecord& tpl = out_.Record;
    AssignText(tpl.CharName, Text(root, "playerName"), "character", "name", out_.Warnings);
    if (const auto level = Number(root, "level")) {
      if (*level < kLowestLevel || *level > kHighestLevel) {
        SetError(root.child("level"), "level " + std::to_string(*level) + " is outside 1-50");
        return;
      }
      tpl.CharLevel = static_cast<std::uint8_t>(*level);
    }
    const std::string_view realmWord = Text(root, "realm");
    int realm = ZenkcraftRealmOf(realmWord);
    const std::string_view className = Text(root, "className");
    int classIndex = -1;
    if (realm < 0) {
      for (int r = 0; r < 3 && classIndex < 0; ++r) classIndex = ZenkcraftClassOf(className, r);
      realm = classIndex >= 0 ? RealmOfClass(classIndex) : 0;
      out_.Warnings.push_back("realm " + QuotedText(realmWord) + " is not known; read as " +
                              std::string(ZenkcraftRealmWord(realm)));
    } else {
      classIndex = ZenkcraftClassOf(className, realm);
    }
    if (classIndex < 0) {
      classIndex = kFirstClassOf[realm];
      out_.Warnings.push_back("class " + QuotedText(className) + " does not exist in " +
                              std::string(ZenkcraftRealmWord(realm)) + "; the template keeps " +
                              std::string(ZenkcraftClassWord(classIndex)));
    }
    tpl.ClassIndex = static_cast<std::uint8_t>(classIndex);
    const std::string_view race = Text(root, "race");
    const int raceIndex = race.empty() ? 0 : ZenkcraftRaceOf(race, classIndex);
    if (raceIndex < 0) {
      out_.Warnings.push_back("race " + QuotedText(race) + " does not exist in " +
                              std::string(ZenkcraftRealmWord(realm)) + "; left as <None>");
    }
    tpl.RaceIndex = static_cast<std::uint8_t>(raceIndex < 0 ? 0 : raceIndex);
  }

  std::vector<Row> ReadRows(const pugi::xml_node& node, ReadItem& item, const std::string& where) {
    std::vector<Row> rows;
    for (const pugi::xml_node entry : node.child("stats").children("StatEntry")) {
      const std::string_view type = Text(entry, "bonusType");
      const std::string_view attribute = Text(entry, "bonusAttribute");
      if (type.empty() || SameTextIgnoringCase(type, kZenkcraftUnusedType)) {
        rows.push_back({});
        continue;
      }
      const std::optional<long long> amount = Number(entry, "bonusAmount");
      if (!error_.empty()) return {};
      const std::string words = std::string(type) + " " + std::string(attribute);
      const int code = ZenkcraftBonusCode(type, attribute);
      if (code == 0) {
        item.Warnings.push_back(where + ": unknown bonus " + QuotedText(words) + " left out");
        rows.push_back({});
      } else if (amount && (*amount < INT32_MIN || *amount > INT32_MAX)) {
        item.Warnings.push_back(where + ": " + QuotedText(words) + " value " +
                                std::to_string(*amount) + " cannot be held, left out");
        rows.push_back({});
      } else {
        rows.push_back({code, static_cast<std::int32_t>(amount.value_or(0))});
      }
    }
    // A crafted item's gems come in gem order without gaps; a plain item's
    // rows keep their places, as the Myth slot counts its first row alone.
    if (item.Crafted) std::erase_if(rows, [](const Row& row) { return row.Code == 0; });
    while (!rows.empty() && rows.back().Code == 0) rows.pop_back();
    return rows;
  }

  std::optional<ReadItem> ReadOne(const pugi::xml_node& node) {
    ReadItem item;
    item.Name = Text(node, "itemName");
    const std::string_view position = Text(node, "allowedPosition");
    item.Slot = ZenkcraftSlotOf(position);
    const std::string named = item.Name.empty() ? std::string("(no name)") : QuotedText(item.Name);
    const std::string where = item.Slot == 0 ? "item " + named
                                             : "slot " + std::to_string(item.Slot) + " " +
                                                   std::string(SlotName(item.Slot));
    item.Enabled = !SameTextIgnoringCase(Text(node, "itemEnabled"), "false");
    const std::string_view source = Text(node, "sourceType");
    item.Crafted = SameTextIgnoringCase(source, kZenkcraftSpellcraft);
    TItemRecord& record = item.Record;
    const std::optional<int> itemType = ZenkcraftItemTypeOf(source);
    if (!itemType && !source.empty()) {
      item.Warnings.push_back(where + ": source " + QuotedText(source) +
                              " is not known; read as a drop");
    }
    record.ItemType = static_cast<std::uint8_t>(itemType.value_or(0));
    const std::optional<long long> level = Number(node, "level");
    const std::optional<long long> quality = Number(node, "quality");
    const std::vector<Row> rows = ReadRows(node, item, where);
    if (!error_.empty()) return std::nullopt;
    if (item.Name.empty() && rows.empty()) return std::nullopt;  // an empty position
    if (item.Slot == 0) {
      out_.Warnings.push_back(where + ": position " + QuotedText(position) +
                              " is no slot of ours, left out");
      return std::nullopt;
    }

    const std::string fallbackName =
        std::string(item.Crafted ? "Spellcrafted " : "Unnamed ") + std::string(SlotName(item.Slot));
    AssignText(record.Name, item.Name.empty() ? fallbackName : item.Name, where, "name",
               item.Warnings);
    AssignText(record.Note, Text(node, "itemNotes"), where, "notes", item.Warnings);
    record.SlotKind = static_cast<std::uint8_t>(SlotKindOf(item.Slot));
    for (std::uint8_t& usable : record.ClassUsable) usable = 1;
    if (level && (*level < 0 || *level > kHighestItemLevel)) {
      item.Warnings.push_back(where + ": level " + std::to_string(*level) +
                              " cannot be held, read as 51");
    } else if (level) {
      record.Level = static_cast<std::uint8_t>(*level);
    }
    record.Quality = kNoQuality;
    if (quality && *quality >= kLowestQuality && *quality <= kHighestQuality) {
      record.Quality = static_cast<std::uint8_t>(*quality - kLowestQuality);
    } else if (quality) {
      item.Warnings.push_back(where + ": quality " + std::to_string(*quality) +
                              " cannot be held, left unset");
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
      if (r >= static_cast<std::size_t>(kBonusRows)) {
        if (rows[r].Code == 0) continue;
        item.Warnings.push_back(where + ": bonus " + std::to_string(r + 1) + " " +
                                QuotedText(BonusName(rows[r].Code)) +
                                " left out (an item holds ten)");
        continue;
      }
      record.BonusCode[r] = static_cast<std::uint8_t>(rows[r].Code);
      record.BonusValue[r] = rows[r].Value;
    }
    return item;
  }

  // One item per slot: the first enabled one, the others named.
  void Place(std::vector<ReadItem>& items) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      const ReadItem* chosen = nullptr;
      for (const ReadItem& item : items) {
        if (item.Slot == slot && item.Enabled && chosen == nullptr) chosen = &item;
      }
      const std::string where = "slot " + std::to_string(slot) + " " + std::string(SlotName(slot));
      for (const ReadItem& item : items) {
        if (item.Slot != slot || &item == chosen) continue;
        std::string line = where + ": " + (item.Enabled ? "second" : "disabled") + " item " +
                           QuotedText(item.Name) + " left out";
        if (chosen != nullptr) line += "; " + QuotedText(chosen->Name) + " is used";
        out_.Warnings.push_back(std::move(line));
      }
      if (chosen == nullptr) continue;
      out_.Record.Slot(slot) = chosen->Record;
      out_.Crafted[static_cast<std::size_t>(slot - 1)] = chosen->Crafted;
      out_.Warnings.insert(out_.Warnings.end(), chosen->Warnings.begin(), chosen->Warnings.end());
    }
  }

  void ReadWeapon(const pugi::xml_node& root) {
    const std::string_view word = Text(root, "selectedWeaponType");
    const int config = ZenkcraftWeaponConfigOf(word);
    if (config < 0 && !word.empty()) {
      out_.Warnings.push_back("weapon " + QuotedText(word) +
                              " is not known; the right and left hand are counted");
    }
    // Zenkcraft counts the right hand's weapon unless it is told otherwise.
    out_.Record.WeaponConfig = static_cast<std::uint8_t>(config < 0 ? 0 : config);
  }

  std::string text_;
  std::string_view file_;
  pugi::xml_document document_;
  ForeignTemplate out_;
  std::string error_;
};

}  // namespace

bool LooksLikeZenkcraftTemplate(std::string_view head) {
  return FirstElementName(head) == kRootName;
}

Result<ForeignTemplate> ReadZenkcraftTemplate(std::string_view text, std::string_view fileName) {
  if (text.size() > kMaxZenkcraftBytes) {
    return Result<ForeignTemplate>::Failure(std::string(fileName) + ": larger than 16 MiB");
  }
  return Reader(SourceTextAsUtf8(text), fileName).Read();
}

}  // namespace qm
