#include "interop/foreign_item_record.h"

#include <string>
#include <vector>

#include "core/item_lists.h"
#include "core/text.h"

namespace qm {
namespace {

constexpr std::size_t kNoteCapacity = 94;
constexpr int kLowestQuality = 70;
constexpr int kHighestQuality = 100;
constexpr int kFastestSpeedTenths = 15;  // "1.5", the first speed after "N/A"
constexpr int kSlowestSpeedTenths = 60;  // "6.0"
constexpr std::uint8_t kOtherSpeed = 47;

std::uint8_t Byte(int value) {
  return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}

// What the game and the databases say first hand is taken as verified; what
// another calculator says is not.
bool IsFirstHand(SourceKind kind) {
  return kind == SourceKind::kOfficialDatabase || kind == SourceKind::kChatLog ||
         kind == SourceKind::kEmulatorTable;
}

struct Row {
  int Code;
  int Value;
};

}  // namespace

std::optional<TItemRecord> ForeignItemRecord(const ForeignItem& item, SourceKind kind,
                                             ImportTally& tally) {
  if (item.Name.empty()) {
    tally.Skip(kNoName, item.SourceId.empty() ? std::string("(no id)") : "id " + item.SourceId);
    return std::nullopt;
  }
  std::vector<Row> rows;
  std::vector<std::string> unknown;
  for (const ForeignBonus& bonus : item.Bonuses) {
    if (bonus.Code <= 0) {
      unknown.push_back(bonus.Name);
      continue;
    }
    bool added = false;
    for (Row& row : rows) {
      if (row.Code == bonus.Code) row.Value += bonus.Value, added = true;
    }
    if (!added) rows.push_back({bonus.Code, bonus.Value});
  }
  for (const std::string& name : unknown)
    tally.LeaveOutBonus("unknown bonus '" + name + "'", item.Name);
  if (rows.size() > static_cast<std::size_t>(kBonusRows)) {
    tally.Skip(kTooManyBonuses, item.Name);
    return std::nullopt;
  }
  if (rows.empty() && !unknown.empty()) {
    tally.Skip(kNoBonusLeft, item.Name);
    return std::nullopt;
  }

  TItemRecord record = EmptyItem();
  record.Name.Assign(Utf8ToCp1252(item.Name));
  record.ItemType = item.Crafted ? kItemTypePlayerCrafted : 0;
  record.Crafted = item.Crafted ? 1 : 0;
  record.Realm = Byte(item.Realm >= 0 && item.Realm <= kAllRealms ? item.Realm : kAllRealms);
  record.Level = Byte(item.Level > 0 ? item.Level : 1);
  record.SlotKind = Byte(item.SlotKind == kUnknownSlotKind ? 0 : item.SlotKind);
  // Kept, as its bonuses count wherever the player puts it, but named.
  if (item.SlotKind == kUnknownSlotKind) tally.Remark(kSlotUnknown, item.Name);
  record.Armor = Byte(item.Armor);
  if (!item.WeaponType.empty()) {
    if (const auto index = WeaponTypeList().IndexOf(item.WeaponType))
      record.WeaponType = Byte(static_cast<int>(*index));
  }
  if (item.Quality >= kLowestQuality && item.Quality <= kHighestQuality) {
    record.Quality = Byte(item.Quality - kLowestQuality);
  }
  if (item.SpeedTenths >= kFastestSpeedTenths && item.SpeedTenths <= kSlowestSpeedTenths) {
    record.Speed = Byte(item.SpeedTenths - kFastestSpeedTenths + 1);
  } else if (item.SpeedTenths > 0) {
    record.Speed = kOtherSpeed;
  }
  record.BonusLevel = Byte(item.BonusLevel);
  const bool everyClass = item.Classes.empty();
  for (int c = 0; c < kClassCount; ++c) record.ClassUsable[c] = everyClass ? 1 : 0;
  for (int c : item.Classes) {
    if (c >= 0 && c < kClassCount) record.ClassUsable[c] = 1;
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    record.BonusCode[i] = Byte(rows[i].Code);
    record.BonusValue[i] = rows[i].Value;
  }
  record.Verified = unknown.empty() && IsFirstHand(kind) ? 1 : 0;

  // "official 12345", then what was left out: the notes are where the
  // browser shows an entry's origin.
  std::string note(SourceKindKey(kind));
  if (!item.SourceId.empty()) note += " " + item.SourceId;
  if (!unknown.empty()) {
    note += "; unverified, left out:";
    for (const std::string& name : unknown) note += " " + name + ";";
    note.pop_back();
  }
  note = Utf8ToCp1252(note);
  if (note.size() > kNoteCapacity) note.resize(kNoteCapacity);
  record.Note.Assign(note);
  return record;
}

}  // namespace qm
