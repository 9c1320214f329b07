// Kort's one-item files: the item in our words, bonus codes through the XML
// import's words, a second reading of the slots with pugixml, and the files
// that break off or are no Kort item.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <pugixml.hpp>
#include <sstream>

#include "core/bonus_catalogue.h"
#include "interop/kort_vocabulary.h"
#include "interop/kort_xml_reader.h"

#include "interop/reader_fixture.h"

namespace qm {
namespace {

std::string Fixture(const std::string& name) {
  return testing::InteropFixture("kort/" + name);
}

using Read = testing::Reading;

Read ReadText(std::string_view text) {
  return testing::ReadWith<ReadKortXml>(text);
}

TEST(KortXmlReader, SniffsTheFirstElement) {
  EXPECT_TRUE(LooksLikeKortXml(Fixture("crafted_vest.xml")));
  EXPECT_FALSE(LooksLikeKortXml("<?xml version=\"1.0\"?>\n<SCTemplate><SCItem/></SCTemplate>"));
  EXPECT_FALSE(LooksLikeKortXml("<daoc_items><item/></daoc_items>"));
}

TEST(KortXmlReader, ReadsTheItemInOurWords) {
  struct Expected {
    std::string File;
    std::string Name;
    int Realm, SlotKind, Armor, Level, Quality, BonusLevel, SpeedTenths;
    std::string WeaponType;
    bool Crafted;
  };
  for (const Expected& e : {
           Expected{"crafted_vest.xml", "Crafted Studded Vest", 0, 7, 3, 51, 99, 0, 0, "", true},
           Expected{"drop_bow.xml", "Bow of the Quiet Glade", 1, 21, 0, 50, 100, 35, 47,
                    "Bow (Long, Recurve, and Composite Bows)", false},
           Expected{"latin1_ring.xml", "Anneau d'\xC3\xA9t\xC3\xA9", 2, 5, 0, 45, 100, 0, 0, "",
                    false},
       }) {
    const Read read = ReadText(Fixture(e.File));
    ASSERT_TRUE(read.Outcome.Ok()) << e.File << ": " << read.Outcome.Error();
    ASSERT_EQ(read.Outcome.Value().Items.size(), 1u) << e.File;
    const ForeignItem& item = read.Outcome.Value().Items[0];
    EXPECT_EQ(item.Name, e.Name);
    EXPECT_EQ(item.Realm, e.Realm) << e.File;
    EXPECT_EQ(item.SlotKind, e.SlotKind) << e.File;
    EXPECT_EQ(item.Armor, e.Armor) << e.File;
    EXPECT_EQ(item.Level, e.Level) << e.File;
    EXPECT_EQ(item.Quality, e.Quality) << e.File;
    EXPECT_EQ(item.BonusLevel, e.BonusLevel) << e.File;
    EXPECT_EQ(item.SpeedTenths, e.SpeedTenths) << e.File;
    EXPECT_EQ(item.WeaponType, e.WeaponType) << e.File;
    EXPECT_EQ(item.Crafted, e.Crafted) << e.File;
    EXPECT_TRUE(read.Outcome.Value().StoppedAt.empty()) << e.File;
  }
}

TEST(KortXmlReader, SlotTypeAndEffectBecomeOurBonusCode) {
  struct Case {
    std::string_view Type, Effect, OurName;
  };
  for (const Case& c :
       {Case{"Resist", "Crush", "Crush Resist"}, Case{"Skill", "Crush", "Crush Skill "},
        Case{"Skill", "Archery", "All Archery Skills"}, Case{"Focus", "Fire", "Focus:Fire"},
        Case{"Focus", "Ethereal Shriek", "Focus:Ethereal Shriek"},
        Case{"Cap Increase", "Strength", "Strength Cap"}, Case{"Stat", "Hits", "Hit Points"},
        Case{"PvE Bonus", "Arcane Siphon", "Arcane Siphoning"},
        Case{"Resist", "Essence", "Essence Resist"}, Case{"Focus", "Cursing", "Focus:Cursing"},
        Case{"Other Bonus", "% Power Pool", "Power Pool %"},
        Case{"Other Bonus", "Melee Combat Speed", "Melee Speed"},
        Case{"Other Bonus", "Stat Debuff Effectiveness", "Debuff Bonus"}}) {
    EXPECT_EQ(BonusName(KortBonusCode(c.Type, c.Effect)), c.OurName) << c.Type << " " << c.Effect;
  }
  EXPECT_EQ(KortBonusCode("Other Bonus", "Essence Damage"), 0);
}

// The slots read a second way, with pugixml directly: every used slot is a
// bonus named by its type and effect, none left out and none merged.
TEST(KortXmlReader, BonusesMatchASecondReadingOfTheFile) {
  for (const char* file : {"crafted_vest.xml", "drop_bow.xml", "latin1_ring.xml"}) {
    const std::string text = Fixture(file);
    pugi::xml_document document;
    ASSERT_TRUE(
        document.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_latin1));
    std::vector<std::pair<std::string, int>> expected;
    for (const pugi::xml_node slot : document.child("SCItem").children("SLOT")) {
      const std::string type = slot.child_value("Type");
      if (type == "Unused") continue;
      expected.emplace_back(type + " " + slot.child_value("Effect"),
                            std::atoi(slot.child_value("Amount")));
    }
    const Read read = ReadText(text);
    ASSERT_TRUE(read.Outcome.Ok());
    std::vector<std::pair<std::string, int>> bonuses;
    for (const ForeignBonus& b : read.Outcome.Value().Items.at(0).Bonuses) {
      bonuses.emplace_back(b.Name, b.Value);
    }
    EXPECT_EQ(bonuses, expected) << file;
  }
}

TEST(KortXmlReader, AFileThatBreaksOffGivesNoItemAndSaysWhere) {
  const std::string text = Fixture("drop_bow.xml");
  const Read read = ReadText(std::string_view(text).substr(0, text.find("<SLOT Number=\"2\">")));
  ASSERT_TRUE(read.Outcome.Ok());
  EXPECT_TRUE(read.Outcome.Value().Items.empty());
  EXPECT_EQ(read.Outcome.Value().StoppedAt, "stopped at line 23: the file breaks off");
}

TEST(KortXmlReader, RefusesWhatIsNoKortItem) {
  for (const char* text :
       {"<?xml version=\"1.0\"?><SCTemplate><SCItem/></SCTemplate>", "not xml at all", ""}) {
    const Read read = ReadText(text);
    ASSERT_FALSE(read.Outcome.Ok()) << text;
    EXPECT_EQ(read.Outcome.Error(), "not a Kort item file (no <SCItem> element)");
  }
}

TEST(KortXmlReader, AnItemWithoutANameIsCounted) {
  const Read read = ReadText("<SCItem><Location>Neck</Location></SCItem>");
  ASSERT_TRUE(read.Outcome.Ok());
  EXPECT_TRUE(read.Outcome.Value().Items.empty());
  EXPECT_EQ(read.Tally.SkippedCount(), 1u);
}

}  // namespace
}  // namespace qm
