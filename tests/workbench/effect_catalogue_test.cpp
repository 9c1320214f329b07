#include "workbench/effect_catalogue.h"

#include <gtest/gtest.h>

#include "core/effect_names.h"

namespace qm {
namespace {

TEST(EffectCatalogue, KindsAndTheEditorsShorterList) {
  EXPECT_EQ(EffectKindName(0), "No Procs/Effects");
  EXPECT_EQ(EffectKindName(3), "Charges");
  EXPECT_EQ(EffectKindName(6), "Mythirians");
  EXPECT_EQ(EffectKindName(7), "");
  EXPECT_EQ(EffectKindName(-1), "");
  const auto editor = EditorEffectKinds();
  ASSERT_EQ(editor.size(), 6u);
  EXPECT_EQ(editor.back(), "Selectable Effects");
}

TEST(EffectCatalogue, FilterPositionsSitOneAfterTheEffectNumber) {
  ResetEffectNames();
  EXPECT_EQ(EffectNameOf(38), "Debuff (Absorb)");
  const auto entries = EffectFilterEntries("<Proc Filter>");
  ASSERT_EQ(entries.size(), kCompiledEffectNames + 1);
  EXPECT_EQ(entries[0], "<Proc Filter>");
  EXPECT_EQ(entries[39], "Debuff (Absorb)");
  EXPECT_EQ(EffectFilterPosition(38), 39);
  EXPECT_EQ(EffectOfFilterPosition(39), std::optional<std::size_t>(38));
  EXPECT_EQ(EffectOfFilterPosition(0), std::nullopt);
  EXPECT_EQ(EffectOfFilterPosition(static_cast<int>(kCompiledEffectNames) + 1), std::nullopt);
}

TEST(EffectCatalogue, AppendedNamesJoinTheFilter) {
  ResetEffectNames();
  const std::size_t added = AppendEffectName("Test Aura of Testing");
  const auto entries = EffectFilterEntries("<Charge Filter>");
  EXPECT_EQ(entries.back(), "Test Aura of Testing");
  EXPECT_EQ(EffectOfFilterPosition(EffectFilterPosition(added)), std::optional<std::size_t>(added));
  ResetEffectNames();
}

TEST(EffectCatalogue, AmountsStayWithinTheirRange) {
  EXPECT_EQ(ClampEffectAmount(-1), 0);
  EXPECT_EQ(ClampEffectAmount(250), 250);
  EXPECT_EQ(ClampEffectAmount(5000), 5000);
  EXPECT_EQ(ClampEffectAmount(70000), 5000);
}

}  // namespace
}  // namespace qm
