#include <gtest/gtest.h>

#include <cstring>

#include "core/class_table.h"
#include "optimizer/candidates.h"
#include "optimizer/figures.h"
#include "tools/samples.h"

namespace qm {
namespace {

constexpr int kArmsman = 1;  // an Albion class

TTemplateRecord Character(std::uint8_t server) {
  TTemplateRecord tpl = EmptyTemplate();
  tpl.ClassIndex = kArmsman;
  tpl.CharLevel = 40;
  tpl.ServerType = server;
  return tpl;
}

TItemRecord Wearable(int slot, std::initializer_list<samples::Bonus> bonuses) {
  TItemRecord item = samples::MakeItem("Item", bonuses);
  item.SlotKind = static_cast<std::uint8_t>(SlotKindOf(slot));
  item.Realm = 0;
  item.Level = 40;
  item.ServerNormal = item.ServerCoop = item.ServerPvP = item.ServerClassic = 1;
  item.ServerOrigins = 1;
  return item;
}

TEST(OptimizerCandidates, OnlyWhatTheCharacterMayWearInTheSlot) {
  ASSERT_EQ(RealmOfClass(kArmsman), 0);
  struct Case {
    const char* what;
    int slot;
    std::uint8_t server;
    void (*change)(TItemRecord&);
    bool wearable;
  };
  const Case cases[] = {
      {"fits", kNeck, kNormal, [](TItemRecord&) {}, true},
      {"another slot kind", kBelt, kNormal, [](TItemRecord&) {}, false},
      {"above the level", kNeck, kNormal, [](TItemRecord& i) { i.Level = 41; }, false},
      {"another realm", kNeck, kNormal, [](TItemRecord& i) { i.Realm = 2; }, false},
      {"another realm where realms mix", kNeck, kPvP, [](TItemRecord& i) { i.Realm = 2; }, true},
      {"not for the class", kNeck, kNormal, [](TItemRecord& i) { i.ClassUsable[kArmsman] = 0; },
       false},
      {"not on the server", kNeck, kNormal, [](TItemRecord& i) { i.ServerNormal = 0; }, false},
      {"crafted cloak", kCloak, kNormal, [](TItemRecord& i) { i.Crafted = 1; }, false},
      {"crafted jewel", kNeck, kNormal, [](TItemRecord& i) { i.Crafted = 1; }, true},
  };
  for (const Case& c : cases) {
    TItemRecord item = Wearable(c.slot == kBelt ? kNeck : c.slot, {{1, 5}});
    c.change(item);
    EXPECT_EQ(MayWear(Character(c.server), c.slot, item), c.wearable) << c.what;
  }
}

TEST(OptimizerCandidates, DropsEntriesAnotherBeatsOrEquals) {
  const TTemplateRecord tpl = Character(kNormal);
  const std::vector<TItemRecord> items = {
      Wearable(kNeck, {{1, 10}}),          // 0 kept
      Wearable(kNeck, {{1, 5}}),           // 1 less strength
      Wearable(kNeck, {{2, 5}}),           // 2 constitution: kept
      Wearable(kNeck, {{1, 10}}),          // 3 equal to 0, later in the vault
      Wearable(kNeck, {{3, 20}}),          // 4 dexterity, which the goal ignores
      Wearable(kNeck, {{1, 12}, {2, 5}}),  // 5 beats 0 and 2
      Wearable(kNeck, {{1, 1}, {2, 6}}),   // 6 more constitution than 5: kept
  };
  const std::vector<long long> indices = {0, 1, 2, 3, 4, 5, 6};
  const std::vector<std::string> names = FigureNames(tpl.ClassIndex);
  std::vector<bool> relevant(names.size(), false);
  for (std::size_t f = 0; f < names.size(); ++f)
    relevant[f] = names[f] == "Strength" || names[f] == "Constitution";
  EXPECT_EQ(SlotCandidates(tpl, kNeck, {items, indices}, relevant),
            (std::vector<std::size_t>{5, 6}));
}

}  // namespace
}  // namespace qm
