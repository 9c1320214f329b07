// Kort's templates: the character and realm rank, the items the active outfit
// wears read against a second reading of the file with pugixml, the items
// left out beside them named, and the files refused with their line.
#include <gtest/gtest.h>

#include <map>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "interop/kort_template.h"
#include "interop/kort_vocabulary.h"

#include "interop/reader_fixture.h"

namespace qm {
namespace {

const std::string& Hibernian() {
  static const std::string text = testing::InteropFixture("kort_template/hibernian_template.xml");
  return text;
}

ForeignTemplate ReadHibernian() {
  Result<ForeignTemplate> read = ReadKortTemplate(Hibernian(), "hibernian.xml");
  EXPECT_TRUE(read.Ok()) << read.Error();
  return read.Ok() ? read.Value() : ForeignTemplate{};
}

std::string WithRealmRank(std::string_view rank) {
  return "<SCTemplate><Class>Druid</Class><Realm>Hibernia</Realm><RealmRank>" + std::string(rank) +
         "</RealmRank></SCTemplate>";
}

TEST(KortTemplate, SniffsTheRootElement) {
  EXPECT_TRUE(LooksLikeKortTemplate(Hibernian()));
  EXPECT_FALSE(LooksLikeKortTemplate("<?xml version=\"1.0\"?>\n<SCItem/>"));
  EXPECT_FALSE(LooksLikeKortTemplate("<character/>"));
}

TEST(KortTemplate, ReadsTheCharacter) {
  const ForeignTemplate tpl = ReadHibernian();
  EXPECT_EQ(tpl.Record.CharName.Str(), "Brannagh");
  EXPECT_EQ(tpl.Record.CharLevel, 50);
  EXPECT_EQ(tpl.Record.RealmRank, 5);
  EXPECT_EQ(tpl.Record.ClassIndex, 16);   // the unknown class leaves Hibernia's first
  EXPECT_EQ(tpl.Record.RaceIndex, 1);     // Celt
  EXPECT_EQ(tpl.Record.ChampionFlag, 1);  // champion level 0, but a mythirian is worn
  EXPECT_EQ(tpl.Record.WeaponConfig, 2);  // the outfit equips only the two-hander
  std::vector<int> crafted;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (tpl.Crafted[static_cast<std::size_t>(slot - 1)]) crafted.push_back(slot);
  }
  EXPECT_EQ(crafted, (std::vector<int>{kChest, kArms, kHands, kLegs, kRightHand}));
}

// The active outfit read a second way: each item it names stands in its
// location's slot with its name and the amounts of the slots we have a code
// for, in order.
TEST(KortTemplate, TheActiveOutfitMatchesASecondReadingOfTheFile) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_buffer(Hibernian().data(), Hibernian().size()));
  const pugi::xml_node root = document.child("SCTemplate");
  std::map<int, pugi::xml_node> byIndex;
  for (const pugi::xml_node item : root.children("SCItem"))
    byIndex[item.child("TemplateIndex").text().as_int()] = item;
  const pugi::xml_node outfit = root.find_child_by_attribute("Outfit", "Active", "1");
  const ForeignTemplate tpl = ReadHibernian();
  int placed = 0;
  for (const pugi::xml_node entry : outfit.children("OutfitItem")) {
    const pugi::xml_node item = byIndex.at(entry.attribute("Index").as_int());
    const int slot = KortSlot(item.child_value("Location"));
    if (slot == 0) continue;
    std::vector<int> expected;
    for (const pugi::xml_node bonus : item.children("SLOT")) {
      if (KortBonusCode(bonus.child_value("Type"), bonus.child_value("Effect")) != 0)
        expected.push_back(bonus.child("Amount").text().as_int());
    }
    const TItemRecord& record = tpl.Record.Slot(slot);
    std::vector<int> values;
    for (int k = 0; k < kBonusRows; ++k) {
      if (record.BonusCode[k] != 0) values.push_back(record.BonusValue[k]);
    }
    EXPECT_EQ(record.Name.Str(), item.child_value("ItemName")) << SlotName(slot);
    EXPECT_EQ(values, expected) << SlotName(slot);
    ++placed;
  }
  EXPECT_EQ(placed, kSlotCount);
}

TEST(KortTemplate, NamesEverythingTheRecordCannotHold) {
  EXPECT_EQ(ReadHibernian().Warnings,
            (std::vector<std::string>{
                "class \"Spellsword\" unknown; Animist stands in",
                "notes left out: our template has no place for them",
                "item at \"Spare\": a location we cannot place; \"Spare Sigil\" left out",
                "slot 6 Ring 2: 2 items for the slot; \"Band of Stone\" is the equipped one, "
                "\"Band Left Behind\" left out",
                "slot 9 Chest: 2 items for the slot; \"Crafted Vest\" is the equipped one, "
                "\"Dropped Vest\" left out",
                "slot 10 Head: unknown bonus \"Charged Effect Self Melee Haste\" left out",
            }));
}

TEST(KortTemplate, RealmRankKeepsTheRankWithinOneToThirteen) {
  struct Case {
    std::string_view Text;
    int Rank;
    bool Warned;
  };
  for (const Case& c : {Case{"5L3", 5, false}, Case{"13", 13, false}, Case{"14L2", 13, true},
                        Case{"0L0", 1, true}, Case{"", 1, false}}) {
    const Result<ForeignTemplate> read = ReadKortTemplate(WithRealmRank(c.Text), "t.xml");
    ASSERT_TRUE(read.Ok()) << c.Text << ": " << read.Error();
    EXPECT_EQ(read.Value().Record.RealmRank, c.Rank) << c.Text;
    EXPECT_EQ(read.Value().Warnings.size(), c.Warned ? 1u : 0u) << c.Text;
  }
}

TEST(KortTemplate, RefusesWhatCannotBeATemplateNamingTheLine) {
  const std::string slot =
      "<SCTemplate>\n<SCItem><Location>Neck</Location>\n<SLOT><Type>Stat</Type>"
      "<Effect>Strength</Effect>\n<Amount>lots</Amount></SLOT></SCItem></SCTemplate>";
  struct Case {
    std::string Text, Error;
  };
  for (const Case& c : {
           Case{"<SCTemplate>\n<Level>L50</Level></SCTemplate>",
                "t.xml, line 2: level \"L50\" is not a whole number"},
           Case{"<SCTemplate><Level>60</Level></SCTemplate>",
                "t.xml, line 1: level 60 is outside 1-50"},
           Case{WithRealmRank("VL3"), "t.xml, line 1: realm rank \"V\" is not a whole number"},
           Case{slot, "t.xml, line 4: bonus amount \"lots\" is not a whole number"},
           Case{"<SCTemplate>\n<Name>Brannagh</SCTemplate>",
                "t.xml, line 2: not well-formed XML (Start-end tags mismatch)"},
           Case{"<SCItem/>",
                "t.xml, line 1: not a Kort template (the root element is <SCItem>, not "
                "<SCTemplate>)"},
           Case{"", "t.xml, line 1: not well-formed XML (No document element found)"},
       }) {
    const Result<ForeignTemplate> read = ReadKortTemplate(c.Text, "t.xml");
    ASSERT_FALSE(read.Ok()) << c.Error;
    EXPECT_EQ(read.Error(), c.Error);
  }
}

}  // namespace
}  // namespace qm
