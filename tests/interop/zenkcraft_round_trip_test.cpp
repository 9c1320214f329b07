// Our templates through Zenkcraft's format and back, opened the way the
// program opens a foreign template (read, match the crafted pieces, apply
// the template rules): the totals and skill bonuses come back as they were,
// except where the export's warnings said the format could not hold a thing.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/class_table.h"
#include "core/race_table.h"
#include "core/template_rules.h"
#include "engine/totals.h"
#include "interop/crafted_item_match.h"
#include "interop/zenkcraft_template.h"
#include "interop/zenkcraft_template_writer.h"
#include "interop/zenkcraft_vocabulary.h"
#include "spellcraft/fifth_slot_bonus.h"
#include "spellcraft/spellcraft_gems.h"
#include "spellcraft/spellcraft_item.h"
#include "tools/samples.h"

namespace qm {
namespace {

int Pick(std::mt19937& rng, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(rng);
}

// A spellcrafted design of distinct gems the class's realm offers.
TItemRecord RandomDesign(std::mt19937& rng, int slot, const TTemplateRecord& tpl) {
  const int realm = RealmOfClass(tpl.ClassIndex);
  std::vector<int> offered;
  for (int archetype : {1, 2, 3, 4 + realm})
    for (unsigned char index : GemArchetypeView(archetype)) offered.push_back(index);
  std::shuffle(offered.begin(), offered.end(), rng);
  TSpellcraftState state;
  const int gems = Pick(rng, 0, kGemSlotCount);
  for (int k = 0; k < gems; ++k) {
    TSpellcraftGem& gem = state.Gems[static_cast<std::size_t>(k)];
    gem.BonusIndex = offered[static_cast<std::size_t>(k)];
    const auto ladder = GemValueLadder(gem.BonusIndex);
    gem.TierIndex = Pick(rng, 0, static_cast<int>(ladder.size()) - 1);
    gem.Value = ladder[static_cast<std::size_t>(gem.TierIndex)];
  }
  state.FifthIndex = Pick(rng, 0, kFifthSlotBonusCount - 1);
  state.Level = Pick(rng, 1, 51);
  state.Name = "Design " + std::to_string(slot);
  state.AutoNaming = false;
  const SpellcraftContext context =
      SpellcraftContextOf(slot, tpl.ClassIndex, tpl.CharLevel, false, false, false);
  TItemRecord item = BuildCraftedItem(state, context, CraftedItemVariant::kReturned);
  item.Quality = static_cast<std::uint8_t>(Pick(rng, 24, 30));
  return item;
}

// A plain item of up to ten rows, mostly bonuses Zenkcraft has words for.
TItemRecord RandomItem(std::mt19937& rng, int slot) {
  TItemRecord item = samples::MakeItem("Item " + std::to_string(slot), {});
  const int rows = Pick(rng, 1, kBonusRows);
  for (int r = 0; r < rows; ++r) {
    // Some rows stay empty: the Myth slot counts its first row alone.
    if (Pick(rng, 0, 7) == 0) continue;
    int code = Pick(rng, 1, 198);
    while (Pick(rng, 0, 9) > 0 && !ZenkcraftWordsOfCode(code)) code = Pick(rng, 1, 198);
    item.BonusCode[r] = static_cast<std::uint8_t>(code);
    item.BonusValue[r] = Pick(rng, 1, 60);
  }
  const int itemTypes[] = {0, 3, 4, 8};
  item.ItemType = static_cast<std::uint8_t>(itemTypes[Pick(rng, 0, 3)]);
  if (Pick(rng, 0, 9) == 0) item.EffectKind[0] = static_cast<std::uint8_t>(Pick(rng, 1, 6));
  item.Quality = static_cast<std::uint8_t>(Pick(rng, 0, 41));
  return item;
}

TTemplateRecord RandomTemplate(std::mt19937& rng, int number) {
  TTemplateRecord tpl = EmptyTemplate();
  tpl.CharName.Assign("Random " + std::to_string(number));
  tpl.ClassIndex = static_cast<std::uint8_t>(Pick(rng, 0, kClassCount - 1));
  tpl.RaceIndex = static_cast<std::uint8_t>(
      Pick(rng, 0, static_cast<int>(RaceList(tpl.ClassIndex).size()) - 1));
  tpl.CharLevel = static_cast<std::uint8_t>(Pick(rng, 1, 50));
  tpl.RealmRank = static_cast<std::uint8_t>(Pick(rng, 1, 13));
  tpl.ServerType = static_cast<std::uint8_t>(Pick(rng, 0, 4));
  tpl.WeaponConfig = static_cast<std::uint8_t>(Pick(rng, 0, 4));
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const int kind = Pick(rng, 0, 9);
    if (kind < 2) continue;
    tpl.Slot(slot) = kind < 5 ? RandomDesign(rng, slot, tpl) : RandomItem(rng, slot);
  }
  return tpl;
}

int WarnedSlot(const std::string& warning) {
  if (!warning.starts_with("slot ")) return 0;
  return std::stoi(warning.substr(5));
}

std::vector<std::pair<int, int>> BonusesOf(const TItemRecord& item) {
  std::vector<std::pair<int, int>> rows;
  for (int r = 0; r < kBonusRows; ++r)
    if (item.BonusCode[r] != 0) rows.emplace_back(item.BonusCode[r], item.BonusValue[r]);
  return rows;
}

void ExpectSameFigures(const TTemplateRecord& actual, const TTemplateRecord& expected,
                       const char* stage) {
  EXPECT_TRUE(ComputeTotals(actual) == ComputeTotals(expected)) << stage;
  // Every skill line, with the group bonuses that reach it.
  for (int code = 23; code <= 189; ++code) {
    if (code > 133 && code < 185) continue;
    EXPECT_EQ(SkillBonusTotal(code, actual), SkillBonusTotal(code, expected))
        << stage << ", code " << code;
  }
}

// Writes, reads and matches, then applies the rules; compares the figures
// with the original's before the rules and after them.
void ExpectRoundTrip(const TTemplateRecord& original, const std::string& label) {
  SCOPED_TRACE(label);
  const TemplateExport written = WriteZenkcraftTemplate(original);
  Result<ForeignTemplate> read = ReadZenkcraftTemplate(written.Text, label);
  ASSERT_TRUE(read.Ok()) << read.Error();
  MatchCraftedItems(read.Value());
  TTemplateRecord matched = read.Value().Record;
  TTemplateRecord opened = matched;
  EnforceTemplateRules(opened);

  TTemplateRecord before = original;
  TTemplateRecord after = original;
  EnforceTemplateRules(after);
  std::vector<bool> leftAside(kSlotCount + 1);
  for (const std::string& warning : written.Warnings) {
    for (TTemplateRecord* tpl : {&matched, &opened}) {
      if (warning.starts_with("realm rank")) tpl->RealmRank = original.RealmRank;
      if (warning.starts_with("weapon configuration")) tpl->WeaponConfig = original.WeaponConfig;
    }
    const int slot = WarnedSlot(warning);
    if (slot != 0 && warning.find(": bonus ") != std::string::npos) leftAside[slot] = true;
  }
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (leftAside[slot]) {
      for (TTemplateRecord* tpl : {&matched, &opened, &before, &after}) InitItem(tpl->Slot(slot));
    } else if (IsSpellcrafted(original.Slot(slot)) && !IsSpellcrafted(matched.Slot(slot))) {
      // A crafted piece that is no design of ours comes back a plain item with
      // the same bonuses, which the rules keep where they empty the original.
      EXPECT_EQ(BonusesOf(matched.Slot(slot)), BonusesOf(original.Slot(slot))) << "slot " << slot;
      InitItem(opened.Slot(slot));
      InitItem(after.Slot(slot));
    }
  }
  ExpectSameFigures(matched, before, "before the rules");
  ExpectSameFigures(opened, after, "after the rules");
}

TEST(ZenkcraftRoundTrip, SampleTemplatesKeepTheirFigures) {
  for (const samples::NamedTemplate& sample : samples::SampleTemplates())
    ExpectRoundTrip(sample.tpl, sample.fileName);
}

TEST(ZenkcraftRoundTrip, RandomTemplatesKeepTheirFigures) {
  std::mt19937 rng(20261210);
  for (int number = 0; number < 300; ++number) {
    ExpectRoundTrip(RandomTemplate(rng, number), "random " + std::to_string(number));
    if (::testing::Test::HasFailure()) break;
  }
}

}  // namespace
}  // namespace qm
