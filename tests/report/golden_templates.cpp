#include "golden_templates.h"

#include "core/effect_names.h"
#include "report_fixtures.h"

namespace qm::testing {
namespace {

constexpr int kArmsman = 0;
constexpr int kWizard = 15;
constexpr int kDruid = 21;
constexpr int kValkyrie = 44;

// Crafted armour indexes of the spellcraft tab.
constexpr int kCraftedCloth = 0;
constexpr int kCraftedChain = 3;
constexpr int kCraftedNotArmour = 5;

std::uint16_t Effect(std::string_view name) {
  return static_cast<std::uint16_t>(EffectNumberOf(name).value_or(0));
}

TItemRecord With(TItemRecord item, void (*change)(TItemRecord&)) {
  change(item);
  return item;
}

TTemplateRecord NewCharacter() {
  TTemplateRecord tpl = Template("New Character", kArmsman, 4);
  return tpl;
}

TTemplateRecord AlbionWizard() {
  TTemplateRecord tpl = Template("Merlin", kWizard, 2);
  tpl.RealmRank = 7;
  tpl.RaceIndex = 1;  // Avalonian
  tpl.Slot(kJewel) = With(Item("Jewel of Insight", {{142, 10}, {6, 12}, {9, 4}, {18, 4}, {143, 4}}),
                          [](TItemRecord& item) { item.Expansion = 3; });
  tpl.Slot(kNeck) =
      With(Item("Torc of Wisdom", {{6, 9}, {143, 3}, {145, 5}, {153, 3}}), [](TItemRecord& item) {
        item.Expansion = 2;
        item.Note.Assign("Found near the crossroads");
      });
  tpl.Slot(kCloak) = CraftedItem("Crafted Cloak of the Magus", 51, kCraftedCloth,
                                 {{6, 20, 6}, {9, 5, 3}, {21, 1, 0}, {22, 30, 5}});
  tpl.Slot(kBelt) = With(Item("Sash of Flames", {{43, 4}, {154, 5}, {14, 6}}),
                         [](TItemRecord& item) { item.Note.Assign("Imported QMI"); });
  tpl.Slot(kRing1) = With(Item("Ring of Ice", {{45, 4}, {4, 8}, {15, 5}}), [](TItemRecord& item) {
    item.Expansion = 1;
    item.EffectKind[0] = 3;
    item.EffectId[0] = Effect("Damage Shield");
  });
  tpl.Slot(kRing2) =
      With(Item("Custom Band", {{3, 15}, {41, 3}, {155, 3}, {161, 5}}), [](TItemRecord& item) {
        item.ItemType = kItemTypeUnique;
        item.Unique = 1;
      });
  tpl.Slot(kWrist1) = Item("Bracer of the Adept", {{2, 10}, {10, 24}, {11, 6}});
  tpl.Slot(kChest) = CraftedItem("Crafted Robe of Flame", 51, kCraftedCloth,
                                 {{6, 23, 7}, {43, 4, 3}, {14, 11, 6}, {2, 14, 4}}, {{145, 5}});
  tpl.Slot(kHead) = CraftedItem("Crafted Cap of Flame", 51, kCraftedCloth,
                                {{6, 17, 5}, {3, 17, 5}, {17, 13, 7}, {59, 25, 4}});
  tpl.Slot(kArms) = CraftedItem("Crafted Sleeves of Flame", 51, kCraftedCloth,
                                {{41, 3, 2}, {12, 11, 6}, {13, 11, 6}, {10, 44, 5}});
  tpl.Slot(kHands) = CraftedItem("Crafted Gloves of Flame", 51, kCraftedCloth,
                                 {{4, 14, 4}, {43, 3, 2}, {19, 9, 5}, {16, 9, 5}}, {{153, 2}});
  tpl.Slot(kLegs) = CraftedItem("Crafted Pants of Flame", 51, kCraftedCloth,
                                {{2, 20, 6}, {6, 11, 3}, {15, 7, 4}, {0, 0, 0}});
  tpl.Slot(kFeet) = CraftedItem("Crafted Boots of Flame", 51, kCraftedCloth,
                                {{3, 14, 4}, {45, 3, 2}, {18, 7, 4}, {17, 5, 3}});
  tpl.Slot(kRightHand) = Item("Unused Dagger", {{30, 2}});  // not wielded with a staff
  tpl.Slot(kTwoHand) = With(Item("Staff of the Magi", {{59, 50}, {43, 4}, {152, 3}, {142, 6}}),
                            [](TItemRecord& item) {
                              item.WeaponType = 10;
                              item.Expansion = 4;
                              item.EffectKind[0] = 1;
                              item.EffectId[0] = Effect("Direct Damage");
                            });
  return tpl;
}

TTemplateRecord MidgardValkyrie() {
  TTemplateRecord tpl = Template("Brynhild", kValkyrie, 0);
  tpl.RealmRank = 10;
  tpl.RaceIndex = 7;  // Valkyn
  tpl.ServerType = kPvP;
  tpl.Slot(kJewel) = Item("R\xfanic Jewel", {{1, 12}, {2, 12}, {10, 40}, {134, 5}});
  tpl.Slot(kNeck) = Item("Valkyrie's Torc", {{103, 3}, {23, 3}, {146, 20}, {150, 3}});
  tpl.Slot(kCloak) = With(Item("Cloak of the Einherjar", {{148, 10}, {147, 3}, {2, 9}}),
                          [](TItemRecord& item) { item.Expansion = 3; });
  tpl.Slot(kBelt) = Item("Girdle of the Aesir", {{1, 15}, {190, 5}, {149, 2}});
  tpl.Slot(kRing1) = Item("Band of Battle", {{20, 3}, {24, 2}, {12, 4}});
  tpl.Slot(kRing2) = Item("Band of Fury", {{179, 2}, {119, 3}, {151, 2}});
  tpl.Slot(kWrist1) = Item("Bracer of Mending", {{118, 4}, {5, 9}, {142, 3}});
  tpl.Slot(kWrist2) = Item("Bracer of Iron", {{3, 9}, {13, 5}, {135, 4}});
  tpl.Slot(kChest) = CraftedItem("Crafted Chain Hauberk", 51, kCraftedChain,
                                 {{1, 26, 8}, {2, 23, 7}, {103, 4, 3}, {18, 11, 6}}, {{148, 10}});
  tpl.Slot(kHead) = CraftedItem("Crafted Chain Coif", 51, kCraftedChain,
                                {{20, 1, 0}, {107, 4, 3}, {19, 11, 6}, {3, 14, 4}});
  tpl.Slot(kArms) = CraftedItem("Crafted Chain Sleeves", 51, kCraftedChain,
                                {{119, 3, 2}, {4, 14, 4}, {14, 9, 5}, {15, 9, 5}});
  tpl.Slot(kHands) = CraftedItem("Crafted Chain Gloves", 51, kCraftedChain,
                                 {{24, 3, 2}, {1, 11, 3}, {16, 9, 5}, {17, 9, 5}});
  tpl.Slot(kLegs) = CraftedItem("Crafted Chain Leggings", 51, kCraftedChain,
                                {{2, 17, 5}, {10, 52, 6}, {11, 7, 4}, {118, 2, 1}});
  tpl.Slot(kFeet) = CraftedItem("Crafted Chain Boots", 51, kCraftedChain,
                                {{3, 17, 5}, {4, 11, 3}, {12, 7, 4}, {23, 2, 1}});
  tpl.Slot(kRightHand) =
      CraftedItem("Crafted Sword", 51, kCraftedNotArmour,
                  {{103, 4, 3}, {1, 11, 3}, {0, 0, 0}, {10, 28, 3}}, {{148, 10}, {150, 3}});
  tpl.Slot(kLeftHand) =
      With(Item("Large Shield of Valhalla", {{23, 4}, {10, 21}, {183, 2}}), [](TItemRecord& item) {
        item.WeaponType = 29;
        item.Armor = 0;
        item.Expansion = 5;
      });
  tpl.Slot(kTwoHand) = CraftedItem("Crafted Great Spear", 51, kCraftedNotArmour,
                                   {{107, 5, 4}, {2, 14, 4}, {20, 1, 0}, {19, 5, 3}});
  tpl.Slot(kRanged) =
      With(Item("Throwing Axes of Mj\xf6lnir", {{110, 3}, {1, 6}}), [](TItemRecord& item) {
        item.WeaponType = 18;
        item.EffectKind[1] = 3;
        item.EffectId[1] = Effect("Stun");
      });
  tpl.Slot(kMyth) = With(Item("Mythirian of Vigor", {{2, 10}, {1, 8}}), [](TItemRecord& item) {
    item.ItemType = kItemTypeMythirian;
    item.EffectKind[0] = 6;
    item.EffectId[0] = Effect("Health Regeneration");
  });
  return tpl;
}

TTemplateRecord HiberniaDruid() {
  TTemplateRecord tpl = Template("Aoife", kDruid, 1);
  tpl.RealmRank = 11;
  tpl.RaceIndex = 1;  // Celt
  tpl.ServerType = kCoop;
  tpl.Slot(kJewel) = Item("Gem of the Grove", {{7, 12}, {142, 8}, {140, 4}, {160, 5}, {161, 5}});
  tpl.Slot(kNeck) =
      With(Item("Choker of <Tuscar> & Kin", {{145, 10}, {144, 5}, {156, 5}, {170, 3}}),
           [](TItemRecord& item) {
             item.Note.Assign("Drops from <Tuscar> & friends");
             item.Expansion = 3;
           });
  tpl.Slot(kCloak) =
      CraftedItem("Crafted Druid Cloak", 51, 2, {{21, 1, 0}, {22, 50, 9}, {85, 4, 3}, {7, 11, 3}});
  tpl.Slot(kBelt) = Item("Belt of Fortune", {{162, 3}, {163, 2}, {164, 2}, {165, 4}, {184, 5}});
  tpl.Slot(kRing1) = Item("Ring of the Wary", {{166, 2}, {167, 2}, {168, 2}, {169, 3}, {171, 2}});
  tpl.Slot(kRing2) = Item("Ring of Thrift", {{172, 1}, {173, 3}, {174, 4}, {175, 2}, {176, 2}});
  tpl.Slot(kWrist1) = Item("Bracer of Focus", {{177, 2}, {178, 2}, {183, 3}, {198, 4}});
  tpl.Slot(kWrist2) = With(Item("Bracer of Rivalry", {{191, 2},
                                                      {192, 2},
                                                      {193, 2},
                                                      {194, 2},
                                                      {195, 2},
                                                      {196, 2},
                                                      {197, 2},
                                                      {157, 2},
                                                      {210, 5}}),
                           [](TItemRecord& item) {
                             item.Unique = 1;
                             item.ItemType = kItemTypeUnique;
                             item.Expansion = 200;
                           });
  tpl.Slot(kChest) = CraftedItem("Crafted Reinforced Vest", 51, 2,
                                 {{82, 4, 3}, {83, 4, 3}, {7, 14, 4}, {10, 44, 5}}, {{180, 3}});
  tpl.Slot(kHead) = With(Item("Helm of the Hunt", {{85, 3}, {11, 8}, {12, 8}, {13, 8}, {141, 2}}),
                         [](TItemRecord& item) { item.Armor = 6; });
  tpl.Slot(kTwoHand) =
      With(Item("Staff of Life", {{180, 3}, {7, 10}, {160, 5}}), [](TItemRecord& item) {
        item.WeaponType = 10;
        item.EffectKind[0] = 4;
        item.EffectId[0] = Effect("Power Regeneration");
      });
  tpl.Slot(kLeftHand) = Item("", {{7, 3}});  // counted, but a nameless item is not listed
  tpl.Slot(kMyth) =
      With(Item("Mythirian of the Wilds", {{166, 3}, {1, 10}}), [](TItemRecord& item) {
        item.ItemType = kItemTypeMythirian;
        item.EffectKind[0] = 6;
        item.EffectId[0] = Effect("Evasion Bonus");
      });
  return tpl;
}

}  // namespace

std::vector<GoldenTemplate> GoldenTemplates() {
  return {{"new-character", NewCharacter()},
          {"albion-wizard", AlbionWizard()},
          {"midgard-valkyrie", MidgardValkyrie()},
          {"hibernia-druid", HiberniaDruid()}};
}

}  // namespace qm::testing
