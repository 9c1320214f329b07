#include "core/effect_names.h"

#include <gtest/gtest.h>

#include <string>

#include "core/item_lists.h"

namespace qm {
namespace {

// The effect-name list is process-wide; every test leaves it as compiled.
class EffectNames : public ::testing::Test {
 protected:
  void SetUp() override { ResetEffectNames(); }
  void TearDown() override { ResetEffectNames(); }
};

TEST_F(EffectNames, CompiledList) {
  EXPECT_EQ(EffectNameCount(), 133u);
  EXPECT_EQ(EffectName(0), "Undefined/Other");
  EXPECT_EQ(EffectName(2), "Absorb + Damage Shield");
  EXPECT_EQ(EffectName(78), "Lifedrain");
  EXPECT_EQ(EffectName(132), "Water Breathing");
  EXPECT_EQ(EffectName(133), "");
  EXPECT_EQ(EffectNumberOf("lifedrain"), 78u);
  EXPECT_EQ(EffectNumberOf("HEAL : POWER %"), 74u);
  EXPECT_EQ(EffectNumberOf("Reserved"), std::nullopt);
  EXPECT_EQ(EffectNumberOf(""), std::nullopt);
  // The name list holds each text once.
  for (std::size_t i = 0; i < EffectNameCount(); ++i) {
    EXPECT_EQ(EffectNumberOf(EffectName(i)), i) << EffectName(i);
  }
}

TEST_F(EffectNames, AppendGrowsTheListAndResetDropsTheAdditions) {
  EXPECT_EQ(AppendEffectName("Summon Pet"), 133u);
  EXPECT_EQ(AppendEffectName("Lifedrain"), 134u);  // appending never deduplicates
  EXPECT_EQ(EffectNameCount(), 135u);
  EXPECT_EQ(EffectName(133), "Summon Pet");
  EXPECT_EQ(EffectNumberOf("summon pet"), 133u);
  EXPECT_EQ(EffectNumberOf("Lifedrain"), 78u);  // the first match wins
  ResetEffectNames();
  EXPECT_EQ(EffectNameCount(), 133u);
  EXPECT_EQ(EffectName(133), "");
}

TEST_F(EffectNames, PerKindListSizes) {
  const std::size_t sizes[] = {0, 91, 91, 91, 7, 1, 34, 0};
  for (int kind = 0; kind < 8; ++kind) {
    EXPECT_EQ(EffectKindNames(kind).size(), sizes[kind]) << "kind " << kind;
  }
  EXPECT_TRUE(EffectKindNames(-1).empty());
  EXPECT_TRUE(EffectKindNames(255).empty());
  // Every kind list starts with the catch-all entry.
  for (int kind = 1; kind <= 6; ++kind) EXPECT_EQ(EffectKindNames(kind)[0], "Undefined/Other");
}

TEST_F(EffectNames, ReservedFill) {
  const struct {
    int kind;
    std::size_t firstReserved;
  } cases[] = {{1, 63}, {2, 63}, {3, 89}};
  for (const auto& c : cases) {
    const auto list = EffectKindNames(c.kind);
    EXPECT_EQ(list[c.firstReserved - 1], "Buff (Dex/Qui)") << "kind " << c.kind;
    for (std::size_t p = 0; p < list.size(); ++p) {
      EXPECT_EQ(list[p] == "Reserved", p >= c.firstReserved) << "kind " << c.kind << " at " << p;
    }
  }
}

TEST_F(EffectNames, ProcListsDifferOnlyInThreeEntries) {
  const auto normal = EffectKindNames(1);
  const auto reverse = EffectKindNames(2);
  for (std::size_t p = 0; p < normal.size(); ++p) {
    if (p >= 36 && p <= 38) continue;
    EXPECT_EQ(normal[p], reverse[p]) << p;
  }
  EXPECT_EQ(normal[36], "Siege Lore");
  EXPECT_EQ(normal[48], "Siege Lore");  // the list repeats it
  EXPECT_EQ(reverse[36], "Absorb + Damage Shield");
  EXPECT_EQ(reverse[41], "Absorb + Damage Shield");
  EXPECT_EQ(reverse[37], "Aura of Life");
  EXPECT_EQ(reverse[38], "Disorient");
}

TEST_F(EffectNames, EveryKindTextIsANameExceptReserved) {
  for (int kind = 1; kind <= 6; ++kind) {
    for (std::string_view text : EffectKindNames(kind)) {
      if (text == "Reserved") continue;
      EXPECT_TRUE(EffectNumberOf(text).has_value()) << "kind " << kind << ": " << text;
    }
  }
}

TEST_F(EffectNames, KindListsMatchTheItemEffectKinds) {
  // One per-kind list per effect kind text except "No Procs/Effects".
  EXPECT_EQ(EffectKindList().size(), 7u);
  EXPECT_EQ(EffectKindNames(6)[33], "Mythical Essence Resist");
  EXPECT_EQ(EffectKindNames(4)[6], "Power Regeneration");
  EXPECT_EQ(EffectKindNames(3)[88], "Buff (Dex/Qui)");
}

TEST_F(EffectNames, ConvertEffectIds) {
  const struct {
    std::uint8_t kind;
    std::uint16_t stored;
    std::uint16_t expected;
  } cases[] = {
      {1, 7, 78},    // "Lifedrain"
      {2, 37, 11},   // "Aura of Life"
      {2, 62, 19},   // "Buff (Dex/Qui)"
      {1, 36, 118},  // "Siege Lore"
      {3, 89, 255},  // "Reserved" is no effect name
      {1, 90, 255},  // "Reserved"
      {1, 91, 255},  // past the list
      {5, 1, 255},   // past the one-entry list
      {6, 33, 88},   // "Mythical Essence Resist"
      {4, 6, 102},   // "Power Regeneration"
      {5, 0, 0},     // "Undefined/Other"
      {0, 50, 0},    // no effect
      {7, 3, 0},     // unknown kind
      {255, 3, 0},  {1, 65535, 255},
  };
  for (const auto& c : cases) {
    TTemplateRecord tpl = EmptyTemplate();
    tpl.EffectIdsGlobal = 0;
    tpl.Slot(kChest).EffectKind[1] = c.kind;
    tpl.Slot(kChest).EffectId[1] = c.stored;
    ConvertEffectIds(tpl);
    EXPECT_EQ(tpl.Slot(kChest).EffectId[1], c.expected)
        << "kind " << int(c.kind) << " position " << c.stored;
    EXPECT_EQ(tpl.EffectIdsGlobal, 1);
  }
}

TEST_F(EffectNames, ConvertReachesEverySlotAndBothEffects) {
  TTemplateRecord tpl = EmptyTemplate();
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    for (int e = 0; e < kEffectRows; ++e) {
      tpl.Slot(slot).EffectKind[e] = 1;
      tpl.Slot(slot).EffectId[e] = 7;
    }
  }
  tpl.Slot(kMyth).EffectKind[1] = 6;
  tpl.Slot(kMyth).EffectId[1] = 1;  // "Health Regeneration", number 76
  ConvertEffectIds(tpl);
  for (int slot = 1; slot < kSlotCount; ++slot) {
    EXPECT_EQ(tpl.Slot(slot).EffectId[0], 78) << slot;
    EXPECT_EQ(tpl.Slot(slot).EffectId[1], 78) << slot;
  }
  EXPECT_EQ(tpl.Slot(kMyth).EffectId[0], 78);
  EXPECT_EQ(tpl.Slot(kMyth).EffectId[1], 76);
}

TEST_F(EffectNames, ConvertUsesTheGrownListAndKeepsTheLowByte) {
  // A vault that brought "Reserved" makes it a name; past 255 only the low
  // byte of its number is kept, as older files did.
  for (int i = 0; i < 130; ++i) AppendEffectName("Filler " + std::to_string(i));
  ASSERT_EQ(AppendEffectName("Reserved"), 263u);
  TTemplateRecord tpl = EmptyTemplate();
  tpl.Slot(kJewel).EffectKind[0] = 3;
  tpl.Slot(kJewel).EffectId[0] = 90;
  ConvertEffectIds(tpl);
  EXPECT_EQ(tpl.Slot(kJewel).EffectId[0], 263 & 0xFF);
}

TEST_F(EffectNames, PositionPastTheListStaysUnknownEvenIfAnEmptyNameWasAppended) {
  AppendEffectName("");
  TTemplateRecord tpl = EmptyTemplate();
  tpl.Slot(kJewel).EffectKind[0] = 4;
  tpl.Slot(kJewel).EffectId[0] = 7;
  ConvertEffectIds(tpl);
  EXPECT_EQ(tpl.Slot(kJewel).EffectId[0], 255);
}

}  // namespace
}  // namespace qm
