#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/bonus_catalogue.h"
#include "core/char_attributes.h"
#include "core/class_table.h"
#include "core/race_table.h"

namespace qm {
namespace {

int RowCount(const ClassInfo& info) {
  int n = 0;
  for (const SkillRow& row : info.Rows) n += !row.Label.empty();
  return n;
}

TEST(ClassTable, RealmsByIndex) {
  int perRealm[4] = {};
  for (int i = 0; i < kClassTableSize; ++i) {
    const ClassInfo& info = ClassOf(i);
    ++perRealm[info.Realm];
    EXPECT_EQ(RealmOfClass(i), info.Realm);
    // The combo text names the realm it belongs to.
    EXPECT_EQ(info.Text.substr(1, 3), RealmShortName(info.Realm)) << info.Text;
  }
  EXPECT_EQ(perRealm[0], 16);
  EXPECT_EQ(perRealm[1], 16);
  EXPECT_EQ(perRealm[2], 15);
  EXPECT_EQ(perRealm[3], 0);
  EXPECT_EQ(RealmOfClass(15), 0);
  EXPECT_EQ(RealmOfClass(16), 1);
  EXPECT_EQ(RealmOfClass(31), 1);
  EXPECT_EQ(RealmOfClass(32), 2);
  EXPECT_EQ(RealmShortName(3), "");
}

TEST(ClassTable, IndicesOutsideTheTableMeetTheNoClassRow) {
  for (int index : {47, 48, 100, 255, -1}) {
    const ClassInfo& info = ClassOf(index);
    EXPECT_EQ(RealmOfClass(index), kNoRealm) << index;
    EXPECT_EQ(info.Text, "");
    EXPECT_EQ(info.Acuity, kAcuityNone);
    EXPECT_EQ(info.Shield, kNoShield);
    EXPECT_FALSE(info.PlaysInstrument || info.UsesBow || info.LeftHandWeapon);
    EXPECT_EQ(info.Ranged, RangedSlotUse::kUnusable);
    for (const SkillRow& row : info.Rows) {
      EXPECT_EQ(row.Code, kEmptySkillRow);
      EXPECT_EQ(row.Label, "");
    }
  }
}

TEST(ClassTable, RangedSlotColumn) {
  int rangedWeapons = 0;
  int unusable = 0;
  for (int c = 0; c < kClassTableSize; ++c) {
    const ClassInfo& info = ClassOf(c);
    SCOPED_TRACE(info.Text);
    // Whoever draws a bow or plays an instrument keeps it in the Ranged slot.
    if (info.UsesBow || info.PlaysInstrument) {
      EXPECT_EQ(info.Ranged, RangedSlotUse::kRangedWeapon);
    }
    rangedWeapons += info.Ranged == RangedSlotUse::kRangedWeapon;
    unusable += info.Ranged == RangedSlotUse::kUnusable;
  }
  EXPECT_EQ(rangedWeapons, 11);
  EXPECT_EQ(unusable, 6);
  EXPECT_EQ(ClassOf(0).Ranged, RangedSlotUse::kRangedWeapon);  // Armsman: crossbows
  EXPECT_EQ(ClassOf(2).Ranged, RangedSlotUse::kUnusable);      // Cleric
  EXPECT_EQ(ClassOf(15).Ranged, RangedSlotUse::kTwoHanded);    // Wizard
  EXPECT_EQ(ClassOf(46).Ranged, RangedSlotUse::kTwoHanded);    // Warrior
}

TEST(ClassTable, SpotRows) {
  const ClassInfo& armsman = ClassOf(0);
  EXPECT_EQ(armsman.Text, "(Alb) Armsman");
  EXPECT_EQ(armsman.MaxArmor, kPlate);
  EXPECT_EQ(armsman.Shield, kLargeShield);
  ASSERT_EQ(RowCount(armsman), 8);
  EXPECT_EQ(armsman.Rows[7].Code, 36);
  EXPECT_EQ(armsman.Rows[7].Label, "Crossbows");

  EXPECT_EQ(ClassOf(2).Text, "(Alb) Cleric ");
  EXPECT_EQ(ClassOf(25).Text, "(Hib) Mauler ");
  EXPECT_EQ(ClassOf(46).Text, "(Mid) Warrior ");
  EXPECT_EQ(ClassOf(39).Text, "(Mid) Shadowblade");
  EXPECT_EQ(ClassOf(8).Acuity, kAcuityCharisma);
  EXPECT_EQ(ClassOf(20).Acuity, kAcuityIntelligence);
  EXPECT_EQ(ClassOf(21).Acuity, kAcuityEmpathy);
  EXPECT_EQ(ClassOf(33).Acuity, kAcuityPiety);
  EXPECT_EQ(ClassOf(35).Shield, kNoShield);
  EXPECT_EQ(ClassOf(19).Shield, kMediumShield);
  EXPECT_EQ(ClassOf(12).MaxArmor, kStudded);

  const ClassInfo& ranger = ClassOf(28);
  EXPECT_TRUE(ranger.UsesBow && ranger.LeftHandWeapon && !ranger.PlaysInstrument);
  EXPECT_TRUE(ClassOf(18).PlaysInstrument);
  EXPECT_EQ(ClassOf(46).Rows[2].Code, 110);
  EXPECT_EQ(ClassOf(44).Rows[0].Label, "Odin's Will");
}

TEST(ClassTable, DisplayOnlyRows) {
  const struct {
    int classIndex;
    int row;
    std::uint8_t code;
    std::string_view label;
  } cases[] = {
      {10, 6, kChantsRow, "Chants+"},
      {27, 6, kEmptySkillRow, "Nightshade Magic"},
      {34, 2, kPacificationRow, "Pacification"},
      {38, 5, kSavageryRow, "Savagery"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClassOf(c.classIndex).Rows[c.row].Code, c.code) << c.classIndex;
    EXPECT_EQ(ClassOf(c.classIndex).Rows[c.row].Label, c.label) << c.classIndex;
  }
}

TEST(ClassTable, RowsAreContiguousAndNameRealSkills) {
  int flags[3] = {};
  for (int i = 0; i < kClassTableSize; ++i) {
    const ClassInfo& info = ClassOf(i);
    const int count = RowCount(info);
    EXPECT_GE(count, 3) << info.Text;
    for (int r = 0; r < 8; ++r) {
      const SkillRow& row = info.Rows[r];
      if (r >= count) {
        EXPECT_EQ(row.Code, kEmptySkillRow) << info.Text << " row " << r;
        EXPECT_EQ(row.Label, "") << info.Text << " row " << r;
      } else if (row.Code <= kMaxBonusCode) {
        // A skill row shows a skill or a plain skill bonus, never a stat.
        EXPECT_GE(row.Code, 23) << info.Text << " row " << r;
      } else {
        EXPECT_TRUE(row.Code == kChantsRow || row.Code == kSavageryRow ||
                    row.Code == kPacificationRow || row.Code == kEmptySkillRow)
            << info.Text << " row " << r;
      }
    }
    flags[0] += info.PlaysInstrument;
    flags[1] += info.UsesBow;
    flags[2] += info.LeftHandWeapon;
  }
  EXPECT_EQ(flags[0], 2);   // Minstrel, Bard
  EXPECT_EQ(flags[1], 3);   // Scout, Ranger, Hunter
  EXPECT_EQ(flags[2], 11);  // Infiltrator, Mercenary, Blademaster, Nightshade, Ranger, ...
}

TEST(ClassTable, TheThreeMaulersShareTheirRows) {
  for (int i : {25, 36}) {
    EXPECT_EQ(ClassOf(i).Shield, ClassOf(6).Shield);
    EXPECT_EQ(ClassOf(i).LeftHandWeapon, ClassOf(6).LeftHandWeapon);
    for (int r = 0; r < 8; ++r) {
      EXPECT_EQ(ClassOf(i).Rows[r].Code, ClassOf(6).Rows[r].Code);
      EXPECT_EQ(ClassOf(i).Rows[r].Label, ClassOf(6).Rows[r].Label);
    }
  }
}

TEST(RaceTable, ListsPerRealm) {
  using List = std::vector<std::string_view>;
  EXPECT_EQ(RaceList(0), (List{"<None>", "Avalonian", "Briton", "Half-Ogres", "Highlander",
                               "Inconnu", "Minotaur", "Saracen"}));
  EXPECT_EQ(RaceList(31),
            (List{"<None>", "Celt", "Elf", "Firbolg", "Lurikeen", "Minotaur", "Shar", "Sylvan"}));
  EXPECT_EQ(RaceList(32), (List{"<None>", "Dwarf", "Frostalf", "Kobold", "Minotaur", "Norseman",
                                "Troll", "Valkyn"}));
  EXPECT_EQ(RaceList(47), (List{"<None>"}));
  EXPECT_EQ(RaceList(200), (List{"<None>"}));
}

TEST(RaceTable, EveryListedRaceHasValues) {
  for (int classIndex : {0, 16, 32}) {
    const auto list = RaceList(classIndex);
    for (std::size_t i = 1; i < list.size(); ++i) {
      const auto values = RaceValuesOf(list[i]);
      ASSERT_TRUE(values.has_value()) << list[i];
      EXPECT_EQ(values->Name, list[i]);
      EXPECT_EQ(values->Stats[4], values->Name == "Frostalf" ? 75 : 60) << list[i];  // Piety
    }
  }
  EXPECT_EQ(RaceValuesOf("<None>"), std::nullopt);
  EXPECT_EQ(RaceValuesOf("Gnome"), std::nullopt);
  EXPECT_FALSE(RaceValuesOf("Troll ").has_value()) << "blanks count";
}

TEST(RaceTable, SpotValues) {
  const auto troll = RaceValuesOf("troll");
  ASSERT_TRUE(troll);
  EXPECT_EQ(troll->Stats, (std::array<std::uint16_t, 8>{100, 70, 35, 35, 60, 60, 60, 60}));
  // Crush, Slash, Thrust, Heat, Cold, Energy, Matter, Body, Spirit
  EXPECT_EQ(troll->Resists, (std::array<std::uint16_t, 9>{0, 3, 2, 0, 0, 0, 5, 0, 0}));
  EXPECT_EQ(RaceValuesOf("Sylvan")->Resists,
            (std::array<std::uint16_t, 9>{3, 0, 2, 0, 0, 5, 5, 0, 0}));
  EXPECT_EQ(RaceValuesOf("Valkyn")->Resists,
            (std::array<std::uint16_t, 9>{0, 3, 2, 0, 5, 0, 0, 5, 0}));
  EXPECT_EQ(RaceValuesOf("Inconnu")->Resists,
            (std::array<std::uint16_t, 9>{2, 0, 3, 5, 0, 0, 0, 0, 5}));
}

TEST(CharAttributes, ApplyClassClearsWhatThePreviousClassSet) {
  TCharAttributes attributes;
  ApplyClass(attributes, 28);  // Ranger: five rows, bow and left hand
  EXPECT_TRUE(attributes.UsesBow && attributes.LeftHandWeapon);
  ApplyClass(attributes, 0);  // Armsman: eight rows
  EXPECT_EQ(attributes.SkillRows, (std::array<std::uint8_t, 8>{23, 24, 31, 32, 28, 29, 30, 36}));
  EXPECT_FALSE(attributes.UsesBow || attributes.LeftHandWeapon || attributes.PlaysInstrument);
  EXPECT_EQ(attributes.MaxArmor, kPlate);
  EXPECT_EQ(attributes.ShieldSize, kLargeShield);
  EXPECT_EQ(attributes.AcuityKind, kAcuityNone);

  ApplyClass(attributes, 1);  // Cabalist: three rows
  EXPECT_EQ(attributes.SkillRows,
            (std::array<std::uint8_t, 8>{38, 47, 52, 255, 255, 255, 255, 255}));
  EXPECT_EQ(attributes.AcuityKind, kAcuityIntelligence);
  EXPECT_EQ(attributes.ShieldSize, kNoShield);
  EXPECT_EQ(attributes.MaxArmor, kCloth);

  ApplyClass(attributes, 8);  // Minstrel
  EXPECT_TRUE(attributes.PlaysInstrument);
  ApplyClass(attributes, 99);
  EXPECT_EQ(attributes.SkillRows,
            (std::array<std::uint8_t, 8>{255, 255, 255, 255, 255, 255, 255, 255}));
  EXPECT_FALSE(attributes.PlaysInstrument);
  EXPECT_EQ(attributes.AcuityKind, kAcuityNone);
}

TEST(CharAttributes, MinotaurIsTheSameInEveryRealm) {
  TCharAttributes alb, hib, mid;
  ApplyClass(alb, 0);
  ApplyClass(hib, 16);
  ApplyClass(mid, 32);
  ApplyRace(alb, RaceList(0)[6]);
  ApplyRace(hib, RaceList(16)[5]);
  ApplyRace(mid, RaceList(32)[4]);
  EXPECT_EQ(alb.RaceName, "Minotaur");
  EXPECT_EQ(hib.RaceName, "Minotaur");
  EXPECT_EQ(mid.RaceName, "Minotaur");
  EXPECT_EQ(alb.RaceStats, (std::array<std::uint16_t, 8>{80, 60, 50, 40, 60, 60, 60, 60}));
  EXPECT_EQ(alb.RaceResists, (std::array<std::uint16_t, 9>{4, 0, 0, 3, 3, 0, 0, 0, 0}));
  EXPECT_EQ(hib.RaceStats, alb.RaceStats);
  EXPECT_EQ(mid.RaceStats, alb.RaceStats);
  EXPECT_EQ(hib.RaceResists, alb.RaceResists);
  EXPECT_EQ(mid.RaceResists, alb.RaceResists);
}

TEST(CharAttributes, NoneAndUnknownRacesGiveZeros) {
  TCharAttributes attributes;
  ApplyRace(attributes, "Briton");
  EXPECT_EQ(attributes.RaceStats[0], 60);
  ApplyRace(attributes, "<None>");
  EXPECT_EQ(attributes.RaceStats, (std::array<std::uint16_t, 8>{}));
  EXPECT_EQ(attributes.RaceResists, (std::array<std::uint16_t, 9>{}));
  EXPECT_TRUE(RaceSummary(attributes).empty());

  ApplyRace(attributes, "Briton");
  ApplyRace(attributes, "Gnome");
  EXPECT_EQ(attributes.RaceResists, (std::array<std::uint16_t, 9>{}));

  TCharAttributes fresh;
  EXPECT_TRUE(RaceSummary(fresh).empty());
}

TEST(CharAttributes, RaceSummaryListsMatterBeforeEnergy) {
  TCharAttributes attributes;
  ApplyRace(attributes, "Half-Ogres");
  const std::vector<std::string> expected = {
      "Race Information for Half-Ogres",
      "",
      "Stats",
      "Strength     : 90",
      "Constitution : 70",
      "Dexterity    : 40",
      "Quickness    : 40",
      "Piety        : 60",
      "Intelligence : 60",
      "Empathy      : 60",
      "Charisma     : 60",
      "",
      "Resists",
      "Crush  : 0%",
      "Slash  : 3%",
      "Thrust : 2%",
      "Heat   : 0%",
      "Cold   : 0%",
      "Matter : 5%",
      "Energy : 0%",
      "Body   : 0%",
      "Spirit : 0%",
  };
  EXPECT_EQ(RaceSummary(attributes), expected);

  ApplyRace(attributes, "Lurikeen");
  const auto lines = RaceSummary(attributes);
  ASSERT_EQ(lines.size(), expected.size());
  EXPECT_EQ(lines[0], "Race Information for Lurikeen");
  EXPECT_EQ(lines[13], "Crush  : 5%");
  EXPECT_EQ(lines[18], "Matter : 0%");
  EXPECT_EQ(lines[19], "Energy : 5%");
}

}  // namespace
}  // namespace qm
