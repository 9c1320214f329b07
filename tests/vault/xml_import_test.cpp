// XML item import: file kinds, the per-line tag split, text encodings, and
// the conversion rules into an item record.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "vault/xml_import.h"
#include "vault_test_support.h"

namespace qm {
namespace {

std::string Fixture(const std::string& name) {
  const char* root = std::getenv("QM_TESTDATA");
  std::ifstream in(std::string(root != nullptr ? root : "tests/data") + "/vault/" + name,
                   std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// An XML item file: the declaration, the root element, then the given lines.
std::string ItemXml(const std::vector<std::string>& lines) {
  std::string text = "<?xml version=\"1.0\"?>\n<SCItem>\n";
  for (const std::string& line : lines) text += line + "\n";
  return text + "</SCItem>";
}

// One bonus slot as other calculators write it.
std::vector<std::string> Slot(const std::string& effect, const std::string& amount,
                              const std::string& type) {
  return {"<SLOT Number=\"0\">", "<Effect>" + effect + "</Effect>",
          "<Amount>" + amount + "</Amount>", "<Type>" + type + "</Type>", "</SLOT>"};
}

XmlConversion Convert(const std::string& text, test::FakeUser& user) {
  return ConvertXmlItem(ParseImportText(text), user);
}

TEST(XmlImportKind, RecognisesFileKinds) {
  struct Case {
    std::string text;
    std::string kind;
  };
  const Case cases[] = {
      {"<?XML version=\"1.0\"?>\n<ScItem>\n</ScItem>", "XML Item Import"},
      {"<?xml?>\n<SCTemplate>", "Tavro's Template Import"},
      {"<?xml?>\n<Oracle>", "Loki Template Import"},
      {"<?xml?>\n<Something>", "Unknown File Type Import"},
      {"*** Chat Log Opened: today\n", "Chat Log Import"},
      {"<scitem> without a declaration", "This file format is not yet supported."},
      {"", "This file format is not yet supported."},
  };
  for (const Case& c : cases) {
    const ImportText parsed = ParseImportText(c.text);
    EXPECT_EQ(ImportKindText(parsed.Kind), c.kind) << c.text;
    if (parsed.Kind != ImportKind::kXmlItem) {
      EXPECT_TRUE(parsed.Tags.empty());
    }
  }
  test::FakeUser user;
  EXPECT_FALSE(Convert("<?xml?>\n<SCTemplate>\n<Location>Neck</Location>", user).Success);
  EXPECT_FALSE(Convert("plain words", user).Success);
  EXPECT_TRUE(user.messages.empty());
}

TEST(XmlImportTags, SplitsEachLineSafely) {
  const std::string text =
      "<?xml version=\"1.0\"?><ItemName>First line is skipped</ItemName>\n"
      "<SCItem>\n"
      "  <Level>  50 </Level>  \n"
      "\t\t</SLOT>\n"
      "no tag on this line\n"
      "a > b < c\n"
      "<Unclosed\n"
      "<Empty></Empty>\n"
      "<SLOT NAME=\"Right Hand\">true</SLOT>\n"
      "<A>x</B><C>y</C>\n"
      "<Open>value without close";
  const ImportText parsed = ParseImportText(text);
  ASSERT_EQ(parsed.Kind, ImportKind::kXmlItem);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"SCItem", ""},
      {"Level", "50"},
      {"/SLOT", ""},
      {"Empty", ""},
      {"SLOT NAME=\"Right Hand\"", "true"},
      {"A", "x"},
      {"Open", "value without close"}};
  ASSERT_EQ(parsed.Tags.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(parsed.Tags[i].Tag, expected[i].first) << i;
    EXPECT_EQ(parsed.Tags[i].Value, expected[i].second) << i;
  }
}

TEST(XmlImportEncoding, Utf8FilesAreStoredAsWindows1252) {
  test::FakeUser user;
  const XmlConversion neck = Convert(Fixture("neck-utf8-lf.xml"), user);
  ASSERT_TRUE(neck.Success);
  EXPECT_EQ(neck.Item.Name.View(),
            "Pendentif pr\xE9"
            "cieuse ?");
  const XmlConversion bow = Convert(Fixture("bow-latin1-crlf.xml"), user);
  ASSERT_TRUE(bow.Success);
  EXPECT_EQ(bow.Item.Name.View(), "Arc \xE9l\xE9gant");
  // A byte-order mark ahead of a UTF-8 declaration is not part of the text.
  const XmlConversion marked = Convert(
      "\xEF\xBB\xBF<?xml version='1.0' encoding='utf-8'?>\n<SCItem>\n"
      "<ItemName>Caf\xC3\xA9</ItemName>\n</SCItem>",
      user);
  EXPECT_EQ(marked.Item.Name.View(), "Caf\xE9");
}

TEST(XmlImportConvert, FixtureItemsConvertFieldByField) {
  test::FakeUser user;
  const TItemRecord neck = Convert(Fixture("neck-utf8-lf.xml"), user).Item;
  EXPECT_EQ(neck.SlotKind, 2);
  EXPECT_EQ(neck.Realm, 1);
  EXPECT_EQ(neck.Level, 47);
  EXPECT_EQ(neck.Note.View(), "XML Import | 98% Quality | Source: Scribe");
  EXPECT_EQ(neck.ClassUsable[18], 1);
  EXPECT_EQ(neck.ClassUsable[21], 1);
  int classes = 0;
  for (const auto flag : neck.ClassUsable) classes += flag;
  EXPECT_EQ(classes, 2);
  EXPECT_EQ(neck.BonusCode[0], 10);
  EXPECT_EQ(neck.BonusValue[0], 40);
  EXPECT_EQ(neck.BonusCode[1], 0);
  EXPECT_EQ(neck.BonusValue[1], 0);
  EXPECT_EQ(neck.BonusCode[2], 140);  // Empathy turned into its cap
  EXPECT_EQ(neck.BonusValue[2], 5);

  const TItemRecord bow = Convert(Fixture("bow-latin1-crlf.xml"), user).Item;
  EXPECT_EQ(bow.SlotKind, 21);    // "Ranged Weapon"
  EXPECT_EQ(bow.WeaponType, 16);  // "composite bow" is found after "bow"
  EXPECT_EQ(bow.Realm, 2);
  EXPECT_EQ(bow.BonusCode[0], 109);
  for (const auto flag : bow.ClassUsable) EXPECT_EQ(flag, 0);  // one tag per line: CLASS is lost
  EXPECT_TRUE(user.messages.empty());
}

TEST(XmlImportConvert, BonusTextsBecomeCodes) {
  struct Case {
    std::string effect;
    std::string type;
    int code;
  };
  const Case cases[] = {
      {"Strength", "Stat", 1},          {"Strength", "Cap Increase", 134},
      {"Acuity", "cap increase", 143},  {"Crush", "Skill", 29},
      {"Crush", "Resist", 11},          {"Hits", "Hits", 10},
      {"Hits", "Cap Increase", 146},    {"All Melee Skill Bonus", "Skill", 20},
      {"AF Bonus", "Other Bonus", 148}, {"Style Damage Bonus", "Other Bonus", 151},
      {"Archery Speed", "Other", 157},  {"Bonus to archery speed", "Other", 152},
      {"Body Focus", "Focus", 54},      {"Ethereal Shriek", "Focus", 95},
      {"Parry", "Skill", 24},           {"Parry", "PvE", 168},
      {"Parry Bonus", "PvE", 168},      {"Nonsense", "Other", 0},
      {"Focus Nonsense", "Other", 0},
  };
  test::FakeUser user;
  for (const Case& c : cases) {
    std::vector<std::string> lines = Slot(c.effect, "7", c.type);
    const TItemRecord item = Convert(ItemXml(lines), user).Item;
    EXPECT_EQ(item.BonusCode[0], c.code) << c.effect << " / " << c.type;
    EXPECT_EQ(item.BonusValue[0], 7);
  }
}

TEST(XmlImportConvert, SlotKindsArmourAndWeapons) {
  struct Case {
    std::string location;
    std::string type;
    int slotKind;
    int armor;
    int weaponType;
  };
  const Case cases[] = {
      {"Chest", "Leather", 7, 2, 0},
      {"Feet", "Chain and unknown", 12, 6, 0},
      {"Right Hand", "Thrust", 13, 0, 8},
      {"Right Hand", "Hand to Hand", 13, 0, 20},
      {"Left Hand", "Small Shield", 24, 0, 0},
      {"Left Hand", "Large Shield", 26, 0, 0},
      {"Two Handed", "Polearm", 20, 0, 13},
      {"2 Handed", "Celtic Spear", 20, 0, 11},
      {"Two Handed", "Mauler Staff", 20, 0, 24},
      {"Ranged", "Crossbow", 21, 0, 17},
      {"Ranged", "Recurve Bow", 21, 0, 16},
      {"Ranged", "Lute", 23, 0, 19},
      {"Ranged", "Drum", 23, 0, 19},
      {"Neck", "Anything", 2, 0, 0},
  };
  test::FakeUser user;
  for (const Case& c : cases) {
    const XmlConversion result = Convert(
        ItemXml({"<Location>" + c.location + "</Location>", "<TYPE>" + c.type + "</TYPE>"}), user);
    EXPECT_TRUE(result.Success) << c.location;
    EXPECT_EQ(result.Item.SlotKind, c.slotKind) << c.location << " " << c.type;
    EXPECT_EQ(result.Item.Armor, c.armor) << c.location << " " << c.type;
    EXPECT_EQ(result.Item.WeaponType, c.weaponType) << c.location << " " << c.type;
  }
  EXPECT_TRUE(user.messages.empty());
}

TEST(XmlImportConvert, ATypeBeforeAnyLocationStopsTheConversion) {
  test::FakeUser user;
  const XmlConversion result = Convert(
      ItemXml({"<ItemName>Early</ItemName>", "<TYPE>Plate</TYPE>", "<Location>Chest</Location>"}),
      user);
  EXPECT_FALSE(result.Success);
  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_EQ(user.messages[0],
            "There is something out of order in this XML file : <Location>Missing</Location");
  // Damage types and types inside a bonus slot need no location.
  user.messages.clear();
  std::vector<std::string> lines = {"<DAMAGETYPE>Slash</DAMAGETYPE>"};
  const auto slot = Slot("Strength", "3", "Stat");
  lines.insert(lines.end(), slot.begin(), slot.end());
  EXPECT_TRUE(Convert(ItemXml(lines), user).Success);
  EXPECT_TRUE(user.messages.empty());
}

TEST(XmlImportConvert, ScalarFieldsRealmLevelNameNoteAndClasses) {
  test::FakeUser user;
  const auto one = [&](const std::string& line) { return Convert(ItemXml({line}), user).Item; };
  EXPECT_EQ(one("<Realm>Albion</Realm>").Realm, 0);
  EXPECT_EQ(one("<Realm>Everywhere</Realm>").Realm, 3);
  EXPECT_EQ(one("<Realm>All Midgard</Realm>").Realm, 3);  // "all" is tested last
  EXPECT_EQ(one("<Level>x</Level>").Level, 1);
  EXPECT_EQ(one("<Level>300</Level>").Level, 1);
  EXPECT_EQ(one("<Level></Level>").Level, 1);
  EXPECT_EQ(one("<ItemName>" + std::string(60, 'n') + "</ItemName>").Name.View(),
            std::string(51, 'n'));
  EXPECT_EQ(one("<Speed>3.7</Speed>").Note.View(), "XML Import | 3.7 Speed");
  EXPECT_EQ(one("<Speed>-1</Speed>").Note.View(), "XML Import");
  const TItemRecord classes = one("<CLASS>Cleric, Friar and Mauler</CLASS>");
  for (int c = 0; c < kClassCount; ++c) {
    const bool set = c == 2 || c == 3 || c == 6 || c == 25 || c == 36;
    EXPECT_EQ(classes.ClassUsable[c], set ? 1 : 0) << c;
  }
  for (const auto flag : one("<CLASS>All</CLASS>").ClassUsable) EXPECT_EQ(flag, 0);

  // The note is cut after every append, so late parts are lost.
  const TItemRecord note = Convert(ItemXml({"<DBSOURCE>" + std::string(80, 's') + "</DBSOURCE>",
                                            "<ItemQuality>99</ItemQuality>"}),
                                   user)
                               .Item;
  EXPECT_EQ(note.Note.Size(), 94u);
  EXPECT_EQ(note.Note.View().substr(0, 21), "XML Import | Source: ");
  EXPECT_EQ(note.Note.View().back(), 's');
  EXPECT_EQ(note.Note.View().find("Quality"), std::string_view::npos);
}

TEST(XmlImportConvert, BonusRowsPastTheTenthAreDropped) {
  std::vector<std::string> lines;
  for (int i = 1; i <= 14; ++i) {
    const auto slot = Slot("Strength", std::to_string(i), "Stat");
    lines.insert(lines.end(), slot.begin(), slot.end());
  }
  test::FakeUser user;
  const XmlConversion result = Convert(ItemXml(lines), user);
  ASSERT_TRUE(result.Success);
  for (int row = 0; row < kBonusRows; ++row) {
    EXPECT_EQ(result.Item.BonusCode[row], 1);
    EXPECT_EQ(result.Item.BonusValue[row], row + 1);
  }
  EXPECT_EQ(result.Item.EffectKind[0], 0);  // nothing spilled past the rows
  EXPECT_EQ(result.Item.Note.View(), "XML Import");
}

TEST(XmlImportConvert, AmountsThatAreNotWholeNumbersGiveZero) {
  test::FakeUser user;
  EXPECT_EQ(Convert(ItemXml(Slot("Strength", "7.5", "Stat")), user).Item.BonusValue[0], 0);
  EXPECT_EQ(Convert(ItemXml(Slot("Strength", "-3", "Stat")), user).Item.BonusValue[0], -3);
  EXPECT_EQ(Convert(ItemXml(Slot("Strength", "99999999999", "Stat")), user).Item.BonusValue[0], 0);
}

}  // namespace
}  // namespace qm
