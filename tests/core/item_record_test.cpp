#include "core/item_record.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qm {
namespace {

TEST(ItemRecord, EmptyItemHoldsTheInitialValues) {
  const TItemRecord item = EmptyItem();
  EXPECT_EQ(item.Name.View(), " ");
  EXPECT_EQ(item.Note.View(), "");
  EXPECT_EQ(item.Realm, 3);
  EXPECT_EQ(item.Level, 51);
  EXPECT_EQ(item.Quality, 41);
  for (auto flag :
       {item.ServerCoop, item.ServerPvP, item.ServerClassic, item.ServerNormal, item.ServerOrigins})
    EXPECT_EQ(flag, 1);
  for (std::uint8_t flag : item.ClassUsable) EXPECT_EQ(flag, 0);
  for (int row = 0; row < kBonusRows; ++row) {
    EXPECT_EQ(item.BonusCode[row], 0);
    EXPECT_EQ(item.BonusValue[row], 0);
  }
}

TEST(ItemRecord, InitItemResetsEveryDefinedFieldOfAUsedRecord) {
  TItemRecord item;
  std::memset(&item, 0xAB, sizeof item);
  InitItem(item);
  TItemRecord expected = EmptyItem();
  // Bytes past the two string lengths are not part of the empty item.
  item.Name.Assign(item.Name.View());
  item.Note.Assign(item.Note.View());
  EXPECT_EQ(std::memcmp(&item, &expected, sizeof item), 0);
}

TEST(ItemRecord, BonusSumAddsLowSixteenBitsOfMatchingRows) {
  TItemRecord item = EmptyItem();
  const int rows[][2] = {{1, 10}, {1, 15}, {2, 7}};
  for (int r = 0; r < 3; ++r) {
    item.BonusCode[r] = static_cast<std::uint8_t>(rows[r][0]);
    item.BonusValue[r] = rows[r][1];
  }
  EXPECT_EQ(ItemBonusSum(item, 1), 25);
  EXPECT_EQ(ItemBonusSum(item, 2), 7);
  EXPECT_EQ(ItemBonusSum(item, 3), 0);

  item.BonusValue[0] = 70000;  // only 4464 survives the 16-bit cut
  item.BonusValue[1] = 0;
  EXPECT_EQ(ItemBonusSum(item, 1), 4464);

  item.BonusValue[0] = -1;  // a negative value wraps like any other
  item.BonusValue[1] = 3;
  EXPECT_EQ(ItemBonusSum(item, 1), 2);
}

TEST(ItemRecord, OversizedLengthBytesNeverReadPastTheField) {
  TItemRecord item = EmptyItem();
  item.Name.Length = 255;
  item.Note.Length = 200;
  EXPECT_EQ(item.Name.View().size(), 51u);
  EXPECT_EQ(item.Note.View().size(), 94u);
}

}  // namespace
}  // namespace qm
