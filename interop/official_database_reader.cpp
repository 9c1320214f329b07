#include "interop/official_database_reader.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>

#include "core/bonus_catalogue.h"
#include "core/item_lists.h"
#include "interop/official_database_vocabulary.h"
#include "interop/read_limits.h"
#include "interop/read_position.h"
#include "interop/source_text.h"
#include "interop/truncated_text.h"

namespace qm {
namespace {

using Json = nlohmann::json;
using Event = Json::parse_event_t;

constexpr std::size_t kItemsPerProgress = 256;
constexpr std::string_view kPhase = "Reading the item database";
constexpr int kItemDepth = 2;  // root object 0, the items array 1, an item 2

// A pointer over the text that tells how far the parser has read, so the
// item callback can report progress in bytes: the parser keeps its own copy
// of the iterator, out of our reach.
class TrackedChars {
 public:
  using iterator_category = std::forward_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  TrackedChars() = default;
  TrackedChars(const char* at, const char** furthest) : at_(at), furthest_(furthest) {}
  reference operator*() const { return *at_; }
  TrackedChars& operator++() {
    ++at_;
    *furthest_ = at_;
    return *this;
  }
  TrackedChars operator++(int) {
    TrackedChars before = *this;
    ++*this;
    return before;
  }
  bool operator==(const TrackedChars& other) const { return at_ == other.at_; }

 private:
  const char* at_ = nullptr;
  const char** furthest_ = nullptr;
};

// Thrown from the parser's callback to stop it; caught in this file only.
struct TooDeep {};
struct CancelledRead {};

std::optional<int> AsInt(const Json& value) {
  if (value.is_number_integer()) {
    if (value.is_number_unsigned()) {
      const auto number = value.get<std::uint64_t>();
      if (number > static_cast<std::uint64_t>(std::numeric_limits<int>::max())) return std::nullopt;
      return static_cast<int>(number);
    }
    const auto number = value.get<std::int64_t>();
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) {
      return std::nullopt;
    }
    return static_cast<int>(number);
  }
  if (value.is_number_float()) {
    const double number = value.get<double>();
    if (!std::isfinite(number) || number < std::numeric_limits<int>::min() ||
        number > std::numeric_limits<int>::max()) {
      return std::nullopt;
    }
    return static_cast<int>(number);
  }
  if (value.is_string()) {
    const std::string& text = value.get_ref<const std::string&>();
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
      return std::nullopt;
    }
    return number;
  }
  return std::nullopt;
}

const Json* Member(const Json& object, const char* key) {
  if (!object.is_object()) return nullptr;
  const auto it = object.find(key);
  return it == object.end() ? nullptr : &*it;
}

std::optional<int> IntMember(const Json& object, const char* key) {
  const Json* value = Member(object, key);
  return value == nullptr ? std::nullopt : AsInt(*value);
}

std::string TextMember(const Json& object, const char* key) {
  const Json* value = Member(object, key);
  if (value == nullptr) return {};
  if (value->is_string()) return value->get<std::string>();
  if (value->is_number()) return value->dump();
  return {};
}

// The names the metadata file gives bonus types and their sub-types.
struct TypeNames {
  std::string Name;
  std::unordered_map<int, std::string> Subs;
};
using MetadataNames = std::unordered_map<int, TypeNames>;

Result<MetadataNames> ReadMetadataNames(std::string_view metadataJson) {
  if (metadataJson.size() > kMaxSourceBytes) {
    return Result<MetadataNames>::Failure("the metadata file is larger than 1 GiB");
  }
  const std::string text = SourceTextAsUtf8(metadataJson);
  int deepest = 0;
  Json metadata = Json::parse(
      text,
      [&deepest](int depth, Event event, Json&) {
        if (event == Event::object_start || event == Event::array_start) {
          deepest = std::max(deepest, depth + 1);
          if (deepest > kMaxJsonDepth) throw TooDeep{};
        }
        return true;
      },
      false);
  const Json* types = Member(metadata, "bonus_types");
  if (types == nullptr || !types->is_object()) {
    return Result<MetadataNames>::Failure("not item database metadata (no bonus_types)");
  }
  MetadataNames names;
  for (const auto& [typeKey, typeValue] : types->items()) {
    const std::optional<int> type = AsInt(Json(typeKey));
    if (!type) continue;
    TypeNames& entry = names[*type];
    entry.Name = TextMember(typeValue, "name");
    // Most types list their sub-types under "sub_types"; the stat cap
    // increase lists them under "id".
    for (const char* subKey : {"sub_types", "id"}) {
      const Json* subs = Member(typeValue, subKey);
      if (subs == nullptr || !subs->is_object()) continue;
      for (const auto& [idKey, idName] : subs->items()) {
        const std::optional<int> id = AsInt(Json(idKey));
        if (id && idName.is_string()) entry.Subs[*id] = idName.get<std::string>();
      }
    }
  }
  return names;
}

class ItemMapper {
 public:
  ItemMapper(ReadContext& context, const MetadataNames* names) : context_(context), names_(names) {}

  // Puts one item of the database into the outcome, or tells the tally why not.
  void Map(const Json& item, ReadOutcome& outcome) {
    ForeignItem out;
    out.Name = TextMember(item, "name");
    out.SourceId = TextMember(item, "id");
    if (out.Name.empty()) {
      context_.Tally.Skip("no name", out.SourceId.empty() ? "" : "#" + out.SourceId);
      return;
    }
    const std::optional<int> category = IntMember(item, "category");
    const std::optional<int> slot = IntMember(item, "slot");
    const std::optional<int> slotKind = slot ? SlotKindOfOfficialSlot(*slot) : std::nullopt;
    if (!(category && IsWearableOfficialCategory(*category)) && !slotKind) {
      context_.Tally.Skip("not wearable", out.Name);
      return;
    }
    if (const auto realm = IntMember(item, "realm")) {
      out.Realm = RealmOfOfficialId(*realm).value_or(kAllRealms);
    }
    const Json* requirements = Member(item, "requirements");
    const Json* typeData = Member(item, "type_data");
    const Json noData;
    const Json& data = typeData != nullptr ? *typeData : noData;
    std::optional<int> level =
        requirements ? IntMember(*requirements, "level_required") : std::nullopt;
    if (!level) level = IntMember(item, "level");
    out.Level = level.value_or(0);
    std::optional<int> quality = IntMember(item, "quality");
    if (!quality) quality = IntMember(data, "base_quality");
    out.Quality = quality.value_or(0);
    out.BonusLevel = IntMember(item, "bonus_level").value_or(0);
    if (const auto absorption = IntMember(data, "absorption")) {
      out.Armor = ArmorOfOfficialAbsorption(*absorption).value_or(0);
    }
    // Speeds come in tenths of a second (37 for 3.7); a value past ten
    // seconds can only be milliseconds.
    const int speed = IntMember(data, "speed").value_or(0);
    out.SpeedTenths = speed > 100 ? speed / 100 : std::max(speed, 0);
    out.SlotKind = slotKind.value_or(kUnknownSlotKind);
    if (category) PlaceHeldItem(*category, data, out);
    if (requirements != nullptr) ReadClasses(*requirements, out);
    if (const Json* bonuses = Member(item, "bonuses"); bonuses != nullptr && bonuses->is_array()) {
      for (const Json& row : *bonuses) AddBonus(row, out);
    }
    outcome.Add(std::move(out), context_);
  }

 private:
  // Weapons, shields and instruments say where they are held through their
  // skill, size and handedness, not through a slot.
  static void PlaceHeldItem(int category, const Json& data, ForeignItem& out) {
    if (category == kOfficialShieldCategory) {
      if (const auto size = IntMember(data, "shield_size")) {
        if (const auto kind = SlotKindOfOfficialShieldSize(*size)) {
          out.SlotKind = *kind;
          out.WeaponType = std::string(EntryOf(SlotKindList(), static_cast<std::size_t>(*kind)));
        }
      }
    } else if (category == kOfficialInstrumentCategory) {
      out.SlotKind = kInstrumentSlotKind;
      out.WeaponType = "Instrument";
    } else if (category == kOfficialWeaponCategory) {
      const bool twoHanded = IntMember(data, "two_handed").value_or(0) == 1;
      const bool leftHanded = IntMember(data, "left_handed").value_or(0) == 1;
      const auto skill = IntMember(data, "skill_used");
      const auto weapon = skill ? WeaponOfOfficialSkill(*skill) : std::nullopt;
      if (weapon && weapon->Ranged) {
        out.SlotKind = kRangedWeaponSlotKind;
      } else if (twoHanded) {
        out.SlotKind = kTwoHandedWeaponSlotKind;
      } else {
        out.SlotKind = leftHanded ? kLeftHandSlotKind : kRightHandSlotKind;
      }
      if (weapon) {
        const bool ownTwoHandedText = twoHanded && !weapon->TwoHandedWeaponType.empty();
        out.WeaponType =
            std::string(ownTwoHandedText ? weapon->TwoHandedWeaponType : weapon->WeaponType);
      }
    }
  }

  static void ReadClasses(const Json& requirements, ForeignItem& out) {
    const Json* usableBy = Member(requirements, "usable_by");
    if (usableBy == nullptr || !usableBy->is_array()) return;
    for (const Json& id : *usableBy) {
      const std::optional<int> number = AsInt(id);
      if (!number) continue;
      if (const auto index = ClassOfOfficialId(*number)) out.Classes.push_back(*index);
    }
  }

  void AddBonus(const Json& row, ForeignItem& out) const {
    const std::optional<int> type = IntMember(row, "type");
    const std::optional<int> id = IntMember(row, "id");
    const int value = IntMember(row, "value").value_or(0);
    if (!type) {
      out.Bonuses.push_back({"bonus without a type", 0, value});
      return;
    }
    const OfficialBonusCodes codes = OfficialBonusCodesOf(*type, id.value_or(0));
    const Named named = NameOf(*type, id);
    int code = codes.Code;
    // Only pairs the built-in copy does not know are matched by name: a
    // pair it maps to 0 is one we know we have no code for.
    if (!codes.Known && named.FromMetadata) code = CodeOfOurName(named.OwnWords);
    out.Bonuses.push_back({named.Text, code, value});
    if (codes.HasCapHalf) out.Bonuses.push_back({named.Text + " (cap)", codes.CapCode, value});
  }

  struct Named {
    std::string Text;      // what the report shows
    std::string OwnWords;  // the sub-type's name, or the type's when it has none
    bool FromMetadata = false;
  };

  // "Skills: Illusions", "Mythical Coin"; "type T id I" where the metadata
  // names neither.
  Named NameOf(int type, std::optional<int> id) const {
    Named named;
    named.Text = "type " + std::to_string(type);
    if (id) named.Text += " id " + std::to_string(*id);
    if (names_ == nullptr) return named;
    const auto typeIt = names_->find(type);
    if (typeIt == names_->end()) return named;
    const TypeNames& entry = typeIt->second;
    const auto subIt = id ? entry.Subs.find(*id) : entry.Subs.end();
    if (subIt != entry.Subs.end()) {
      named.Text = entry.Name.empty() ? subIt->second : entry.Name + ": " + subIt->second;
      named.OwnWords = subIt->second;
    } else if (!entry.Name.empty()) {
      // A type with sub-types but not this one keeps its id in the name.
      const bool idUnnamed = id && !entry.Subs.empty();
      named.Text = idUnnamed ? entry.Name + " id " + std::to_string(*id) : entry.Name;
      if (!idUnnamed) named.OwnWords = entry.Name;
    } else {
      return named;
    }
    named.FromMetadata = true;
    return named;
  }

  static int CodeOfOurName(const std::string& words) {
    const std::optional<int> code = BonusCodeOfName(words);
    return code && *code > 0 && *code <= kMaxBonusCode ? *code : 0;
  }

  // Positions in SlotKindList(), as the XML item import writes them.
  static constexpr int kRightHandSlotKind = 13;
  static constexpr int kLeftHandSlotKind = 14;
  static constexpr int kTwoHandedWeaponSlotKind = 20;
  static constexpr int kRangedWeaponSlotKind = 21;
  static constexpr int kInstrumentSlotKind = 23;

  ReadContext& context_;
  const MetadataNames* names_;
};

// Walks the document, keeps the items array's elements one at a time and
// drops everything else the moment it is parsed.
Result<ReadOutcome> ReadItems(std::string_view text, ReadContext& context,
                              const MetadataNames* names) {
  ReadOutcome outcome;
  ItemMapper mapper(context, names);
  const char* furthest = text.data();
  std::string topKey;
  bool sawItems = false;
  bool inItems = false;
  std::size_t seen = 0;
  const auto callback = [&](int depth, Event event, Json& parsed) -> bool {
    switch (event) {
      case Event::object_start:
      case Event::array_start:
        if (depth + 1 > kMaxJsonDepth) throw TooDeep{};
        if (event == Event::array_start && depth == 1 && topKey == "items") {
          sawItems = true;
          inItems = true;
        }
        return true;
      case Event::array_end:
        if (depth == 1) inItems = false;
        return !(inItems && depth == kItemDepth);  // an array among the items is no item
      case Event::key:
        if (depth == 1) {
          topKey = parsed.get<std::string>();
          return topKey == "items";  // every other member is dropped unread
        }
        return true;
      case Event::object_end:
        if (!inItems || depth != kItemDepth) return true;
        mapper.Map(parsed, outcome);
        if (++seen % kItemsPerProgress == 0) {
          ReportProgress(context.Progress, static_cast<std::uint64_t>(furthest - text.data()),
                         text.size(), kPhase);
        }
        if (context.Cancel.Cancelled()) throw CancelledRead{};
        return false;  // the item is mapped; the document keeps nothing of it
      case Event::value:
        return !(inItems && depth == kItemDepth);  // a bare value among the items
    }
    return true;
  };
  try {
    const TrackedChars first(text.data(), &furthest);
    const TrackedChars last(text.data() + text.size(), &furthest);
    const Json root =
        Json::parse(first, last, callback);  // holds nothing but the emptied items array
  } catch (const TooDeep&) {
    return Result<ReadOutcome>::Failure("nested deeper than 64 levels");
  } catch (const CancelledRead&) {
    outcome.StoppedAt = "cancelled";
    return outcome;
  } catch (const Json::parse_error& error) {
    if (!sawItems) {
      return Result<ReadOutcome>::Failure("not an item database (not JSON, or no items array)");
    }
    const bool brokeOff = error.byte >= text.size();
    outcome.StoppedAt = StoppedAtLine(LineOfOffset(text, error.byte > 0 ? error.byte - 1 : 0),
                                      brokeOff ? "the file breaks off" : "the JSON is malformed");
    return outcome;
  } catch (const Json::exception&) {
    // A number past a double's range, which the parser reports without a position.
    if (!sawItems) {
      return Result<ReadOutcome>::Failure("not an item database (not JSON, or no items array)");
    }
    outcome.StoppedAt =
        StoppedAtLine(LineOfOffset(text, static_cast<std::size_t>(furthest - text.data())),
                      "a number is too large");
    return outcome;
  }
  if (!sawItems) return Result<ReadOutcome>::Failure("not an item database (no items array)");
  ReportProgress(context.Progress, text.size(), text.size(), kPhase);
  return outcome;
}

}  // namespace

bool LooksLikeOfficialDatabase(std::string_view head) {
  if (head.substr(0, 3) == "\xEF\xBB\xBF") head.remove_prefix(3);
  const std::size_t first = head.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos || head[first] != '{') return false;
  return head.find("\"items\"") != std::string_view::npos;
}

Result<ReadOutcome> ReadOfficialDatabase(std::string_view itemsJson, std::string_view metadataJson,
                                         ReadContext& context) {
  if (itemsJson.size() > kMaxSourceBytes) return Result<ReadOutcome>::Failure("larger than 1 GiB");
  std::optional<MetadataNames> names;
  if (!metadataJson.empty()) {
    try {
      Result<MetadataNames> read = ReadMetadataNames(metadataJson);
      if (!read.Ok()) return Result<ReadOutcome>::Failure(read.Error());
      names = std::move(read.Value());
    } catch (const TooDeep&) {
      return Result<ReadOutcome>::Failure("the metadata file is nested deeper than 64 levels");
    } catch (const Json::exception&) {
      return Result<ReadOutcome>::Failure("the metadata file is not JSON");
    }
  }
  const MetadataNames* namesOrNull = names ? &*names : nullptr;
  // JSON is UTF-8; a file saved as Windows-1252 is read as such rather than
  // refused at its first accented name.
  if (IsValidUtf8(itemsJson)) return ReadItems(itemsJson, context, namesOrNull);
  // A UTF-8 file that breaks off inside a character is still UTF-8.
  if (const std::string_view whole = WithoutBrokenLastCharacter(itemsJson);
      whole.size() < itemsJson.size() && IsValidUtf8(whole)) {
    return ReadItems(whole, context, namesOrNull);
  }
  const std::string converted = SourceTextAsUtf8(itemsJson);
  return ReadItems(converted, context, namesOrNull);
}

}  // namespace qm
