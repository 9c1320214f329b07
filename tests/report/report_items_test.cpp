// The item section and the materials section of the template report.
#include <gtest/gtest.h>

#include "core/effect_names.h"
#include "report/template_report.h"
#include "report_fixtures.h"

namespace qm {
namespace {

using testing::Between;
using testing::CraftedItem;
using testing::HasLine;
using testing::Item;
using testing::ReportLines;
using testing::Template;
using Lines = std::vector<std::string>;

constexpr int kArmsman = 0;
constexpr int kWizard = 15;
constexpr int kDruid = 21;
constexpr int kWarrior = 46;

constexpr std::string_view kItems = "<== Equipment Info ==>";
constexpr std::string_view kEnd = "<== End Report ==>";

ReportOptions Content(ReportContent content) {
  ReportOptions options;
  options.Content = content;
  return options;
}

// The item section without the " " that opens the trailer.
Lines ItemSection(const Lines& lines) {
  Lines section = Between(lines, kItems, kEnd);
  if (!section.empty()) section.pop_back();
  return section;
}

TEST(ReportItems, TemplateWithoutItems) {
  const Lines section = ItemSection(ReportLines(Template("Empty", kArmsman, 0)));
  EXPECT_EQ(section, (Lines{"<== Equipment Info ==>", " ", "<== Jewelry ==>", "", "<== Armor ==>",
                            "", "<== Weapon(s) ==>", ""}));
}

TEST(ReportItems, NamesOnlyListsJustTheNames) {
  TTemplateRecord tpl = Template("N", kArmsman, 0);
  tpl.Slot(kRing2) = Item("Band", {{1, 3}});
  tpl.Slot(kHead) = Item("Helm", {{2, 3}});
  tpl.Slot(kRightHand) = Item("Sword", {{28, 3}});
  tpl.Slot(kTwoHand) = Item("Halberd", {{32, 3}});  // not wielded under choice 0
  tpl.Slot(kMyth) = Item("Myth", {{1, 10}});
  const Lines lines = ReportLines(tpl, Content(ReportContent::kItemNamesOnly));
  EXPECT_EQ(
      ItemSection(lines),
      (Lines{"<== Equipment Info ==>", " ", "<== Jewelry ==>", "", "Ring2 : Band", "<== Armor ==>",
             "", "Head  : Helm", "<== Weapon(s) ==>", "", "Right Hand : Sword", "Myth : Myth"}));
  EXPECT_TRUE(HasLine(lines, "<== Main Stat Bonuses ==>"));
}

TEST(ReportItems, StatsOnlyHasNoItemSection) {
  TTemplateRecord tpl = Template("S", kArmsman);
  tpl.Slot(kJewel) = Item("Jewel", {{1, 3}});
  const Lines lines = ReportLines(tpl, Content(ReportContent::kStatsOnly));
  EXPECT_FALSE(HasLine(lines, kItems));
  EXPECT_FALSE(HasLine(lines, "Jewel : Jewel"));
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(Lines(lines.end() - 5, lines.end()),
            (Lines{" ", " ", "<== End Report ==>", " ",
                   "Quillmark can be downloaded at https://quillmark.example.org/"}));
}

TEST(ReportItems, WeaponSlotsFollowTheWeaponChoice) {
  struct Case {
    int config;
    Lines names;
  };
  const Case cases[] = {
      {0, {"Right Hand : R", "Left Hand : L", "Myth : M"}},
      {1, {"Left Hand : L", "Two Hand : T", "Myth : M"}},
      {2, {"Two Hand : T", "Myth : M"}},
      {3, {"Ranged : B", "Myth : M"}},
      {4, {"Myth : M"}},
  };
  for (const Case& c : cases) {
    TTemplateRecord tpl = Template("W", kWarrior, c.config);
    tpl.Slot(kRightHand) = Item("R", {});
    tpl.Slot(kLeftHand) = Item("L", {});
    tpl.Slot(kTwoHand) = Item("T", {});
    tpl.Slot(kRanged) = Item("B", {});
    tpl.Slot(kMyth) = Item("M", {});
    const Lines section = Between(ReportLines(tpl, Content(ReportContent::kItemNamesOnly)),
                                  "<== Weapon(s) ==>", kEnd);
    ASSERT_GE(section.size(), 3u);
    EXPECT_EQ(Lines(section.begin() + 2, section.end() - 1), c.names) << c.config;
  }
}

TEST(ReportItems, DetailBlockOfADroppedItem) {
  TTemplateRecord tpl = Template("D", kArmsman);
  TItemRecord item = Item("Cloak of <Shadows> & Light",
                          {{11, 5}, {1, 12}, {145, 3}, {148, 10}, {166, 2}, {250, 9}, {24, 2}});
  item.Unique = 1;
  item.Expansion = 3;
  item.Note.Assign("Dropped by a dragon");
  item.EffectKind[0] = 1;
  item.EffectId[0] = static_cast<std::uint16_t>(*EffectNumberOf("Lifedrain"));
  item.EffectKind[1] = 7;  // no such kind: not listed
  tpl.Slot(kCloak) = item;
  const Lines block =
      Between(ReportLines(tpl), "Cloak : Cloak of <Shadows> & Light", "<== Weapon(s) ==>");
  EXPECT_EQ(
      block,
      (Lines{"Cloak : Cloak of <Shadows> & Light",
             "( This item was edited manually or is Unique ( RoG ) )",
             "Item Notes : Dropped by a dragon", "Level :  50",
             "Expansion : Trials of Atlantis (ToA)", "Crush Resist                   :    5%",
             "Strength                       :   12", "Power Pool %                   :    3%",
             "Armor Factor                   :   10", "Evade Bonus (PvE)              :    2%",
             "Parry Skill                    :    2", "Normal Proc 1 : Lifedrain", "",
             "<== Armor ==>", ""}));

  ReportOptions quiet;
  quiet.Notes = false;
  quiet.Expansion = false;
  const Lines plain = ReportLines(tpl, quiet);
  EXPECT_FALSE(HasLine(plain, "Item Notes : Dropped by a dragon"));
  EXPECT_FALSE(HasLine(plain, "Expansion : Trials of Atlantis (ToA)"));
  EXPECT_TRUE(HasLine(plain, "Level :  50"));
}

TEST(ReportItems, NotesAndExpansionEdges) {
  struct Case {
    const char* note;
    bool shown;
  };
  const Case cases[] = {{"Imported QMI", false},
                        {"imported qmi", false},
                        {"", false},
                        {"Imported QMI twice", true},
                        {"Ok", true}};
  for (const Case& c : cases) {
    TTemplateRecord tpl = Template("N", kArmsman);
    TItemRecord item = Item("Ring", {});
    item.Note.Assign(c.note);
    tpl.Slot(kRing1) = item;
    EXPECT_EQ(HasLine(ReportLines(tpl), "Item Notes : " + std::string(c.note)), c.shown) << c.note;
  }
  TTemplateRecord tpl = Template("E", kArmsman);
  TItemRecord item = Item("Ring", {});
  item.Expansion = 200;  // beyond the expansion list
  tpl.Slot(kRing1) = item;
  EXPECT_TRUE(HasLine(ReportLines(tpl), "Expansion : <Unknown>"));
}

TEST(ReportItems, CraftedItemShowsGemsAndFifthSlot) {
  TTemplateRecord tpl = Template("C", kWizard);
  tpl.Slot(kChest) =
      CraftedItem("Crafted Robe", 51, 0, {{6, 26, 8}, {0, 0, 0}, {11, 9, 5}, {22, 25, 4}},
                  {{148, 10}, {150, 3}});
  const Lines block = Between(ReportLines(tpl), "Chest : Crafted Robe", "<== Weapon(s) ==>");
  EXPECT_EQ(block,
            (Lines{"Chest : Crafted Robe", "( This is a Crafted Item )", "Level :  51",
                   "Expansion : Classic Areas ('Mainland')",
                   "Intelligence                   :   26 ( Flawless dusty essence jewel )",
                   "Crush Resist                   :    9 ( Polished fiery shielding jewel )",
                   "Focus: All Lines               :   25 ( Imperfect brilliant focus sigil )",
                   "Armor Factor                   :   10",
                   "Melee Damage                   :    3%", ""}));

  // The second fifth-slot row is shown only beside the first; a resist
  // there is not a percentage.
  tpl.Slot(kChest) = CraftedItem("Odd Robe", 51, 0, {{6, 26, 8}}, {{0, 0}, {150, 3}});
  EXPECT_FALSE(HasLine(ReportLines(tpl), "Melee Damage                   :    3%"));
  tpl.Slot(kChest) = CraftedItem("Odd Robe", 51, 0, {{6, 26, 8}}, {{11, 4}});
  EXPECT_TRUE(HasLine(ReportLines(tpl), "Crush Resist                   :    4"));
}

TEST(ReportMaterials, NoCraftedItems) {
  TTemplateRecord tpl = Template("M", kArmsman, 0);
  tpl.Slot(kJewel) = Item("Jewel", {{1, 3}});
  tpl.Slot(kRightHand) = Item("Sword", {{28, 3}});
  TItemRecord ring = CraftedItem("Crafted ring", 51, 5, {{1, 5, 1}});  // jewellery never listed
  tpl.Slot(kRing1) = ring;
  const Lines lines = ReportLines(tpl, Content(ReportContent::kMaterialList));
  EXPECT_FALSE(HasLine(lines, "<== Main Stat Bonuses ==>"));
  EXPECT_EQ(
      Between(lines, kItems, kEnd),
      (Lines{"<== Equipment Info ==>", " ", "<== Jewelry ==>", "", "<== Armor ==>", "",
             "<== Weapon(s) ==>", "", "<== Spellcraft Materials Needed ==>", "", "", "", " "}));
}

TEST(ReportMaterials, CraftedWeaponsOfEveryWeaponSlot) {
  TTemplateRecord tpl = Template("M", kWarrior, 4);
  tpl.Slot(kRightHand) = CraftedItem("CR", 51, 5, {{104, 3, 2}});
  tpl.Slot(kLeftHand) = CraftedItem("CL", 51, 5, {{23, 3, 2}});
  tpl.Slot(kTwoHand) = CraftedItem("CT", 51, 5, {{105, 3, 2}});
  tpl.Slot(kRanged) = CraftedItem("CB", 51, 5, {{110, 3, 2}});
  tpl.Slot(kMyth) = Item("Myth", {{1, 10}});
  const Lines lines = ReportLines(tpl, Content(ReportContent::kMaterialList));
  for (const char* name : {"Right Hand : CR", "Left Hand : CL", "Two Hand : CT", "Ranged : CB"})
    EXPECT_TRUE(HasLine(lines, name)) << name;
  EXPECT_FALSE(HasLine(lines, "Myth : Myth"));

  // Outside material mode choice 4 lists no weapon, only the Myth item.
  const Lines normal = ReportLines(tpl, Content(ReportContent::kItemNamesOnly));
  EXPECT_EQ(Between(normal, "<== Weapon(s) ==>", kEnd),
            (Lines{"<== Weapon(s) ==>", "", "Myth : Myth", " "}));
}

TEST(ReportMaterials, GemLinesAndTally) {
  TTemplateRecord tpl = Template("M", kArmsman);
  // Gems in rows 1 and 3 only: the numbering keeps the gap.
  tpl.Slot(kCloak) = CraftedItem("Crafted Cloak", 51, 0, {{22, 25, 4}, {0, 0, 0}, {20, 1, 0}});
  tpl.Slot(kFeet) = CraftedItem("Crafted Boots", 51, 4, {{1, 29, 9}, {12, 7, 4}});
  ReportContext context{tpl, Content(ReportContent::kMaterialList), {}};
  const ReportDocument document = BuildReport(context);
  const Lines& lines = document.Lines;
  EXPECT_EQ(
      Between(lines, "Cloak : Crafted Cloak", "<== Armor ==>"),
      (Lines{"Cloak : Crafted Cloak", "( This is a Crafted Item )", "Level :  51",
             "Expansion : Classic Areas ('Mainland')",
             "Focus: All Lines               :   25 ( Imperfect brilliant focus sigil )",
             "All Melee Skills               :    1 ( Raw finesse war sigil )", "",
             "Gem 1 : 1 Pal , 21 Ground Draconic Scales , 5 Draconic Fire, Mystic Energy & "
             "Treant Blood",
             "Gem 3 : 1 Lo , 1 Ground Caer Stone , 2 Draconic Fire, Mystic Energy & Treant Blood",
             ""}));
  EXPECT_TRUE(HasLine(lines, "Gem 1 : 1 Ra , 37 Essence of Life , 10 Draconic Fire"));
  EXPECT_TRUE(HasLine(lines, "Gem 2 : 1 Pal , 21 Ground Draconic Scales , 5 Leviathan Blood"));

  MaterialTally expected;
  expected.Gems = {1, 0, 0, 0, 2, 0, 0, 0, 0, 1};
  expected.Dusts[static_cast<int>(GemDust::kGroundDraconicScales)] = 42;
  expected.Dusts[static_cast<int>(GemDust::kGroundCaerStone)] = 1;
  expected.Dusts[static_cast<int>(GemDust::kEssenceOfLife)] = 37;
  expected.Liquids[static_cast<int>(GemLiquid::kDraconicFire)] = 5 + 2 + 10;
  expected.Liquids[static_cast<int>(GemLiquid::kMysticEnergy)] = 5 + 2;
  expected.Liquids[static_cast<int>(GemLiquid::kTreantBlood)] = 5 + 2;
  expected.Liquids[static_cast<int>(GemLiquid::kLeviathanBlood)] = 5;
  EXPECT_EQ(document.Tally, expected);

  EXPECT_EQ(Between(lines, "<== Spellcraft Materials Needed ==>", kEnd),
            (Lines{"<== Spellcraft Materials Needed ==>", "", "1 Lo gem(s)", "2 Pal gem(s)",
                   "1 Ra gem(s)", "", "37 Essence of Life ", "1 Ground Caer Stone",
                   "42 Ground Draconic Scales", "", "17 Draconic Fire", "5 Leviathan Blood",
                   "7 Mystic Energy", "7 Treant Blood", " "}));
}

TEST(ReportMaterials, QualityOutsideTheLadder) {
  TTemplateRecord tpl = Template("Q", kDruid);
  tpl.Slot(kHands) = CraftedItem("Odd Gloves", 51, 3, {{1, 5, 12}, {2, 5, -1}});
  ReportContext context{tpl, Content(ReportContent::kMaterialList), {}};
  const ReportDocument document = BuildReport(context);
  EXPECT_TRUE(
      HasLine(document.Lines, "Strength                       :    5 ( fiery essence jewel )"));
  EXPECT_TRUE(
      HasLine(document.Lines, "Constitution                   :    5 ( earthen essence jewel )"));
  EXPECT_TRUE(HasLine(document.Lines, "Gem 1 :  , 49 Essence of Life , 13 Draconic Fire"));
  EXPECT_EQ(document.Tally.Gems, (std::array<std::int32_t, kGemQualityCount>{}));
  EXPECT_EQ(Between(document.Lines, "<== Spellcraft Materials Needed ==>", "").size(), 1u);
}

TEST(ReportMaterials, TallyAddsEveryGem) {
  MaterialTally tally;
  AddGemToTally(tally, 21, 0, 1);  // Hibernian all-casting: Fairy Dust
  AddGemToTally(tally, 21, 0, 1);
  AddGemToTally(tally, 99, 3, 0);   // a dust but no liquid
  AddGemToTally(tally, 185, 9, 2);  // no dust, no liquid
  EXPECT_EQ(tally.Gems[0], 2);
  EXPECT_EQ(tally.Gems[3], 1);
  EXPECT_EQ(tally.Gems[9], 1);
  EXPECT_EQ(tally.Dusts[static_cast<int>(GemDust::kFairyDust)], 2);
  EXPECT_EQ(tally.Dusts[static_cast<int>(GemDust::kGroundDraconicScales)], 16);
  EXPECT_EQ(tally.Liquids[static_cast<int>(GemLiquid::kDraconicFire)], 4);
  EXPECT_EQ(tally.Liquids[static_cast<int>(GemLiquid::kSwampFog)], 0);
  EXPECT_EQ(MaterialLines(tally), (Lines{"2 Lo gem(s)", "1 Ee gem(s)", "1 Ra gem(s)", "",
                                         "2 Fairy Dust", "16 Ground Draconic Scales", "",
                                         "4 Draconic Fire", "4 Mystic Energy", "4 Treant Blood"}));
}

}  // namespace
}  // namespace qm
