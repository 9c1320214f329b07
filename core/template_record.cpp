#include "core/template_record.h"

#include <array>
#include <cstring>

namespace qm {
namespace {

constexpr std::array<std::string_view, kSlotCount> kSlotNames{
    "Jewel", "Neck",  "Cloak", "Belt", "Ring 1",  "Ring 2",  "Wrist 1", "Wrist 2", "Chest", "Head",
    "Arms",  "Hands", "Legs",  "Feet", "R. Hand", "L. Hand", "2. Hand", "Ranged",  "Myth"};

constexpr std::array<std::uint8_t, kSlotCount> kSlotKinds{1, 2,  3,  4,  5,  5,  6,  6,  7, 8,
                                                          9, 10, 11, 12, 13, 14, 15, 16, 17};

constexpr std::array<std::string_view, 5> kWeaponConfigTexts{
    "Left and right hand slots", "Left and two hand slots", "Two handed slot", "Ranged slot",
    "No weapons equipped"};

// The two weapon steps of the totals for each configuration (0 = no item).
constexpr std::array<std::array<int, 2>, 5> kWeaponSteps{{
    {kRightHand, kLeftHand},
    {kLeftHand, kTwoHand},
    {kTwoHand, 0},
    {kRanged, 0},
    {0, 0},
}};

}  // namespace

std::string_view SlotName(int slot) {
  return slot >= 1 && slot <= kSlotCount ? kSlotNames[static_cast<std::size_t>(slot - 1)]
                                         : std::string_view{};
}

int SlotKindOf(int slot) {
  return slot >= 1 && slot <= kSlotCount ? kSlotKinds[static_cast<std::size_t>(slot - 1)] : 0;
}

std::string_view WeaponConfigText(int config) {
  return config >= 0 && config < 5 ? kWeaponConfigTexts[static_cast<std::size_t>(config)]
                                   : std::string_view{};
}

int WeaponStepSlot(int config, int step) {
  if (config < 0 || config > 4 || (step != 15 && step != 16)) return 0;
  return kWeaponSteps[static_cast<std::size_t>(config)][static_cast<std::size_t>(step - 15)];
}

void InitTemplate(TTemplateRecord& tpl) {
  tpl.CharName.Length = 0;
  tpl.CharLevel = 50;
  tpl.RealmRank = 1;
  tpl.ClassIndex = 0;
  tpl.ServerType = kNormal;
  for (TItemRecord& item : tpl.Slots) InitItem(item);
  tpl.WeaponConfig = 4;
  tpl.ChampionFlag = 1;
}

TTemplateRecord EmptyTemplate() {
  TTemplateRecord tpl;
  std::memset(&tpl, 0, sizeof tpl);
  InitTemplate(tpl);
  return tpl;
}

}  // namespace qm
