// The calculator announces once per handler and previews once, with the last
// valid design, however many operations the handler runs.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "core/template_record.h"
#include "spellcraft_test_support.h"
#include "support/view_counter.h"

namespace qm::testing {
namespace {

TEST(SpellcraftNotification, EachHandlerAnnouncesAndPreviewsOnce) {
  SpellcraftCalculator calc = OpenTab(ContextFor(kChest));
  std::vector<TItemRecord> shown;
  calc.SetPreviewSink([&shown](const TItemRecord& item) { shown.push_back(item); });
  SetGem(calc, 1, 1, 5);
  const TItemRecord crafted = calc.BuildCraftedItem(CraftedItemVariant::kReturned);

  const std::vector<std::pair<const char*, std::function<void()>>> handlers = {
      {"SCArchChange", [&] { calc.SCArchChange(2, 1); }},
      {"SCFakeChange", [&] { calc.SCFakeChange(2, 2); }},
      {"csChange", [&] { calc.csChange(2, 3); }},
      {"sLevelChange", [&] { calc.sLevelChange(45); }},
      {"cAbsSelect", [&] { calc.cAbsSelect(2); }},
      {"TypeName", [&] { calc.TypeName("My Vest"); }},
      {"AutoNameClick", [&] { calc.AutoNameClick(true); }},
      {"btnGemClearClick", [&] { calc.btnGemClearClick(); }},
      {"btnClearClick", [&] { calc.btnClearClick(); }},
      {"LoadCraftedItem", [&] { calc.LoadCraftedItem(crafted); }},
      {"btnUndoClick", [&] { calc.btnUndoClick(); }},
      {"eSkillChange", [&] { calc.eSkillChange(640); }},
      {"cQualityChange", [&] { calc.cQualityChange(97); }},
  };
  for (const auto& [name, handler] : handlers) {
    shown.clear();
    EXPECT_EQ(AnnouncementsOf(calc, handler), 1) << name;
    ASSERT_TRUE(calc.State().Valid) << name;
    ASSERT_EQ(shown.size(), 1u) << name;
    const TItemRecord now = calc.BuildCraftedItem(CraftedItemVariant::kPreview);
    EXPECT_EQ(std::memcmp(&shown.front(), &now, sizeof now), 0) << name << ": the final design";
  }

  // Input the controls cannot produce, and leaving the tab, show nothing new.
  EXPECT_EQ(AnnouncementsOf(calc, [&] { calc.csChange(1, 99); }), 0);
  EXPECT_EQ(AnnouncementsOf(calc, [&] { calc.SCArchChange(9, 1); }), 0);
  EXPECT_EQ(AnnouncementsOf(calc, [&] { calc.SCExit(); }), 0);
  shown.clear();
  EXPECT_EQ(AnnouncementsOf(calc, [&] { calc.SCArchChange(1, 1); }), 1);
  EXPECT_TRUE(shown.empty()) << "a tab that is not entered previews nothing";
}

}  // namespace
}  // namespace qm::testing
