// The inline editor: amount boxes, row refreshes, loading from a source item
// and the item the rows build.
#include <gtest/gtest.h>

#include <string>

#include "core/bonus_catalogue.h"
#include "core/effect_names.h"
#include "core/item_record.h"
#include "core/template_record.h"
#include "workbench/inline_editor.h"

namespace qm {
namespace {

struct AmountCase {
  std::string text;
  int caret;
  int limit;
  std::string expected;
  int expectedCaret;
};

TEST(InlineAmountBox, NormalisesEveryChange) {
  const AmountCase cases[] = {
      {"05", 2, 200, "5", 1},     // typing 5 after the initial 0
      {"250", 3, 200, "200", 3},  // above the limit
      {"300", 3, 200, "200", 3},
      {"6000", 4, 5000, "5000", 4},  // the effect limit
      {"5000", 4, 5000, "5000", 4},
      {"", 0, 200, "0", 1},  // emptied by backspace
      {"000", 3, 200, "0", 1},
      {"007", 3, 200, "7", 1},
      {"150", 2, 200, "150", 2},  // the caret stays inside the text
      {"150", 1, 200, "150", 3},  // ... unless it stood at position 1
      {"150", 0, 200, "150", 3},
      {"1x2", 3, 200, "12", 2},  // a pasted letter goes
      {"99999999999999999999999", 5, 200, "200", 3},
  };
  for (const AmountCase& c : cases) {
    SCOPED_TRACE(c.text);
    const AmountBoxEdit edit = ApplyAmountRules(c.text, c.caret, c.limit);
    EXPECT_EQ(edit.Text, c.expected);
    EXPECT_EQ(edit.Caret, c.expectedCaret);
  }
  EXPECT_TRUE(AmountBoxAccepts('0'));
  EXPECT_TRUE(AmountBoxAccepts('9'));
  EXPECT_TRUE(AmountBoxAccepts(kBackspaceKey));
  EXPECT_FALSE(AmountBoxAccepts('-'));
  EXPECT_FALSE(AmountBoxAccepts('a'));
  EXPECT_FALSE(AmountBoxAccepts(' '));
}

TEST(InlineAmountBox, TypingDigitByDigit) {
  // What a user sees typing into a box that starts at "0".
  auto type = [](std::string keys, int limit) {
    AmountBoxEdit box{"0", 1};
    for (char key : keys) {
      std::string text = box.Text;
      text.insert(static_cast<std::size_t>(box.Caret), 1, key);
      box = ApplyAmountRules(text, box.Caret + 1, limit);
    }
    return box.Text;
  };
  EXPECT_EQ(type("5", 200), "5");
  EXPECT_EQ(type("250", 200), "200");
  EXPECT_EQ(type("300", 200), "200");
  EXPECT_EQ(type("120", 200), "120");
  EXPECT_EQ(type("6000", 5000), "5000");
  EXPECT_EQ(type("4999", 5000), "4999");
}

class InlineEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_.SetRefreshHook([this] { ++refreshes_; });
    editor_.SetSlot(kChest, 30);
  }
  void LoadFrom(const TItemRecord& item) {
    editor_.SetSource(item, true);
    editor_.EditEnter();
  }
  InlineEditor editor_;
  int refreshes_ = 0;
};

TEST_F(InlineEditorTest, ArchetypeRowsChooseCatalogueCodes) {
  EXPECT_EQ(InlineArchetypeEntry(0), "<Select>");
  EXPECT_EQ(InlineArchetypeEntry(3), "2. Common Skills");
  EXPECT_EQ(InlineArchetypeEntry(10), "9. Full Listing");
  EXPECT_EQ(InlineEffectKindEntry(5), "Selectable Effects");
  EXPECT_EQ(InlineEffectKindEntry(6), "");  // Mythirians are not offered here
  LoadFrom(EmptyItem());
  editor_.aChange(0, 3);  // "2. Common Skills"
  const InlineBonusRowView& row = editor_.View().Rows[0];
  EXPECT_EQ(row.Bonus.Entries.front(), "<Empty>");
  EXPECT_EQ(row.Bonus.Selection, 0);
  EXPECT_TRUE(row.Bonus.Enabled);
  EXPECT_FALSE(row.Amount.Enabled);  // no bonus chosen yet

  editor_.SelectBonus(0, 1);
  EXPECT_TRUE(editor_.View().Rows[0].Amount.Enabled);
  editor_.InlineStatChange(0, "012", 3);
  TItemRecord built = editor_.BuildInlineItem();
  EXPECT_EQ(built.BonusCode[0], BonusOfArchetype(3, 1));
  EXPECT_EQ(BonusName(built.BonusCode[0]), editor_.View().Rows[0].Bonus.Entries[1]);
  EXPECT_EQ(built.BonusValue[0], 12);

  // Back to "<Select>": the row and its amount are emptied.
  editor_.aChange(0, 0);
  EXPECT_EQ(editor_.View().Rows[0].Amount.Text, "0");
  EXPECT_EQ(editor_.View().Rows[0].Bonus.Selection, kNoSelection);
  EXPECT_FALSE(editor_.View().Rows[0].Bonus.Enabled);
  built = editor_.BuildInlineItem();
  EXPECT_EQ(built.BonusCode[0], 0);
  EXPECT_EQ(built.BonusValue[0], 0);
}

TEST_F(InlineEditorTest, ChangingTheArchetypeResetsTheAmount) {
  TItemRecord item = EmptyItem();
  item.BonusCode[2] = 1;  // Strength
  item.BonusValue[2] = 15;
  LoadFrom(item);
  EXPECT_EQ(editor_.View().Rows[2].Amount.Text, "15");
  editor_.aChange(2, 2);  // "1. Resistances"
  EXPECT_EQ(editor_.View().Rows[2].Amount.Text, "0");
  EXPECT_EQ(editor_.BuildInlineItem().BonusCode[2], 0);
}

TEST_F(InlineEditorTest, PreviewFollowsBonusAndNameChangesButNotEffectAmounts) {
  LoadFrom(EmptyItem());
  int before = refreshes_;
  editor_.aChange(0, 1);
  EXPECT_GT(refreshes_, before);
  before = refreshes_;
  editor_.SelectBonus(0, 1);
  EXPECT_GT(refreshes_, before);
  before = refreshes_;
  editor_.InlineStatChange(0, "10", 2);
  EXPECT_GT(refreshes_, before);
  before = refreshes_;
  editor_.CustomItemNameChange("Ring of Doom");
  EXPECT_GT(refreshes_, before);
  before = refreshes_;
  editor_.SelectEffectKind(0, 1);
  EXPECT_GT(refreshes_, before);

  before = refreshes_;
  const AmountBoxEdit edit = editor_.ProcValueChange(0, "6000", 4);
  EXPECT_EQ(edit.Text, "5000");
  EXPECT_EQ(refreshes_, before);
  // The next build still picks the amount up.
  EXPECT_EQ(editor_.BuildInlineItem().EffectValue[0], 5000);
  EXPECT_EQ(editor_.BuildInlineItem().Name.View(), "Ring of Doom");
}

TEST_F(InlineEditorTest, AmountBoxesClampToTheirLimits) {
  LoadFrom(EmptyItem());
  editor_.aChange(4, 1);
  editor_.SelectBonus(4, 2);
  EXPECT_EQ(editor_.InlineStatChange(4, "300", 3).Text, "200");
  EXPECT_EQ(editor_.BuildInlineItem().BonusValue[4], 200);
  editor_.SelectEffectKind(1, 3);
  EXPECT_EQ(editor_.ProcValueChange(1, "6000", 4).Text, "5000");
  EXPECT_EQ(editor_.BuildInlineItem().EffectValue[1], 5000);
}

TEST_F(InlineEditorTest, LoadingShowsEveryRowAndEffectOfTheSource) {
  TItemRecord item = EmptyItem();
  item.Name.Assign("Belt of the Sun");
  const int codes[] = {1, 12, 30, 148, 160};
  for (int k = 0; k < 5; ++k) {
    item.BonusCode[k] = static_cast<std::uint8_t>(codes[k]);
    item.BonusValue[k] = 3 + k;
  }
  item.BonusCode[9] = 10;
  item.BonusValue[9] = 40;
  item.EffectKind[0] = 1;
  item.EffectId[0] = 33;
  item.EffectValue[0] = 120;
  item.EffectKind[1] = 3;
  item.EffectId[1] = 5;
  item.EffectValue[1] = 10;
  LoadFrom(item);

  const InlineEditorView& view = editor_.View();
  EXPECT_EQ(view.Name.Text, "Belt of the Sun");
  for (int k = 0; k < 5; ++k) {
    const ArchetypePosition where = ArchetypeOfBonus(codes[k]);
    EXPECT_EQ(view.Rows[k].Archetype.Selection, where.Archetype) << k;
    EXPECT_EQ(view.Rows[k].Bonus.Selection, where.Position) << k;
    EXPECT_TRUE(view.Rows[k].Amount.Enabled) << k;
  }
  for (int k = 5; k < 9; ++k) {
    EXPECT_EQ(view.Rows[k].Archetype.Selection, 0);
    EXPECT_FALSE(view.Rows[k].Bonus.Enabled);
    EXPECT_FALSE(view.Rows[k].Amount.Enabled);
  }
  EXPECT_EQ(view.Effects[0].Kind.Selection, 1);
  EXPECT_EQ(view.Effects[0].Effect.Selection, 33);
  // Each selector carries the list it shows.
  EXPECT_EQ(view.Effects[0].Effect.Entries.size(), EffectNameCount());
  EXPECT_EQ(view.Effects[0].Effect.Text(), EffectName(33));
  EXPECT_EQ(view.Effects[1].Kind.Text(), "Charges");
  EXPECT_EQ(view.Rows[9].Archetype.Entries.back(), "9. Full Listing");
  EXPECT_TRUE(view.Effects[0].Effect.Enabled);
  EXPECT_EQ(view.Effects[1].Amount.Text, "10");

  const TItemRecord built = editor_.BuildInlineItem();
  for (int k = 0; k < kBonusRows; ++k) {
    EXPECT_EQ(built.BonusCode[k], item.BonusCode[k]) << k;
    EXPECT_EQ(built.BonusValue[k], item.BonusValue[k]) << k;
  }
  for (int k = 0; k < kEffectRows; ++k) {
    EXPECT_EQ(built.EffectKind[k], item.EffectKind[k]);
    EXPECT_EQ(built.EffectId[k], item.EffectId[k]);
    EXPECT_EQ(built.EffectValue[k], item.EffectValue[k]);
  }
}

TEST_F(InlineEditorTest, LoadedValuesOutsideTheBoxesAreClamped) {
  TItemRecord item = EmptyItem();
  item.BonusCode[0] = 10;
  item.BonusValue[0] = 450;
  item.BonusCode[1] = 1;
  item.BonusValue[1] = -7;
  item.EffectKind[0] = 3;
  item.EffectValue[0] = 60000;
  LoadFrom(item);
  EXPECT_EQ(editor_.View().Rows[0].Amount.Text, "200");
  EXPECT_EQ(editor_.View().Rows[1].Amount.Text, "0");
  EXPECT_EQ(editor_.View().Effects[0].Amount.Text, "5000");
}

TEST_F(InlineEditorTest, RowsSurviveLeavingTheTabUntilALoadIsRequested) {
  TItemRecord item = EmptyItem();
  item.BonusCode[0] = 2;
  item.BonusValue[0] = 9;
  LoadFrom(item);
  editor_.InlineStatChange(0, "19", 2);
  editor_.EditEnter();  // entering again without a request
  EXPECT_EQ(editor_.View().Rows[0].Amount.Text, "19");
  editor_.SetSource(item, true);
  editor_.EditEnter();
  EXPECT_EQ(editor_.View().Rows[0].Amount.Text, "9");
  EXPECT_FALSE(editor_.LoadRequested());
}

TEST_F(InlineEditorTest, EmptyNamesLoadAsCustomItem) {
  TItemRecord blank = EmptyItem();
  LoadFrom(blank);
  EXPECT_EQ(editor_.View().Name.Text, "Custom Item");
  TItemRecord nameless = EmptyItem();
  nameless.Name.Assign("");
  LoadFrom(nameless);
  EXPECT_EQ(editor_.BuildInlineItem().Name.View(), "Custom Item");
}

TEST_F(InlineEditorTest, EffectsWithoutKindStoreNoEffectNumber) {
  TItemRecord item = EmptyItem();
  item.EffectKind[0] = 0;
  item.EffectId[0] = 12;
  LoadFrom(item);
  EXPECT_FALSE(editor_.View().Effects[0].Effect.Enabled);
  EXPECT_EQ(editor_.View().Effects[0].Effect.Selection, kNoSelection);
  const TItemRecord built = editor_.BuildInlineItem();
  EXPECT_EQ(built.EffectKind[0], 0);
  EXPECT_EQ(built.EffectId[0], kNoEffectId);
  EXPECT_EQ(built.EffectId[1], kNoEffectId);

  // Choosing a kind enables the effect list; the kind alone still names no effect.
  editor_.SelectEffectKind(0, 4);
  EXPECT_TRUE(editor_.View().Effects[0].Effect.Enabled);
  EXPECT_EQ(editor_.BuildInlineItem().EffectId[0], kNoEffectId);
  editor_.SelectEffect(0, 7);
  EXPECT_EQ(editor_.BuildInlineItem().EffectId[0], 7);
  EXPECT_EQ(editor_.BuildInlineItem().EffectKind[0], 4);
  // Back to "No Procs/Effects" drops the effect again.
  editor_.SelectEffectKind(0, 0);
  EXPECT_EQ(editor_.BuildInlineItem().EffectId[0], kNoEffectId);
}

TEST_F(InlineEditorTest, MythirianEffectsKeepTheirKind) {
  TItemRecord item = EmptyItem();
  item.EffectKind[0] = 6;
  item.EffectId[0] = 40;
  item.EffectValue[0] = 5;
  LoadFrom(item);
  EXPECT_EQ(editor_.View().Effects[0].Kind.Selection, kNoSelection);
  const TItemRecord built = editor_.BuildInlineItem();
  EXPECT_EQ(built.EffectKind[0], 6);
  EXPECT_EQ(built.EffectId[0], 40);
  EXPECT_EQ(built.EffectValue[0], 5);

  // A kind byte no list knows never survives into a built item.
  item.EffectKind[0] = 77;
  LoadFrom(item);
  EXPECT_EQ(editor_.BuildInlineItem().EffectKind[0], 0);
}

struct SlotShape {
  int slot;
  int armor;
  int level;
};

TEST_F(InlineEditorTest, BuiltArmourAndLevelFollowTheSlot) {
  const SlotShape shapes[] = {
      {kJewel, 0, 51},   {kNeck, 0, 51},   {kCloak, 5, 51}, {kBelt, 0, 51}, {kRing1, 0, 51},
      {kWrist2, 0, 51},  {kChest, 6, 30},  {kHead, 6, 30},  {kFeet, 6, 30}, {kRightHand, 5, 30},
      {kTwoHand, 5, 30}, {kRanged, 5, 30}, {kMyth, 5, 30},
  };
  for (const SlotShape& shape : shapes) {
    SCOPED_TRACE(SlotName(shape.slot));
    editor_.SetSlot(shape.slot, 30);
    const TItemRecord built = editor_.BuildInlineItem();
    EXPECT_EQ(built.Armor, shape.armor);
    EXPECT_EQ(built.Level, shape.level);
  }
}

TEST_F(InlineEditorTest, EditedVaultChestForALevelThirtyCharacter) {
  TItemRecord vaultItem = EmptyItem();
  vaultItem.Name.Assign("Hauberk of the Deep");
  vaultItem.Realm = 1;
  vaultItem.Level = 45;
  vaultItem.SlotKind = 7;
  vaultItem.Armor = 4;
  vaultItem.ItemType = 0;
  vaultItem.Quality = 20;
  vaultItem.Source = 1;
  vaultItem.Verified = 1;
  vaultItem.ClassUsable[5] = 1;
  vaultItem.ServerCoop = 0;
  vaultItem.Note.Assign("Drops in the deep");
  vaultItem.BonusCode[0] = 2;
  vaultItem.BonusValue[0] = 12;

  editor_.CopyStatsFrom(vaultItem);
  editor_.EditEnter();
  const TItemRecord built = editor_.BuildInlineItem();
  EXPECT_EQ(built.Level, 30);
  EXPECT_EQ(built.Armor, 6);
  EXPECT_EQ(built.ItemType, kItemTypeUnique);
  EXPECT_EQ(built.Unique, 1);
  EXPECT_EQ(built.Crafted, 0);
  EXPECT_EQ(built.SlotKind, 7);
  EXPECT_EQ(built.Realm, 3);
  EXPECT_EQ(built.Quality, kNoQuality);
  EXPECT_EQ(built.Source, 0);
  EXPECT_EQ(built.Verified, 0);
  EXPECT_EQ(built.ServerCoop, 1);
  EXPECT_EQ(built.ClassUsable[5], 0);
  EXPECT_EQ(built.Note.View(), "Stats based upon Hauberk of the Deep");
  EXPECT_EQ(built.Name.View(), "Hauberk of the Deep");
  EXPECT_EQ(built.BonusCode[0], 2);
  EXPECT_EQ(built.BonusValue[0], 12);

  // Opened straight on the editor, the vault item's own note is kept.
  editor_.SetSource(vaultItem, true);
  editor_.EditEnter();
  EXPECT_EQ(editor_.BuildInlineItem().Note.View(), "Drops in the deep");
}

TEST_F(InlineEditorTest, StatsNoteHoldsAtMostSixtyEightCharacters) {
  TItemRecord longName = EmptyItem();
  longName.Name.Assign(std::string(51, 'N'));
  editor_.CopyStatsFrom(longName);
  EXPECT_EQ(editor_.Source().Note.Size(), 68u);
  EXPECT_EQ(editor_.Source().Note.View().substr(0, 17), "Stats based upon ");
  EXPECT_EQ(editor_.View().Name.Text, std::string(51, 'N'));
}

TEST_F(InlineEditorTest, MakeRoGEmptiesEveryRow) {
  TItemRecord item = EmptyItem();
  item.Name.Assign("Old Thing");
  item.BonusCode[0] = 1;
  item.BonusValue[0] = 10;
  item.EffectKind[0] = 1;
  item.EffectId[0] = 3;
  LoadFrom(item);
  editor_.MakeRoG();
  editor_.EditEnter();
  const TItemRecord built = editor_.BuildInlineItem();
  EXPECT_EQ(built.Name.View(), "Custom Item");
  EXPECT_EQ(built.ItemType, kItemTypeUnique);
  EXPECT_EQ(built.Unique, 1);
  EXPECT_EQ(built.Note.View(), "Manually Entered (RoG) Item");
  for (int k = 0; k < kBonusRows; ++k) {
    EXPECT_EQ(built.BonusCode[k], 0);
    EXPECT_EQ(built.BonusValue[k], 0);
  }
  EXPECT_EQ(built.EffectKind[0], 0);
  EXPECT_EQ(built.EffectId[0], kNoEffectId);
}

}  // namespace
}  // namespace qm
