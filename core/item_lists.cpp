#include "core/item_lists.h"

#include <array>

#include "core/text.h"

namespace qm {
namespace {

constexpr std::array<std::string_view, 4> kRealms = {"Albion", "Hibernia", "Midgard", "Universal"};

constexpr std::array<std::string_view, 30> kSlotKinds = {"<Not Selected>",
                                                         "Jewel",
                                                         "Neck",
                                                         "Cloak",
                                                         "Belt",
                                                         "Ring",
                                                         "Wrist",
                                                         "Chest",
                                                         "Head",
                                                         "Arms",
                                                         "Hands",
                                                         "Legs",
                                                         "Feet",
                                                         "Right Hand",
                                                         "Left Hand",
                                                         "Two Hand",
                                                         "Ranged",
                                                         "Mythirians",
                                                         "One Handed Weapon",
                                                         "Left Handed Weapon",
                                                         "Two Handed Weapon",
                                                         "Ranged Weapon",
                                                         "Mythirian",
                                                         "Instrument",
                                                         "Small Shield",
                                                         "Medium Shield",
                                                         "Large Shield",
                                                         "Class-Sized Shield",
                                                         "Selectable (One or Two Handed)",
                                                         "Selectable (One, Left or Two Handed)"};

constexpr std::array<std::string_view, 7> kArmors = {"N/A",
                                                     "0% (Cloth)",
                                                     "10% (Leather)",
                                                     "19% (Studded / Reinforced)",
                                                     "27% (Chain / Scale)",
                                                     "34% (Plate)",
                                                     "Max armor grade allowed by Class"};

constexpr std::array<std::string_view, 7> kEffectKinds = {
    "No Procs/Effects",   "Normal Proc",        "Reverse Proc", "Charges",
    "Equipped Buff/Aura", "Selectable Effects", "Mythirians"};

constexpr std::array<std::string_view, 5> kServerTypes = {"Normal", "Coop", "Classic", "PvP",
                                                          "Origins"};

// Quality 70..100 and weapon speed 1.5..6.0 are regular runs of numbers;
// their texts are spelled out once here at compile time.
constexpr std::size_t kQualityCount = 31;  // 70..100, then "N/A"
constexpr std::size_t kSpeedCount = 46;    // 1.5..6.0 in tenths

struct NumberTexts {
  std::array<char, 4 * (kQualityCount + kSpeedCount)> Chars{};
};

constexpr NumberTexts kNumberChars = [] {
  NumberTexts t;
  for (std::size_t i = 0; i < kQualityCount; ++i) {
    const std::size_t q = 70 + i;
    char* p = &t.Chars[4 * i];
    if (q >= 100) *p++ = static_cast<char>('0' + q / 100);
    *p++ = static_cast<char>('0' + q / 10 % 10);
    *p = static_cast<char>('0' + q % 10);
  }
  for (std::size_t i = 0; i < kSpeedCount; ++i) {
    const std::size_t tenths = 15 + i;
    char* p = &t.Chars[4 * (kQualityCount + i)];
    p[0] = static_cast<char>('0' + tenths / 10);
    p[1] = '.';
    p[2] = static_cast<char>('0' + tenths % 10);
  }
  return t;
}();

constexpr std::string_view NumberText(std::size_t slot, std::size_t length) {
  return {&kNumberChars.Chars[4 * slot], length};
}

constexpr std::array<std::string_view, kQualityCount + 1> kQualities = [] {
  std::array<std::string_view, kQualityCount + 1> list{};
  for (std::size_t i = 0; i < kQualityCount; ++i) list[i] = NumberText(i, 70 + i >= 100 ? 3 : 2);
  list[kQualityCount] = "N/A";
  return list;
}();

constexpr std::array<std::string_view, kSpeedCount + 2> kSpeeds = [] {
  std::array<std::string_view, kSpeedCount + 2> list{};
  list[0] = "N/A";
  for (std::size_t i = 0; i < kSpeedCount; ++i) list[1 + i] = NumberText(kQualityCount + i, 3);
  list[kSpeedCount + 1] = "Other";
  return list;
}();

constexpr std::array<std::string_view, 18> kItemTypes = {"Normal Drop",
                                                         "Indestructable Items",
                                                         "Quest Reward",
                                                         "Unique (RoG)",
                                                         "Merchant Bought",
                                                         "Player Crafted",
                                                         "Instance Boss Reward",
                                                         "One Time Drop",
                                                         "Artifact",
                                                         "Epic Armor",
                                                         "Champion Weapon",
                                                         "Dragonslayer Quest",
                                                         "Mythirian",
                                                         "Summoned Item",
                                                         "XML Imported Item (Verify)",
                                                         "Other...",
                                                         "Ruleset Unique Drop",
                                                         "Bounty Point Reward"};

constexpr std::array<std::string_view, 22> kExpansions = {"<Unknown>",
                                                          "Classic Areas ('Mainland')",
                                                          "Shrouded Isles (SI)",
                                                          "Trials of Atlantis (ToA)",
                                                          "Catacombs (Cat)",
                                                          "New Frontiers (NF)",
                                                          "Darkness Rising (DR)",
                                                          "Darkness Falls (DF)",
                                                          "Labyrinth of the Minotaur (LotM)",
                                                          "Epic Quest Armor (Epic)",
                                                          "Dragon's Revenge Campaign (Dragons)",
                                                          "Rites of Spring/Ghost Keep Events",
                                                          "Origins Expansion (Old Frontiers)",
                                                          "Unnamed Expansion/Campaign",
                                                          "Doppelganger Campaign",
                                                          "Heroes and Legends Campaign",
                                                          "Tutorial Zone Expansion",
                                                          "Passage of Conflict",
                                                          "Battlegrounds",
                                                          "No longer dropped (Legacy Items)",
                                                          "Midwinter Festival",
                                                          "St. Patricks Day"};

// "Shortbow / Crossbow " keeps its trailing blank: vault entries name it so.
constexpr std::array<std::string_view, 31> kWeaponTypes = {
    "N/A",
    "Slash",
    "Blades",
    "Sword",
    "Axe",
    "Crush",
    "Blunt",
    "Hammer",
    "Thrust",
    "Piercing",
    "Normal Staff",
    "Celtic Spear",
    "Midgard Spear",
    "Polearm",
    "Two Handed",
    "Large Weapon",
    "Bow (Long, Recurve, and Composite Bows)",
    "Shortbow / Crossbow ",
    "Throwing Weapons",
    "Instrument",
    "Hand To Hand",
    "Flexible",
    "Scythe",
    "Fist Wraps",
    "Mauler Staff",
    "Friar Staff",
    "Selectable/Changeable",
    "Small Shield",
    "Medium Shield",
    "Large Shield",
    "Class-Sized Shield"};

constexpr std::array<std::string_view, 11> kSources = {
    "Unknown",          "Allakhazam",     "Ormindel",
    "In Game",          "User Submitted", "Daoc Template Site",
    "VN-Boards",        "Camelot Herald", "Vision of Sages (or Backup)",
    "Imported QMI/QMX", "XML Import"};

}  // namespace

std::span<const std::string_view> RealmList() {
  return kRealms;
}
std::span<const std::string_view> SlotKindList() {
  return kSlotKinds;
}
std::span<const std::string_view> ArmorList() {
  return kArmors;
}
std::span<const std::string_view> QualityList() {
  return kQualities;
}
std::span<const std::string_view> SpeedList() {
  return kSpeeds;
}
std::span<const std::string_view> EffectKindList() {
  return kEffectKinds;
}
std::span<const std::string_view> ServerTypeList() {
  return kServerTypes;
}

std::optional<std::size_t> IndexInList(std::span<const std::string_view> list,
                                       std::string_view text) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (SameTextIgnoringCase(list[i], text)) return i;
  }
  return std::nullopt;
}

std::string_view EntryOf(std::span<const std::string_view> list, std::size_t index) {
  return index < list.size() ? list[index] : std::string_view{};
}

VocabularyList::VocabularyList(std::span<const std::string_view> initial) : initial_(initial) {
  Reset();
}

std::string_view VocabularyList::At(std::size_t index) const {
  return index < entries_.size() ? std::string_view(entries_[index]) : std::string_view{};
}

std::optional<std::size_t> VocabularyList::IndexOf(std::string_view text) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (SameTextIgnoringCase(entries_[i], text)) return i;
  }
  return std::nullopt;
}

std::size_t VocabularyList::Append(std::string_view text) {
  entries_.emplace_back(text);
  return entries_.size() - 1;
}

void VocabularyList::Reset() {
  entries_.assign(initial_.begin(), initial_.end());
}

void VocabularyList::ShrinkTo(std::size_t size) {
  if (size >= initial_.size() && size < entries_.size()) entries_.resize(size);
}

VocabularyList& ItemTypeList() {
  static VocabularyList list(kItemTypes);
  return list;
}

VocabularyList& ExpansionList() {
  static VocabularyList list(kExpansions);
  return list;
}

VocabularyList& WeaponTypeList() {
  static VocabularyList list(kWeaponTypes);
  return list;
}

VocabularyList& SourceList() {
  static VocabularyList list(kSources);
  return list;
}

}  // namespace qm
