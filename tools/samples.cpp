#include "tools/samples.h"

#include <cstring>

#include "core/file_io.h"

namespace qm::samples {
namespace {

// Bonus codes the samples use, by name, so the descriptions read like items.
enum Code : int {
  kStr = 1,
  kCon = 2,
  kDex = 3,
  kQui = 4,
  kPie = 5,
  kInt = 6,
  kEmp = 7,
  kCha = 8,
  kPower = 9,
  kHits = 10,
  kCrush = 11,
  kSlash = 12,
  kThrust = 13,
  kHeat = 14,
  kCold = 15,
  kEnergy = 16,
  kMatter = 17,
  kBody = 18,
  kSpirit = 19,
  kAllMelee = 20,
  kShieldSkill = 23,
  kParry = 24,
  kSlashSkill = 28,
  kPolearm = 32,
  kLight = 78,
  kMana = 79,
  kVoid = 91,
  kFocusVoid = 102,
  kSword = 103,
  kAxe = 104,
  kHammer = 105,
  kThrown = 110,
  kStrCap = 134,
  kConCap = 135,
  kDexCap = 136,
  kQuiCap = 137,
  kIntCap = 139,
  kAcuity = 142,
  kAcuityCap = 143,
  kPowerPool = 145,
  kHitsCap = 146,
  kArmorFactor = 148,
  kMeleeSpeed = 149,
  kMeleeDamage = 150,
  kSpellSpeed = 152,
  kSpellDamage = 153,
  kSpellPierce = 155,
  kSpellDuration = 156,
  kHealing = 160,
  kBuffBonus = 161,
  kArcaneSiphon = 170,
  kToHit = 171,
  kFatigueCap = 190,
  kEssence = 198
};

void Fill(TItemRecord& item, std::string_view name, std::initializer_list<Bonus> bonuses) {
  item.Name.Assign(name);
  int row = 0;
  for (const auto& [code, value] : bonuses) {
    if (row == kBonusRows) break;
    item.BonusCode[row] = static_cast<std::uint8_t>(code);
    item.BonusValue[row] = value;
    ++row;
  }
}

void Equip(TTemplateRecord& tpl, int slot, TItemRecord item, std::uint8_t slotKind) {
  item.SlotKind = slotKind;
  tpl.Slot(slot) = item;
}

TItemRecord Crafted(std::string_view name, std::uint8_t level, std::uint8_t armor,
                    std::initializer_list<Bonus> gems) {
  TItemRecord item = MakeItem(name, gems);
  item.Crafted = 1;
  item.ItemType = 5;  // "Player Crafted"
  item.Level = level;
  item.Armor = armor;
  item.Quality = 29;  // 99
  return item;
}

TTemplateRecord NewCharacter(std::string_view name, int classIndex, int raceIndex) {
  TTemplateRecord tpl = EmptyTemplate();
  tpl.CharName.Assign(name);
  tpl.ClassIndex = static_cast<std::uint8_t>(classIndex);
  tpl.RaceIndex = static_cast<std::uint8_t>(raceIndex);
  tpl.EffectIdsGlobal = 1;
  return tpl;
}

TTemplateRecord AlbionArmsman() {
  TTemplateRecord tpl = NewCharacter("Sir Aldric", 0, 2);  // Briton
  tpl.RealmRank = 5;
  tpl.WeaponConfig = 0;
  Equip(tpl, kJewel,
        MakeItem("Jewel of the Stalwart", {{kStr, 12}, {kCon, 12}, {kHits, 40}, {kSlash, 6}}), 1);
  Equip(tpl, kNeck,
        MakeItem("Crystalized Mana Necklace", {{kStr, 10}, {kDex, 10}, {kQui, 10}, {kHitsCap, 20}}),
        2);
  Equip(tpl, kCloak,
        MakeItem("Cloak of the Lost Knight", {{kCon, 15}, {kHits, 30}, {kArmorFactor, 10}}), 3);
  Equip(tpl, kBelt, MakeItem("Girdle of Might", {{kStr, 15}, {kStrCap, 5}, {kCon, 9}}), 4);
  Equip(tpl, kRing1, MakeItem("Ring of Dances", {{kDex, 9}, {kQui, 9}, {kMeleeSpeed, 3}}), 5);
  Equip(tpl, kRing2, MakeItem("Signet of Valour", {{kStr, 9}, {kCrush, 4}, {kPolearm, 3}}), 5);
  Equip(tpl, kWrist1, MakeItem("Bracer of Resolve", {{kCon, 12}, {kThrust, 6}, {kConCap, 4}}), 6);
  Equip(tpl, kWrist2, MakeItem("Bracer of Zo'arkat", {{kStr, 12}, {kHeat, 6}, {kParry, 3}}), 6);
  Equip(tpl, kChest,
        Crafted("Crafted Plate Hauberk", 51, 5,
                {{kStr, 22},
                 {kCon, 22},
                 {kPolearm, 4},
                 {kCrush, 8},
                 {0, 0},
                 {0, 0},
                 {0, 0},
                 {0, 0},
                 {kHits, 40}}),
        7);
  Equip(tpl, kHead, MakeItem("Helm of the Armsman", {{kQui, 12}, {kPolearm, 4}, {kBody, 8}}), 8);
  Equip(tpl, kArms, MakeItem("Sleeves of the Armsman", {{kDex, 12}, {kSlashSkill, 3}, {kCold, 8}}),
        9);
  Equip(tpl, kHands, MakeItem("Gauntlets of the Armsman", {{kStr, 9}, {kQui, 9}, {kEnergy, 8}}),
        10);
  Equip(tpl, kLegs, MakeItem("Leggings of the Armsman", {{kCon, 15}, {kMatter, 8}, {kSpirit, 8}}),
        11);
  Equip(tpl, kFeet, MakeItem("Boots of the Armsman", {{kDex, 12}, {kHits, 24}, {kFatigueCap, 5}}),
        12);
  TItemRecord sword =
      MakeItem("Sword of Valiant Dawn", {{kSlashSkill, 3}, {kMeleeDamage, 3}, {kStr, 6}});
  sword.EffectKind[0] = 1;  // Normal Proc
  sword.EffectId[0] = 78;   // Lifedrain
  sword.EffectValue[0] = 25;
  sword.Speed = 26;  // 4.0
  Equip(tpl, kRightHand, sword, 13);
  Equip(tpl, kLeftHand, MakeItem("Tower Shield of Eternity", {{kShieldSkill, 4}, {kHits, 21}}), 26);
  Equip(tpl, kTwoHand, MakeItem("Halberd of Morning", {{kPolearm, 5}, {kAllMelee, 1}}), 15);
  Equip(tpl, kMyth, MakeItem("Mythirian of Might", {{kStr, 10}, {kCon, 5}}), 22);
  tpl.Slot(kMyth).ItemType = 12;
  return tpl;
}

TTemplateRecord HiberniaEldritch() {
  TTemplateRecord tpl = NewCharacter("Ailill", 22, 2);  // Elf
  tpl.RealmRank = 9;
  tpl.WeaponConfig = 2;
  tpl.ServerType = 3;  // PvP
  Equip(tpl, kJewel, MakeItem("Mana-Bound Gem", {{kInt, 15}, {kPower, 6}, {kSpellDamage, 5}}), 1);
  Equip(tpl, kNeck,
        MakeItem("Golden Spear Necklace", {{kAcuity, 12}, {kAcuityCap, 6}, {kIntCap, 4}}), 2);
  Equip(tpl, kCloak, Crafted("Crafted Cloak", 1, 0, {{kInt, 10}, {kDex, 10}}), 3);
  Equip(tpl, kRing1, MakeItem("Band of Stars", {{kVoid, 4}, {kSpellPierce, 3}, {kPowerPool, 5}}),
        5);
  Equip(tpl, kRing2, MakeItem("Ring of the Azure", {{kLight, 3}, {kMana, 3}, {kSpellSpeed, 2}}), 5);
  Equip(tpl, kChest,
        MakeItem("Robes of the Eldritch", {{kInt, 15}, {kSpellDuration, 4}, {kHealing, 3}}), 7);
  Equip(tpl, kHead,
        MakeItem("Cap of the Eldritch", {{kDex, 12}, {kArcaneSiphon, 5}, {kBuffBonus, 3}}), 8);
  Equip(tpl, kLegs, MakeItem("Pants of the Eldritch", {{kCon, 12}, {kToHit, 2}, {kEssence, 5}}),
        11);
  Equip(tpl, kTwoHand, MakeItem("Staff of the Void", {{kFocusVoid, 50}, {kVoid, 3}, {kInt, 10}}),
        15);
  Equip(tpl, kMyth, MakeItem("Mythirian of Ire", {{kHeat, 5}, {kDex, 5}}), 22);
  tpl.Slot(kMyth).ItemType = 12;
  tpl.Slot(kMyth).EffectKind[0] = 6;
  tpl.Slot(kMyth).EffectId[0] = 89;  // Mythical Heat Resist
  tpl.Slot(kMyth).EffectValue[0] = 5;
  return tpl;
}

TTemplateRecord MidgardWarrior() {
  TTemplateRecord tpl = NewCharacter("Thorvald", 46, 6);  // Troll
  tpl.CharLevel = 45;
  tpl.RealmRank = 3;
  tpl.WeaponConfig = 1;
  tpl.ServerType = 1;  // Coop
  tpl.ChampionFlag = 0;
  Equip(tpl, kJewel, MakeItem("Troll Tooth Pendant", {{kStr, 10}, {kHits, 30}}), 1);
  Equip(tpl, kBelt, MakeItem("Belt of the Sun", {{kDexCap, 3}, {kQuiCap, 3}, {kDex, 6}}), 4);
  Equip(tpl, kChest,
        Crafted("Crafted Chain Hauberk", 45, 4, {{kStr, 18}, {kHammer, 3}, {kSlash, 6}}), 7);
  Equip(tpl, kRightHand, MakeItem("Axe of the Frozen North", {{kAxe, 3}, {kCold, 4}}), 13);
  Equip(tpl, kLeftHand, MakeItem("Kite Shield of the Fjords", {{kShieldSkill, 3}, {kParry, 2}}),
        26);
  Equip(tpl, kTwoHand,
        MakeItem("Great Hammer of Storms", {{kHammer, 4}, {kSword, 2}, {kAllMelee, 2}}), 15);
  Equip(tpl, kRanged, MakeItem("Throwing Axes of the Hunt", {{kThrown, 5}}), 16);
  return tpl;
}

}  // namespace

TItemRecord MakeItem(std::string_view name, std::initializer_list<Bonus> bonuses) {
  TItemRecord item = EmptyItem();
  Fill(item, name, bonuses);
  std::memset(item.ClassUsable, 1, sizeof item.ClassUsable);
  item.Source = 3;  // "In Game"
  return item;
}

TItemRecord MakeClassItem(std::string_view name, std::initializer_list<int> classes,
                          std::initializer_list<Bonus> bonuses) {
  TItemRecord item = EmptyItem();
  Fill(item, name, bonuses);
  for (int c : classes) item.ClassUsable[c] = 1;
  return item;
}

// The armsman with a chest designed as the spellcraft tab stores it and
// charged to its limit: 37.5 points on a capacity of 32, five over.
TTemplateRecord OverchargedArmsman() {
  TTemplateRecord tpl = AlbionArmsman();
  TItemRecord chest = EmptyItem();
  chest.Name.Assign("Lv51 Plate");
  chest.ItemType = 5;  // "Player Crafted"
  chest.Realm = 3;
  chest.Expansion = 1;
  chest.Level = 51;
  chest.Armor = 4;  // the tab's own index: plate
  chest.Crafted = 1;
  chest.ServerCoop = chest.ServerPvP = chest.ServerClassic = chest.ServerNormal = 1;
  chest.ServerOrigins = 1;
  for (auto& flag : chest.ClassUsable) flag = 1;
  chest.Verified = chest.Researched = 1;
  // Strength 29, Constitution 29, Dexterity 26 and Crush Resist 7, with their tiers.
  constexpr int kGems[4][3] = {{kStr, 29, 9}, {kCon, 29, 9}, {kDex, 26, 8}, {kCrush, 7, 4}};
  for (int k = 0; k < 4; ++k) {
    chest.BonusCode[k] = static_cast<std::uint8_t>(kGems[k][0]);
    chest.BonusValue[k] = kGems[k][1];
    chest.BonusValue[k + 4] = kGems[k][2];
  }
  chest.BonusLevelFixed = 1;  // autonaming
  chest.Quality = 29;         // 99
  Equip(tpl, kChest, chest, 7);
  tpl.CharName.Assign("Sir Aldric the Bold");
  return tpl;
}

std::vector<NamedTemplate> SampleTemplates() {
  TTemplateRecord fresh = EmptyTemplate();
  fresh.CharName.Assign("New Character");
  fresh.EffectIdsGlobal = 1;
  return {{"albion-armsman.qmc", AlbionArmsman()},
          {"hibernia-eldritch.qmc", HiberniaEldritch()},
          {"midgard-warrior.qmc", MidgardWarrior()},
          {"new-character.qmc", fresh},
          {"albion-overcharged.qmc", OverchargedArmsman()}};
}

TLegacyItemRecord MakeLegacyItem(std::string_view name, std::uint8_t expansion,
                                 std::initializer_list<Bonus> bonuses) {
  TLegacyItemRecord legacy = EmptyLegacyItem();
  legacy.Name.Assign(name);
  legacy.Expansion = expansion;
  int row = 0;
  for (const auto& [code, value] : bonuses) {
    if (row == kBonusRows) break;
    legacy.BonusCode[row] = static_cast<std::uint8_t>(code);
    legacy.BonusValue[row] = value;
    ++row;
  }
  std::memset(legacy.ClassFlags, 1, sizeof legacy.ClassFlags);
  return legacy;
}

std::vector<std::uint8_t> OldTemplateBytes(const OldTemplateLayout& layout) {
  std::vector<std::uint8_t> bytes(2922, 0);
  PString<20> name;
  name.Assign(layout.name);
  std::memcpy(bytes.data(), &name, sizeof name);
  bytes[21] = layout.level;
  bytes[22] = layout.realmRank;
  bytes[23] = layout.realm;
  bytes[25] = layout.classPosition;
  bytes[26] = layout.serverType;
  for (int slot = 1; slot <= 18; ++slot) {
    const TLegacyItemRecord empty = EmptyLegacyItem();
    std::memcpy(bytes.data() + 28 + (slot - 1) * kLegacyItemStride, &empty, sizeof empty);
  }
  for (const auto& [slot, item] : layout.slots)
    std::memcpy(bytes.data() + 28 + (slot - 1) * kLegacyItemStride, &item, sizeof item);
  bytes[2908] = layout.weaponConfig;
  bytes[2909] = layout.championFlag;
  bytes[2913] = layout.maulerRealm;
  return bytes;
}

std::vector<NamedOldTemplate> SampleOldTemplates() {
  OldTemplateLayout paladin{.name = "Old Paladin",
                            .level = 50,
                            .realmRank = 4,
                            .realm = 0,
                            .classPosition = 1,
                            .serverType = 0,
                            .weaponConfig = 0,
                            .championFlag = 1,
                            .maulerRealm = 0,
                            .slots = {}};
  paladin.slots.push_back({1, MakeLegacyItem("Old Jewel", 1, {{kStr, 9}, {kCon, 9}})});
  TLegacyItemRecord chest = MakeLegacyItem("Old Crafted Chest", 2, {{kStr, 15}, {kHits, 30}});
  chest.Crafted = 1;
  chest.Armor = 5;
  paladin.slots.push_back({9, chest});
  TLegacyItemRecord unique = MakeLegacyItem("Old Unique Ring", 3, {{kDex, 6}});
  unique.ItemType = 3;
  unique.EffectKind[0] = 1;
  paladin.slots.push_back({5, unique});

  OldTemplateLayout mauler{.name = "Old Hib Mauler",
                           .level = 40,
                           .realmRank = 2,
                           .realm = 2,
                           .classPosition = 14,
                           .serverType = 2,
                           .weaponConfig = 2,
                           .championFlag = 0,
                           .maulerRealm = 2,
                           .slots = {}};
  mauler.slots.push_back({17, MakeLegacyItem("Old Mauler Staff", 0, {{185, 3}})});
  return {{"old-paladin.qmy", paladin}, {"old-hib-mauler.qmy", mauler}};
}

std::vector<std::uint8_t> TemplateBytes(const TTemplateRecord& tpl) {
  const auto* begin = reinterpret_cast<const std::uint8_t*>(&tpl);
  return {begin, begin + sizeof tpl};
}

std::vector<std::uint8_t> ItemBytes(const TItemRecord& item) {
  const auto* begin = reinterpret_cast<const std::uint8_t*>(&item);
  return {begin, begin + sizeof item};
}

std::vector<std::uint8_t> LegacyItemBytes(const TLegacyItemRecord& item) {
  const auto* begin = reinterpret_cast<const std::uint8_t*>(&item);
  return {begin, begin + sizeof item};
}

std::vector<std::string> WriteSamples(const std::string& folder) {
  std::vector<std::string> written;
  auto write = [&](const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = folder + "/" + name;
    if (WriteFileAtomically(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()}).Ok())
      written.push_back(name);
  };
  for (const auto& sample : SampleTemplates()) write(sample.fileName, TemplateBytes(sample.tpl));
  for (const auto& sample : SampleOldTemplates())
    write(sample.fileName, OldTemplateBytes(sample.layout));
  write("sword-of-valiant-dawn.qmx", ItemBytes(AlbionArmsman().Slot(kRightHand)));
  write("old-unique-ring.qmi", LegacyItemBytes(SampleOldTemplates()[0].layout.slots[2].second));
  return written;
}

}  // namespace qm::samples
