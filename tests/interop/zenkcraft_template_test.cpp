// Zenkcraft's templates: every position and kind of stat entry in our
// record, the crafted pieces matched to our designs, what the record cannot
// hold named, the files refused in one line, and what our writer puts out.
#include <gtest/gtest.h>

#include <cstring>
#include <pugixml.hpp>
#include <string>
#include <utility>
#include <vector>

#include "core/race_table.h"
#include "core/template_rules.h"
#include "interop/crafted_item_match.h"
#include "interop/zenkcraft_template.h"
#include "interop/zenkcraft_template_writer.h"
#include "spellcraft/spellcraft_item.h"
#include "tools/samples.h"

#include "interop/reader_fixture.h"

namespace qm {
namespace {

constexpr int kAnimist = 16;

ForeignTemplate ReadFixture() {
  Result<ForeignTemplate> read =
      ReadZenkcraftTemplate(testing::InteropFixture("zenkcraft/every_slot.znk"), "every_slot.znk");
  EXPECT_TRUE(read.Ok()) << read.Error();
  return read.Ok() ? read.Value() : ForeignTemplate{};
}

// A template around the given character elements and items.
std::string Template(const std::string& character, const std::string& items = "",
                     const std::string& trailer = "") {
  return "<?xml version=\"1.0\"?>\n<PlayerSaveData>\n" + character + "\n<items>" + items +
         "</items>\n" + trailer + "</PlayerSaveData>\n";
}

std::string Item(const std::string& position, const std::string& name, const std::string& stats,
                 const std::string& extra = "") {
  return "<Item><sourceType>Drop</sourceType><allowedPosition>" + position +
         "</allowedPosition><itemName>" + name + "</itemName>" + extra + "<stats>" + stats +
         "</stats></Item>\n";
}

std::string Stat(const std::string& type, const std::string& attribute, const std::string& amount) {
  return "<StatEntry><bonusType>" + type + "</bonusType><bonusAttribute>" + attribute +
         "</bonusAttribute><bonusAmount>" + amount + "</bonusAmount></StatEntry>";
}

const std::string kHibernian =
    "<playerName>Fiadh</playerName><realm>Hibernia</realm><className>Animist</className>"
    "<race>Celt</race><level>50</level>";

using Rows = std::vector<std::pair<int, int>>;

Rows RowsOf(const TItemRecord& item) {
  Rows rows;
  int last = -1;
  for (int r = 0; r < kBonusRows; ++r)
    if (item.BonusCode[r] != 0) last = r;
  for (int r = 0; r <= last; ++r) rows.emplace_back(item.BonusCode[r], item.BonusValue[r]);
  return rows;
}

TEST(ZenkcraftTemplate, SniffsThePlayerSaveDataRoot) {
  EXPECT_TRUE(LooksLikeZenkcraftTemplate(
      "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- saved --><PlayerSaveData xmlns:xsd=\"x\">"));
  EXPECT_FALSE(LooksLikeZenkcraftTemplate("<?xml version=\"1.0\"?><SCTemplate>"));
  EXPECT_FALSE(LooksLikeZenkcraftTemplate("<PlayerSaveDataX>"));
}

TEST(ZenkcraftTemplate, ReadsEveryPositionAndKindOfBonus) {
  const ForeignTemplate read = ReadFixture();
  const TTemplateRecord& tpl = read.Record;
  EXPECT_EQ(tpl.CharName.View(), "Fiadh");
  EXPECT_EQ(tpl.ClassIndex, kAnimist);
  EXPECT_EQ(RaceList(kAnimist)[tpl.RaceIndex], "Celt");
  EXPECT_EQ(tpl.CharLevel, 50);
  EXPECT_EQ(tpl.WeaponConfig, 2);  // "Two Handed"

  struct Expected {
    int Slot;
    std::string Name;
    bool Crafted;
    Rows Bonuses;
  };
  const Expected expected[] = {
      {kJewel,
       "Aiglean Earring",
       false,
       {{12, 8}, {10, 24}, {170, 3}, {20, 1}, {181, 1}, {182, 1}}},
      {kNeck, "Paidrean Necklace", false, {{18, 10}, {19, 10}, {101, 10}, {145, 4}}},
      {kCloak,
       "Cloak of Many Leaves",
       false,
       {{2, 10}, {147, 3}, {160, 4}, {161, 2}, {184, 2}, {156, 5}}},
      // The unknown first entry leaves its row empty.
      {kBelt, "Girdle of Embers", false, {{0, 0}, {5, 3}, {7, 3}, {8, 3}, {4, 3}, {1, 3}}},
      {kRing1, "Band of Swiftness", false, {{198, 3}, {149, 2}, {151, 2}, {157, 1}, {158, 1}}},
      {kRing2,
       "Ring of Limits",
       false,
       {{134, 1},
        {135, 2},
        {136, 3},
        {137, 4},
        {138, 5},
        {140, 6},
        {141, 7},
        {143, 8},
        {1, 1},
        {2, 1}}},
      {kWrist1, "Crushbender Bracer", false, {{3, 17}, {0, 0}, {11, 7}}},
      {kWrist2, "Fortifying Bracer", false, {{2, 23}}},
      {kChest, "Mystic Torso", true, {{6, 26}, {3, 20}, {10, 68}, {18, 15}}},
      {kHead, "Circlet of Insight", false, {{6, 15}, {142, 5}, {139, 4}, {144, 3}, {146, 20}}},
      {kArms, "Sleeves of the Grove", false, {{15, 9}, {16, 9}, {9, 9}, {73, 3}}},
      {kHands, "Spellcrafted Hands", true, {{3, 19}, {13, 5}, {19, 11}, {21, 1}}},
      {kLegs, "Vine Leggings", false, {{2, 22}, {74, 2}}},
      {kFeet, "Boots of the Bog", false, {{11, 4}, {12, 4}, {14, 6}, {17, 6}}},
      {kRightHand, "Spiked Club", false, {{66, 3}, {150, 2}}},
      {kLeftHand, "Oak Buckler", false, {{23, 2}, {148, 5}}},
      {kTwoHand, "Magus Staff", false, {{22, 50}, {21, 2}, {152, 3}, {153, 4}, {155, 5}, {154, 3}}},
      {kRanged, "Short Bow", false, {{72, 3}, {159, 2}}},
      {kMyth, "Mythirian of Ire", false, {{14, 5}, {3, 5}}},
  };
  for (const Expected& e : expected) {
    const TItemRecord& item = tpl.Slot(e.Slot);
    EXPECT_EQ(item.Name.View(), e.Name) << "slot " << e.Slot;
    EXPECT_EQ(read.Crafted[static_cast<std::size_t>(e.Slot - 1)], e.Crafted) << "slot " << e.Slot;
    EXPECT_EQ(RowsOf(item), e.Bonuses) << "slot " << e.Slot;
    EXPECT_EQ(item.SlotKind, SlotKindOf(e.Slot)) << "slot " << e.Slot;
  }
  EXPECT_EQ(tpl.Slot(kFeet).Level, 50);
  EXPECT_EQ(tpl.Slot(kFeet).Quality, 94 - 70);
  EXPECT_EQ(tpl.Slot(kTwoHand).Note.View(), "Proc: 68 DD Heat");
  EXPECT_EQ(read.Warnings, (std::vector<std::string>{
                               "slot 4 Belt: unknown bonus \"Bonus Essence Damage\" left out",
                               "slot 6 Ring 2: bonus 11 \"Dexterity\" left out (an item holds ten)",
                               "slot 13 Legs: disabled item \"Old Leggings\" left out; \"Vine "
                               "Leggings\" is used",
                           }));
}

TEST(ZenkcraftTemplate, CraftedPiecesOnOurLaddersBecomeDesigns) {
  ForeignTemplate read = ReadFixture();
  MatchCraftedItems(read);
  const TItemRecord& chest = read.Record.Slot(kChest);
  ASSERT_TRUE(IsSpellcrafted(chest));
  // Gem rows 1..4, their tiers in rows 5..8, name, level, quality and notes kept.
  EXPECT_EQ(RowsOf(chest), (Rows{{6, 26}, {3, 20}, {10, 68}, {18, 15}}));
  EXPECT_EQ(std::vector<int>(chest.BonusValue + 4, chest.BonusValue + 8),
            (std::vector<int>{8, 6, 8, 8}));
  EXPECT_EQ(chest.Name.View(), "Mystic Torso");
  EXPECT_EQ(chest.Level, 51);
  EXPECT_EQ(chest.Quality, 99 - 70);
  EXPECT_EQ(chest.Note.View(), "Imbued by Aine");
  // Dexterity 19 is on no ladder of ours: the hands stay a plain item.
  const TItemRecord& hands = read.Record.Slot(kHands);
  EXPECT_FALSE(IsSpellcrafted(hands));
  EXPECT_EQ(RowsOf(hands), (Rows{{3, 19}, {13, 5}, {19, 11}, {21, 1}}));
  // The rules keep every plain piece: the class may use each.
  EnforceTemplateRules(read.Record);
  const ForeignTemplate before = ReadFixture();
  for (int slot : {kJewel, kHands, kTwoHand, kMyth}) {
    EXPECT_EQ(std::memcmp(&read.Record.Slot(slot), &before.Record.Slot(slot), sizeof(TItemRecord)),
              0)
        << "slot " << slot;
  }
}

TEST(ZenkcraftTemplate, NamesWhatOurRecordCannotHold) {
  const std::string items = Item("Pocket", "Lucky Coin", Stat("Stat", "Strength", "3")) +
                            Item("Torso", "Huge Vest", Stat("Stat", "Strength", "3000000000"),
                                 "<level>300</level><quality>60</quality>") +
                            Item("Arms", std::string(60, 'a'), Stat("Stat", "Strength", "3"));
  const Result<ForeignTemplate> read = ReadZenkcraftTemplate(
      Template("<realm>Midgard</realm><className>Druidess</className><race>Elf</race>", items,
               "<selectedWeaponType>Dual Wield</selectedWeaponType>"),
      "odd.znk");
  ASSERT_TRUE(read.Ok()) << read.Error();
  EXPECT_EQ(read.Value().Record.ClassIndex, 32);  // Midgard's first class
  EXPECT_EQ(read.Value().Record.RaceIndex, 0);
  EXPECT_EQ(read.Value().Record.WeaponConfig, 0);
  EXPECT_EQ(read.Value().Warnings,
            (std::vector<std::string>{
                "class \"Druidess\" does not exist in Midgard; the template keeps Berserker",
                "race \"Elf\" does not exist in Midgard; left as <None>",
                "item \"Lucky Coin\": position \"Pocket\" is no slot of ours, left out",
                "slot 9 Chest: \"Stat Strength\" value 3000000000 cannot be held, left out",
                "slot 9 Chest: level 300 cannot be held, read as 51",
                "slot 9 Chest: quality 60 cannot be held, left unset",
                "slot 11 Arms: name cut to 51 characters",
                "weapon \"Dual Wield\" is not known; the right and left hand are counted",
            }));
}

TEST(ZenkcraftTemplate, RefusesBrokenFilesInOneLine) {
  const std::string level = "<level>50</level>";
  struct Case {
    std::string Text;
    std::string Error;
  };
  const Case cases[] = {
      {"", "t.znk, line 1: not well-formed XML (No document element found)"},
      {"<PlayerSaveData>\n<items><Item></items>\n</PlayerSaveData>",
       "t.znk, line 2: not well-formed XML (Start-end tags mismatch)"},
      {"<?xml version=\"1.0\"?>\n<SCTemplate/>",
       "t.znk, line 2: not a Zenkcraft template (the root is <SCTemplate>, not <PlayerSaveData>)"},
      {Template("<level>fif\nty</level>"), "t.znk, line 3: level \"fif ty\" is not a number"},
      {Template("<level>0</level>"), "t.znk, line 3: level 0 is outside 1-50"},
      {Template("<level>51</level>"), "t.znk, line 3: level 51 is outside 1-50"},
      {Template(level, Item("Torso", "Vest", Stat("Stat", "Strength", "3x"))),
       "t.znk, line 4: bonusAmount \"3x\" is not a number"},
      {Template(level, Item("Torso", "Vest", "", "<quality>high</quality>")),
       "t.znk, line 4: quality \"high\" is not a number"},
      {std::string(kMaxZenkcraftBytes + 1, ' '), "t.znk: larger than 16 MiB"},
  };
  for (const Case& c : cases) {
    const Result<ForeignTemplate> read = ReadZenkcraftTemplate(c.Text, "t.znk");
    ASSERT_FALSE(read.Ok()) << c.Error;
    EXPECT_EQ(read.Error(), c.Error);
  }
}

std::vector<std::string> ChildNames(const pugi::xml_node& node) {
  std::vector<std::string> names;
  for (const pugi::xml_node child : node.children()) names.emplace_back(child.name());
  return names;
}

TEST(ZenkcraftTemplateWriter, WritesZenkcraftsElementsInItsOrder) {
  TTemplateRecord tpl = samples::SampleTemplates().front().tpl;
  const TemplateExport written = WriteZenkcraftTemplate(tpl);
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(written.Text.c_str()));
  const pugi::xml_node root = document.document_element();
  EXPECT_EQ(ChildNames(root),
            (std::vector<std::string>{"playerName", "realm", "className", "race", "level", "items",
                                      "SF_TemplateID", "selectedWeaponType",
                                      "AutoTemplate_StatOrder", "AutoTemplate_DisabledStats"}));
  EXPECT_EQ(ChildNames(root.child("items").first_child()),
            (std::vector<std::string>{"sourceType", "allowedPosition", "itemName", "itemNotes",
                                      "numFeathers", "level", "quality", "itemEnabled",
                                      "AT_itemIncluded", "stats"}));
  EXPECT_EQ(ChildNames(root.child("items").first_child().child("stats").first_child()),
            (std::vector<std::string>{"bonusType", "bonusAttribute", "bonusAmount"}));
}

TEST(ZenkcraftTemplateWriter, NamesWhatZenkcraftCannotHold) {
  TTemplateRecord tpl = EmptyTemplate();
  tpl.ClassIndex = kAnimist;
  tpl.RealmRank = 5;
  tpl.ServerType = kPvP;
  tpl.WeaponConfig = 4;
  TItemRecord myth = samples::MakeItem("Mythirian of Haste", {{191, 5}, {3, 4}});
  myth.EffectKind[0] = 6;
  myth.ItemType = 8;  // Artifact
  tpl.Slot(kMyth) = myth;
  const TemplateExport written = WriteZenkcraftTemplate(tpl);
  EXPECT_EQ(written.Warnings,
            (std::vector<std::string>{
                "realm rank 5 not carried (Zenkcraft keeps none)",
                "server type \"PvP\" not carried",
                "slot 19 Myth: item type \"Artifact\" written as Drop",
                "slot 19 Myth: effect 1 \"Mythirians\" left out (Zenkcraft keeps no procs or "
                "charges)",
                "slot 19 Myth: bonus \"Melee Speed Vs.\" has no Zenkcraft word, left out",
                "weapon configuration \"No weapons equipped\" not carried; Zenkcraft counts the "
                "right hand",
            }));
  // The bonus left out keeps its row empty, so Dexterity stays second.
  const Result<ForeignTemplate> read = ReadZenkcraftTemplate(written.Text, "out.znk");
  ASSERT_TRUE(read.Ok()) << read.Error();
  EXPECT_EQ(RowsOf(read.Value().Record.Slot(kMyth)), (Rows{{0, 0}, {3, 4}}));
}

}  // namespace
}  // namespace qm
