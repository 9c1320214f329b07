// Loki's templates: the character, the crafted gems' tier indices turned into
// our ladder values, the dropped items' bonuses against a second reading of
// the file with pugixml, what the record cannot hold named one line each, and
// the files refused with their line.
#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "core/bonus_catalogue.h"
#include "interop/loki_template.h"
#include "interop/loki_vocabulary.h"

#include "interop/reader_fixture.h"

namespace qm {
namespace {

const std::string& Wizard() {
  static const std::string text = testing::InteropFixture("loki/wizard.mmr");
  return text;
}

ForeignTemplate ReadWizard() {
  Result<ForeignTemplate> read = ReadLokiTemplate(Wizard(), "wizard.mmr");
  EXPECT_TRUE(read.Ok()) << read.Error();
  return read.Ok() ? read.Value() : ForeignTemplate{};
}

using Row = std::pair<std::string, int>;

std::vector<Row> Rows(const TItemRecord& item) {
  std::vector<Row> rows;
  for (int k = 0; k < kBonusRows; ++k) {
    if (item.BonusCode[k] != 0)
      rows.emplace_back(std::string(BonusName(item.BonusCode[k])), item.BonusValue[k]);
  }
  return rows;
}

TEST(LokiTemplate, SniffsTheRootElement) {
  EXPECT_TRUE(LooksLikeLokiTemplate(Wizard()));
  EXPECT_FALSE(LooksLikeLokiTemplate("<?xml version=\"1.0\"?>\n<SCTemplate/>"));
  EXPECT_FALSE(LooksLikeLokiTemplate("<characters/>"));
}

TEST(LokiTemplate, ReadsTheCharacterAndWhatIsCraftedAndInUse) {
  const ForeignTemplate tpl = ReadWizard();
  EXPECT_EQ(tpl.Record.CharName.Str(), "Ealasaid");
  EXPECT_EQ(tpl.Record.CharLevel, 48);
  EXPECT_EQ(tpl.Record.ClassIndex, 15);   // Wizard, although the file says Midgard
  EXPECT_EQ(tpl.Record.RaceIndex, 2);     // Briton
  EXPECT_EQ(tpl.Record.WeaponConfig, 2);  // only the staff is equipped
  std::vector<int> crafted;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (tpl.Crafted[static_cast<std::size_t>(slot - 1)]) crafted.push_back(slot);
  }
  EXPECT_EQ(crafted, (std::vector<int>{kChest, kHead, kArms}));
  EXPECT_EQ(tpl.Record.Slot(kLeftHand).Name.Str(), " ");  // no name, no gem: left empty
}

TEST(LokiTemplate, CraftedGemTiersBecomeOurLadderValuesInGemOrder) {
  const ForeignTemplate tpl = ReadWizard();
  EXPECT_EQ(Rows(tpl.Record.Slot(kChest)),
            (std::vector<Row>{
                {"Dexterity", 29}, {"Body Resist", 7}, {"Hit Points", 68}, {"Power Points", 3}}));
  EXPECT_EQ(
      Rows(tpl.Record.Slot(kArms)),
      (std::vector<Row>{
          {"Fire Magic", 4}, {"Focus:Fire", 50}, {"All Casting Skills", 1}, {"Crush Resist", 9}}));
  // The tier past the ladder and the stat no gem gives are warnings below.
  EXPECT_EQ(Rows(tpl.Record.Slot(kHead)),
            (std::vector<Row>{{"Intelligence", 29}, {"Energy Resist", 1}}));
}

// The dropped items read a second way: every gem of the variant in use, in
// order, its amount the value, up to the tenth we have a code for.
TEST(LokiTemplate, DroppedBonusesMatchASecondReadingOfTheFile) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_buffer(Wizard().data(), Wizard().size()));
  const ForeignTemplate tpl = ReadWizard();
  int dropped = 0;
  for (const pugi::xml_node item : document.child("character").child("items").children("item")) {
    const int slot = LokiSlot(item.attribute("loc").as_string());
    if (slot == 0 || std::string(item.attribute("origin").as_string()) != "drop") continue;
    std::vector<int> expected;
    for (const pugi::xml_node gem : item.child("drop").children("gem")) {
      if (LokiBonusCode(gem.child_value("type"), gem.child_value("effect")) == 0) continue;
      if (expected.size() < static_cast<std::size_t>(kBonusRows))
        expected.push_back(gem.child("amount").text().as_int());
    }
    std::vector<int> values;
    for (const Row& row : Rows(tpl.Record.Slot(slot))) values.push_back(row.second);
    EXPECT_EQ(values, expected) << SlotName(slot);
    EXPECT_EQ(tpl.Record.Slot(slot).Name.Str(), item.child("drop").attribute("name").as_string());
    ++dropped;
  }
  EXPECT_EQ(dropped, 13);
}

TEST(LokiTemplate, GemWordsBecomeOurBonusCodes) {
  struct Case {
    std::string_view Type, Effect, OurName;
  };
  for (const Case& c :
       {Case{"Hits", "", "Hit Points"}, Case{"Power", "", "Power Points"},
        Case{"Skill", "All Magic", "All Casting Skills"},
        Case{"Skill", "All Melee", "All Melee Skills"},
        Case{"Focus", "All Focus", "Focus: All Lines"}, Case{"Stat", "AF", "Armor Factor"},
        Case{"Stat", "Acuity", "Acuity"}, Case{"Skill", "Arboreal Path", "Arboreal Path"},
        Case{"Focus", "Arboreal Path", "Focus:Arboreal"},
        Case{"Resist", "Spirit", "Spirit Resist"}}) {
    EXPECT_EQ(BonusName(LokiBonusCode(c.Type, c.Effect)), c.OurName) << c.Type << " " << c.Effect;
  }
}

TEST(LokiTemplate, NamesEverythingTheRecordCannotHold) {
  EXPECT_EQ(ReadWizard().Warnings,
            (std::vector<std::string>{
                "class \"Wizard\" does not exist in Midgard; Albion's is taken",
                "slot 10 Head: gem \"Skill All Magic\" has tier index 1, past the last of ours "
                "(0); left out",
                "slot 10 Head: no gem gives \"Stat Acuity\"; left out",
                "item at \"Pocket\": a location we cannot place; \"Lucky Pebble\" left out",
                "slot 3 Cloak: no row for an eleventh bonus, \"Resist Spirit\" 2 left out",
                "slot 9 Chest: 2 items for the slot; \"Crafted Chest\" is the equipped one, "
                "\"Unnamed Chest\" left out",
                "slot 12 Hands: unknown bonus \"Other Bonus Essence Damage\" left out",
            }));
}

TEST(LokiTemplate, RefusesWhatCannotBeATemplateNamingTheLine) {
  const std::string gem =
      "<character level=\"50\">\n<items>\n<item loc=\"Neck\" origin=\"drop\">\n"
      "<drop name=\"Torc\"><gem><type>Stat</type>\n<amount>many</amount>"
      "<effect>Strength</effect></gem></drop></item></items></character>";
  struct Case {
    std::string Text, Error;
  };
  for (const Case& c : {
           Case{"<character level=\"fifty\"/>",
                "t.mmr, line 1: level \"fifty\" is not a whole number"},
           Case{"\n<character level=\"51\"/>", "t.mmr, line 2: level 51 is outside 1-50"},
           Case{"<character level=\"0\"/>", "t.mmr, line 1: level 0 is outside 1-50"},
           Case{gem, "t.mmr, line 5: gem amount \"many\" is not a whole number"},
           Case{"<character>\n<items>\n</character>",
                "t.mmr, line 3: not well-formed XML (Start-end tags mismatch)"},
           Case{"<?xml version=\"1.0\"?>\n<SCTemplate/>",
                "t.mmr, line 2: not a Loki template (the root element is <SCTemplate>, not "
                "<character>)"},
           Case{"<character>" + std::string(16u << 20, ' ') + "</character>",
                "t.mmr: larger than 16 MiB, too large to be a Loki template"},
       }) {
    const Result<ForeignTemplate> read = ReadLokiTemplate(c.Text, "t.mmr");
    ASSERT_FALSE(read.Ok()) << c.Error;
    EXPECT_EQ(read.Error(), c.Error);
  }
}

}  // namespace
}  // namespace qm
