#pragma once
// An item as another tool or the game itself describes it, after its reader
// has put what it could into our vocabulary. Readers keep the source's own
// name beside every bonus, so a bonus we cannot map still reaches the import
// report by name instead of vanishing. Texts are UTF-8; the conversion into a
// record turns them into the record's Windows-1252.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// The kinds of item source the import reads, told apart by their content.
enum class SourceKind {
  kOfficialDatabase,  // the publisher's downloadable JSON item database
  kMorasXml,          // Moras XML exports (<item> elements)
  kEmulatorTable,     // OpenDAoC / Dawn of Light itemtemplate SQL dumps
  kCalculatorXml,     // other calculators' one-item XML files
  kKortXml,           // Kort's one-item <SCItem> files
  kChatLog,           // the game's chat.log with delve blocks
};

// "Official item database", ... : what the import window calls a source.
std::string_view SourceKindText(SourceKind kind);
// "official", "moras", "opendaoc", "xml", "kort", "chatlog": the short word an
// imported entry's notes start with.
std::string_view SourceKindKey(SourceKind kind);

struct ForeignBonus {
  std::string
      Name;      // the source's own words for it ("Essence Damage", "CAP_STRENGTH", "type 5 id 3")
  int Code = 0;  // our bonus code (1..198); 0 when we have none for it
  int Value = 0;
  bool operator==(const ForeignBonus&) const = default;
};

inline constexpr int kUnknownSlotKind = -1;
inline constexpr int kAllRealms = 3;

struct ForeignItem {
  std::string Name;
  std::string SourceId;    // the source's own id (database id, Id_nb, line number); may be empty
  int Realm = kAllRealms;  // position in RealmList(): 0 Albion, 1 Hibernia, 2 Midgard, 3 all
  int SlotKind = kUnknownSlotKind;  // position in SlotKindList(), or unknown
  int Level = 0;                    // level requirement or item level, 0 when not stated
  int Quality = 0;                  // percent (70..100); 0 when not stated
  int BonusLevel = 0;               // 0 when not stated
  int Armor = 0;                    // position in ArmorList(); 0 "N/A"
  std::string WeaponType;           // a weapon type text of the vault's list, empty for none
  int SpeedTenths = 0;              // weapon speed in tenths of a second; 0 when not stated
  std::vector<int> Classes;         // class indices 0..46 that may use it; empty: every class
  std::vector<ForeignBonus> Bonuses;
  bool Crafted = false;
  bool operator==(const ForeignItem&) const = default;
};

}  // namespace qm
