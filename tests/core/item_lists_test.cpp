#include "core/item_lists.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace qm {
namespace {

TEST(ItemLists, FixedListSizesAndEnds) {
  const struct {
    const char* what;
    std::span<const std::string_view> list;
    std::size_t size;
    std::string_view first;
    std::string_view last;
  } cases[] = {
      {"realm", RealmList(), 4, "Albion", "Universal"},
      {"slot kind", SlotKindList(), 30, "<Not Selected>", "Selectable (One, Left or Two Handed)"},
      {"armour", ArmorList(), 7, "N/A", "Max armor grade allowed by Class"},
      {"quality", QualityList(), 32, "70", "N/A"},
      {"speed", SpeedList(), 48, "N/A", "Other"},
      {"effect kind", EffectKindList(), 7, "No Procs/Effects", "Mythirians"},
      {"server type", ServerTypeList(), 5, "Normal", "Origins"},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(c.list.size(), c.size) << c.what;
    EXPECT_EQ(c.list.front(), c.first) << c.what;
    EXPECT_EQ(c.list.back(), c.last) << c.what;
  }
}

TEST(ItemLists, FixedListSpotEntries) {
  EXPECT_EQ(SlotKindList()[17], "Mythirians");
  EXPECT_EQ(SlotKindList()[22], "Mythirian");
  EXPECT_EQ(SlotKindList()[28], "Selectable (One or Two Handed)");
  EXPECT_EQ(ArmorList()[3], "19% (Studded / Reinforced)");
  EXPECT_EQ(EffectKindList()[4], "Equipped Buff/Aura");
  EXPECT_EQ(ServerTypeList()[3], "PvP");
}

TEST(ItemLists, QualityAndSpeedTexts) {
  const auto quality = QualityList();
  for (std::size_t i = 0; i <= 30; ++i) {
    EXPECT_EQ(quality[i], std::to_string(70 + i)) << "index " << i;
  }
  const auto speed = SpeedList();
  for (std::size_t i = 1; i <= 46; ++i) {
    char expected[8];
    std::snprintf(expected, sizeof expected, "%.1f", (14 + static_cast<int>(i)) / 10.0);
    EXPECT_EQ(speed[i], expected) << "index " << i;
  }
  EXPECT_EQ(speed[1], "1.5");
  EXPECT_EQ(speed[6], "2.0");
  EXPECT_EQ(speed[46], "6.0");
}

TEST(ItemLists, LookupIgnoresCaseAndTakesTheFirstMatch) {
  EXPECT_EQ(IndexInList(RealmList(), "hibernia"), 1u);
  EXPECT_EQ(IndexInList(SlotKindList(), "MYTHIRIAN"), 22u);
  EXPECT_EQ(IndexInList(SpeedList(), "n/a"), 0u);
  EXPECT_EQ(IndexInList(QualityList(), "N/A"), 31u);
  EXPECT_EQ(IndexInList(RealmList(), "Albion "), std::nullopt);
  EXPECT_EQ(IndexInList(RealmList(), ""), std::nullopt);
  EXPECT_EQ(EntryOf(RealmList(), 3), "Universal");
  EXPECT_EQ(EntryOf(RealmList(), 4), "");
  EXPECT_EQ(EntryOf(QualityList(), 41), "");  // the "no quality" value of a new item
}

TEST(ItemLists, GrowableListsStartWithTheirCompiledEntries) {
  const struct {
    const char* what;
    VocabularyList& list;
    std::size_t size;
    std::size_t spot;
    std::string_view text;
  } cases[] = {
      {"item type", ItemTypeList(), 18, 14, "XML Imported Item (Verify)"},
      {"expansion", ExpansionList(), 22, 21, "St. Patricks Day"},
      {"weapon type", WeaponTypeList(), 31, 17, "Shortbow / Crossbow "},
      {"source", SourceList(), 11, 9, "Imported QMI/QMX"},
  };
  for (const auto& c : cases) {
    c.list.Reset();
    EXPECT_EQ(c.list.Size(), c.size) << c.what;
    EXPECT_EQ(c.list.At(c.spot), c.text) << c.what;
    EXPECT_EQ(c.list.At(c.size), "") << c.what;
  }
  EXPECT_EQ(ItemTypeList().At(3), "Unique (RoG)");
  EXPECT_EQ(ExpansionList().At(1), "Classic Areas ('Mainland')");
  EXPECT_EQ(WeaponTypeList().IndexOf("SHORTBOW / CROSSBOW "), 17u);
  EXPECT_EQ(WeaponTypeList().IndexOf("Shortbow / Crossbow"), std::nullopt);
}

TEST(ItemLists, GrowableListAppendsAndResets) {
  VocabularyList& list = WeaponTypeList();
  list.Reset();
  EXPECT_EQ(list.Append("Harp"), 31u);
  EXPECT_EQ(list.Append("HARP"), 32u);
  EXPECT_EQ(list.Size(), 33u);
  EXPECT_EQ(list.At(31), "Harp");
  EXPECT_EQ(list.IndexOf("harp"), 31u);  // first match wins
  EXPECT_EQ(list.Entries().back(), "HARP");

  // A process-wide list is shared: other references see the growth.
  EXPECT_EQ(WeaponTypeList().Size(), 33u);
  list.Reset();
  EXPECT_EQ(WeaponTypeList().Size(), 31u);
  EXPECT_EQ(list.IndexOf("Harp"), std::nullopt);
}

TEST(ItemLists, LocalVocabularyListKeepsItsOwnEntries) {
  constexpr std::string_view initial[] = {"One", "Two"};
  VocabularyList list(initial);
  list.Append("Three");
  EXPECT_EQ(list.Size(), 3u);
  EXPECT_EQ(ItemTypeList().IndexOf("Three"), std::nullopt);
  list.Reset();
  EXPECT_EQ(list.Size(), 2u);
  EXPECT_EQ(list.At(1), "Two");
}

}  // namespace
}  // namespace qm
