// Moras exports: every item in our words, a second reading of the effects
// with pugixml, and exports that break off or are no Moras export.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <pugixml.hpp>
#include <sstream>

#include "core/bonus_catalogue.h"
#include "interop/moras_vocabulary.h"
#include "interop/moras_xml_reader.h"

#include "interop/reader_fixture.h"

namespace qm {
namespace {

std::string Fixture() {
  return testing::InteropFixture("moras/items.xml");
}

using Read = testing::Reading;

Read ReadText(std::string_view text) {
  return testing::ReadWith<ReadMorasXml>(text);
}

const ForeignItem* ById(const std::vector<ForeignItem>& items, std::string_view id) {
  for (const ForeignItem& item : items) {
    if (item.SourceId == id) return &item;
  }
  return nullptr;
}

TEST(MorasXmlReader, SniffsTheExport) {
  EXPECT_TRUE(LooksLikeMorasXml(Fixture().substr(0, 4096)));
  EXPECT_FALSE(LooksLikeMorasXml("<?xml version=\"1.0\"?>\n<SCItem><Location>Neck</Location>"));
}

TEST(MorasXmlReader, ReadsEveryItemInOurWords) {
  const Read read = ReadText(Fixture());
  ASSERT_TRUE(read.Outcome.Ok()) << read.Outcome.Error();
  const std::vector<ForeignItem>& items = read.Outcome.Value().Items;
  EXPECT_EQ(items.size(), 5u);
  EXPECT_EQ(read.Tally.SkippedCount(), 1u);  // the item without a name

  const ForeignItem* hauberk = ById(items, "900001");
  ASSERT_NE(hauberk, nullptr);
  EXPECT_EQ(hauberk->Name, "Glade Warden's Hauberk");
  EXPECT_EQ(hauberk->Realm, 1);
  EXPECT_EQ(hauberk->SlotKind, 7);
  EXPECT_EQ(hauberk->Armor, 4);
  EXPECT_EQ(hauberk->Level, 51);
  EXPECT_EQ(hauberk->BonusLevel, 47);
  EXPECT_EQ(hauberk->Classes, (std::vector<int>{24, 31}));  // Hero, Warden; the number names none
  EXPECT_EQ(hauberk->Bonuses.back(), (ForeignBonus{"MYSTERY_BONUS", 0, 2}));

  struct Expected {
    std::string_view Id;
    int Realm;
    int SlotKind;
    std::string_view WeaponType;
  };
  for (const Expected& e : {Expected{"900002", 1, 13, "Blunt"}, Expected{"900003", 2, 26, ""},
                            Expected{"900004", 3, 5, ""}, Expected{"900006", 3, 22, ""}}) {
    const ForeignItem* item = ById(items, e.Id);
    ASSERT_NE(item, nullptr) << e.Id;
    EXPECT_EQ(item->Realm, e.Realm) << e.Id;
    EXPECT_EQ(item->SlotKind, e.SlotKind) << e.Id;
    EXPECT_EQ(item->WeaponType, e.WeaponType) << e.Id;
  }
  EXPECT_EQ(ById(items, "900003")->Name, "Targe of the \xC3\xA9t\xC3\xA9");
}

TEST(MorasXmlReader, EffectIdsBecomeOurBonusCodes) {
  struct Case {
    std::string_view Id, OurName;
  };
  for (const Case& c :
       {Case{"CONSTITUTION", "Constitution"}, Case{"RES_BODY", "Body Resist"},
        Case{"ALL_MAGIC_FOCUS", "Focus: All Lines"}, Case{"HAND2HAND", "Hand to Hand Skill"},
        Case{"CAP_POWER", "Power Cap"}, Case{"POWER_PERCENTAGE_BONUS", "Power Pool %"},
        Case{"DEBUFF_BONUS", "Debuff Bonus"}}) {
    EXPECT_EQ(BonusName(MorasEffectCode(c.Id)), c.OurName) << c.Id;
  }
}

// The effects read a second way, with pugixml directly: each item's bonuses
// are its <effect> elements, in order, none left out and none merged.
TEST(MorasXmlReader, BonusesMatchASecondReadingOfTheExport) {
  const std::string text = Fixture();
  pugi::xml_document document;
  ASSERT_TRUE(document.load_buffer(text.data(), text.size()));
  const Read read = ReadText(text);
  ASSERT_TRUE(read.Outcome.Ok());
  std::size_t compared = 0;
  for (const pugi::xml_node item : document.child("daoc_items").children("item")) {
    const std::string address = item.child_value("online_url");
    const ForeignItem* read_item =
        ById(read.Outcome.Value().Items, address.substr(address.rfind('=') + 1));
    if (read_item == nullptr) continue;
    std::vector<std::pair<std::string, int>> expected;
    for (const pugi::xml_node effect : item.children("effect")) {
      expected.emplace_back(effect.attribute("id").value(), std::atoi(effect.child_value()));
    }
    std::vector<std::pair<std::string, int>> bonuses;
    for (const ForeignBonus& b : read_item->Bonuses) bonuses.emplace_back(b.Name, b.Value);
    EXPECT_EQ(bonuses, expected) << address;
    ++compared;
  }
  EXPECT_EQ(compared, 5u);
}

TEST(MorasXmlReader, AnExportThatBreaksOffKeepsItsCompleteItems) {
  const std::string text = Fixture();
  const Read read = ReadText(std::string_view(text).substr(0, text.find("<effect id=\"SHIELD\">")));
  ASSERT_TRUE(read.Outcome.Ok());
  EXPECT_EQ(read.Outcome.Value().Items.size(), 2u);
  EXPECT_EQ(read.Outcome.Value().StoppedAt, "stopped at line 54: the file breaks off");
}

TEST(MorasXmlReader, RefusesWhatIsNoMorasExport) {
  for (const char* text : {"<?xml version=\"1.0\"?><SCItem/>", "plain words", ""}) {
    const Read read = ReadText(text);
    ASSERT_FALSE(read.Outcome.Ok()) << text;
    EXPECT_EQ(read.Outcome.Error(), "not a Moras item export (no <item> elements)");
  }
}

}  // namespace
}  // namespace qm
