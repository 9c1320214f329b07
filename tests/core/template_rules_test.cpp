#include "core/template_rules.h"

#include <gtest/gtest.h>

#include "tools/samples.h"

namespace qm {
namespace {

constexpr int kArmsman = 0;
constexpr int kCabalist = 1;
constexpr int kHero = 24;  // Hibernia

bool IsEmptySlot(const TTemplateRecord& tpl, int slot) {
  return tpl.Slot(slot).Name.View() == " ";
}

TTemplateRecord TemplateWith(int classIndex, int server, int slot, const TItemRecord& item) {
  TTemplateRecord tpl = EmptyTemplate();
  tpl.ClassIndex = static_cast<std::uint8_t>(classIndex);
  tpl.ServerType = static_cast<std::uint8_t>(server);
  tpl.Slot(slot) = item;
  return tpl;
}

TEST(TemplateRules, RealmRuleAppliesOnlyOnRealmBoundServers) {
  TItemRecord albionOnly = samples::MakeItem("Albion Ring", {{1, 5}});
  albionOnly.Realm = 0;
  struct Case {
    int server;
    bool kept;
  };
  const Case cases[] = {
      {kNormal, false}, {kCoop, true}, {kClassic, false}, {kPvP, true}, {kOrigins, false}};
  for (const Case& c : cases) {
    TTemplateRecord tpl = TemplateWith(kHero, c.server, kRing1, albionOnly);
    EnforceTemplateRules(tpl);
    EXPECT_EQ(!IsEmptySlot(tpl, kRing1), c.kept) << "server " << c.server;
  }
}

TEST(TemplateRules, ServerFlagOfTheTemplatesServerDecides) {
  for (int server = 0; server <= 4; ++server) {
    TItemRecord item = samples::MakeItem("Rare Belt", {{2, 5}});
    std::uint8_t* flags[] = {&item.ServerNormal, &item.ServerCoop, &item.ServerClassic,
                             &item.ServerPvP, &item.ServerOrigins};
    *flags[server] = 0;
    TTemplateRecord tpl = TemplateWith(kArmsman, server, kBelt, item);
    EnforceTemplateRules(tpl);
    EXPECT_TRUE(IsEmptySlot(tpl, kBelt)) << "server " << server;
    // Any other server keeps it.
    TTemplateRecord other = TemplateWith(kArmsman, (server + 1) % 5, kBelt, item);
    EnforceTemplateRules(other);
    EXPECT_FALSE(IsEmptySlot(other, kBelt)) << "server " << server;
  }
}

TEST(TemplateRules, CraftedItemsStayOnlyInJewellerySlots) {
  TItemRecord crafted = samples::MakeItem("Crafted Piece", {{1, 10}});
  crafted.Crafted = 1;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    TTemplateRecord tpl = TemplateWith(kArmsman, kNormal, slot, crafted);
    EnforceTemplateRules(tpl);
    const bool jewellery = slot == 1 || slot == 2 || (slot >= 4 && slot <= 8);
    EXPECT_EQ(!IsEmptySlot(tpl, slot), jewellery) << "slot " << slot;
  }
}

TEST(TemplateRules, ClassFlagRemovesItemsOfOtherClasses) {
  TTemplateRecord tpl = EmptyTemplate();
  tpl.ClassIndex = kCabalist;
  tpl.Slot(kChest) = samples::MakeClassItem("Plate Hauberk", {kArmsman}, {{1, 10}});
  tpl.Slot(kHead) = samples::MakeClassItem("Cabalist Cap", {kCabalist}, {{6, 10}});
  EnforceTemplateRules(tpl);
  EXPECT_TRUE(IsEmptySlot(tpl, kChest));
  EXPECT_FALSE(IsEmptySlot(tpl, kHead));
}

TEST(TemplateRules, ClassIndexPastTheTableFindsNoFlag) {
  // The byte after the 47 class flags is Verified: it must not be read as a flag.
  TItemRecord item = samples::MakeItem("Verified Ring", {{1, 3}});
  item.Verified = 1;
  for (int classIndex : {47, 48, 200, 255}) {
    TTemplateRecord tpl = TemplateWith(classIndex, kCoop, kRing1, item);
    EnforceTemplateRules(tpl);
    EXPECT_TRUE(IsEmptySlot(tpl, kRing1)) << classIndex;
  }
}

}  // namespace
}  // namespace qm
