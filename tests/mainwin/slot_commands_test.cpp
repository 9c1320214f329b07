// Opening slots, previews, clearing and the weapon configuration.
#include <gtest/gtest.h>

#include "mainwin/main_window_fixture.h"
#include "tools/samples.h"

namespace qm {
namespace {

using testing::MainWindowFixture;

constexpr int kArmsman = 0;
constexpr int kCabalist = 1;
constexpr int kHeretic = 4;
constexpr int kMinstrel = 8;
constexpr int kWizard = 15;
constexpr int kNightshade = 27;
constexpr int kVampiir = 30;
constexpr int kUnknownClass = 47;

TEST(SlotCommands, RefusedSlotsOnlyBeep) {
  struct Case {
    int classIndex;
    int slot;
    bool champion;
    bool opens;
    int kind;
  };
  const Case cases[] = {
      {kCabalist, kRightHand, false, false, 0},
      {kCabalist, kRightHand, true, true, 13},
      {kCabalist, kLeftHand, false, false, 0},
      {kCabalist, kLeftHand, true, true, 14},
      {kHeretic, kRightHand, false, true, 13},
      {kVampiir, kRanged, true, false, 0},
      {kWizard, kRanged, false, true, 15},
      {kMinstrel, kRanged, false, true, 16},
      {kArmsman, kRanged, false, true, 16},  // a crossbow, though no bow flag
      {kNightshade, kRanged, true, false, 0},
      {kUnknownClass, kRanged, true, false, 0},
      {kCabalist, kTwoHand, false, true, 15},
      {0, kRing2, false, true, 5},
      {0, kWrist1, false, true, 6},
      {0, kMyth, true, true, 17},
  };
  for (const Case& c : cases) {
    MainWindowFixture f;
    f.Start(c.classIndex);
    if (!c.champion) f.window.ChangeLevel("49");
    f.window.OpenSlot(c.slot);
    SCOPED_TRACE(std::to_string(c.classIndex) + " slot " + std::to_string(c.slot));
    EXPECT_EQ(f.workbench.requests.size(), c.opens ? 1u : 0u);
    EXPECT_EQ(f.user.beeps, c.opens ? 0 : 1);
    if (c.opens) {
      EXPECT_EQ(f.workbench.requests[0].SlotFilterIndex, c.kind);
    }
  }
}

TEST(SlotCommands, WorkbenchRequestDescribesTheSlot) {
  MainWindowFixture f;
  f.Start();
  f.window.PreviewSlot(kChest, samples::MakeItem("Hauberk of Might", {{1, 10}}));
  f.window.OpenSlot(kChest);
  ASSERT_EQ(f.workbench.requests.size(), 1u);
  const WorkbenchRequest& request = f.workbench.requests[0];
  EXPECT_EQ(request.Slot, kChest);
  EXPECT_EQ(request.SlotFilterIndex, 7);
  EXPECT_TRUE(request.Crafted);
  EXPECT_TRUE(request.ArmourSlot);
  EXPECT_FALSE(request.WeaponSlot);
  EXPECT_FALSE(request.Myth);
  EXPECT_EQ(request.SearchName, "Hauberk of Might");

  f.window.OpenSlot(kNeck);
  EXPECT_FALSE(f.workbench.requests[1].Crafted);
  EXPECT_EQ(f.workbench.requests[1].SearchName, "");  // an empty slot looks for nothing
}

TEST(SlotCommands, TheSpellcraftSkillGoesToTheWorkbenchAndBackIntoTheSettings) {
  MainWindowFixture f;
  f.Start();
  f.settings.Record().CraftSkill = 720;
  f.window.OpenSlot(kChest);
  EXPECT_EQ(f.workbench.requests.back().Settings.CraftSkill, 720);

  // Unchanged, or not offered at all: nothing is written.
  f.store.writes.clear();
  f.workbench.craftSkill = 720;
  f.window.OpenSlot(kChest);
  f.workbench.craftSkill.reset();
  f.window.OpenSlot(kNeck);
  EXPECT_TRUE(f.store.writes.empty());

  // A skill changed in the tab is kept, even when the window was cancelled.
  f.workbench.craftSkill = 1150;
  f.window.OpenSlot(kChest);
  EXPECT_EQ(f.settings.Record().CraftSkill, 1150);
  EXPECT_EQ(f.store.Get("CraftSkill"), testing::FakeSettingsStore::Value(1150));
  f.workbench.craftSkill.reset();
  f.window.OpenSlot(kChest);
  EXPECT_EQ(f.workbench.requests.back().Settings.CraftSkill, 1150);
}

TEST(SlotCommands, ReturnedItemsStayAndCancelRestoresButStillMarksChanged) {
  MainWindowFixture f;
  f.Start();
  const TItemRecord ring = samples::MakeItem("Ring of Dances", {{3, 9}, {4, 9}});
  f.workbench.results.push_back(ring);
  f.window.OpenSlot(kRing1);
  EXPECT_EQ(f.window.Template().Slot(kRing1).Name.View(), "Ring of Dances");
  EXPECT_EQ(f.window.View().Slots[kRing1 - 1].Name.Text, "Ring of Dances");
  EXPECT_EQ(f.window.View().Figures.MainStats[2].Value.Text, "9");
  EXPECT_TRUE(f.window.ItemsPlaced());
  EXPECT_FALSE(f.window.Unchanged());

  f.window.SaveTemplateAs();  // no answer scripted: the dialog is cancelled
  MainWindowFixture g;
  g.Start();
  // Previews show at once; a cancel puts the old item back but the template counts as changed.
  g.workbench.duringRun = [&](const WorkbenchRequest&, const SlotPreview& preview) {
    preview(kBelt, samples::MakeItem("Preview Belt", {{1, 20}}));
    EXPECT_EQ(g.window.View().Figures.MainStats[0].Value.Text, "20");
    EXPECT_FALSE(g.window.Idle());
  };
  g.window.OpenSlot(kBelt);
  EXPECT_EQ(g.window.Template().Slot(kBelt).Name.View(), " ");
  EXPECT_EQ(g.window.View().Figures.MainStats[0].Value.Text, "0");
  EXPECT_FALSE(g.window.Unchanged());
  EXPECT_TRUE(g.window.Idle());
}

TEST(SlotCommands, AutomaticWeaponSlotSwitchesBeforeTheWorkbenchOpens) {
  const std::pair<int, int> cases[] = {
      {kRightHand, 0}, {kLeftHand, 0}, {kTwoHand, 2}, {kRanged, 3}};
  for (const auto& [slot, config] : cases) {
    MainWindowFixture f;
    f.Start();
    int seen = -1;
    f.workbench.duringRun = [&](const WorkbenchRequest&, const SlotPreview&) {
      seen = f.window.Template().WeaponConfig;
    };
    f.window.OpenSlot(slot);  // cancelled
    EXPECT_EQ(seen, config) << slot;
    EXPECT_EQ(f.window.Template().WeaponConfig, config) << slot;
    EXPECT_EQ(f.window.View().Weapon.Text(), std::string(WeaponConfigText(config)));
  }
  MainWindowFixture manual;
  manual.Start();
  manual.window.ToggleOption(SettingToggle::WeaponSlot, false);
  manual.window.OpenSlot(kTwoHand);
  EXPECT_EQ(manual.window.Template().WeaponConfig, 4);
  EXPECT_FALSE(manual.settings.Record().WSlot);
}

TEST(SlotCommands, ClearingSlots) {
  MainWindowFixture f;
  f.Start();
  f.window.ClearSlot(kHead);  // empty: only a beep
  EXPECT_EQ(f.user.beeps, 1);
  EXPECT_TRUE(f.user.questions.empty());

  f.window.PreviewSlot(kHead, samples::MakeItem("Helm", {{2, 12}}));
  f.user.yesNoAnswers = {false, true};
  f.window.ClearSlot(kHead);
  EXPECT_EQ(f.window.Template().Slot(kHead).Name.View(), "Helm");
  f.window.ClearSlot(kHead);
  EXPECT_EQ(f.window.Template().Slot(kHead).Name.View(), " ");
  EXPECT_EQ(f.window.View().Slots[kHead - 1].Name.Text, " ");
  EXPECT_EQ(f.window.View().Figures.MainStats[1].Value.Text, "0");

  f.window.PreviewSlot(kFeet, samples::MakeItem("Boots", {{2, 12}}));
  f.user.answers = {Answer::Cancel, Answer::Ok};
  f.window.ClearAllSlots();
  EXPECT_EQ(f.window.Template().Slot(kFeet).Name.View(), "Boots");
  f.window.ClearAllSlots();
  EXPECT_EQ(f.window.Template().Slot(kFeet).Name.View(), " ");
  EXPECT_FALSE(f.window.ItemsPlaced());
  const auto& q = f.user.questions.back();
  EXPECT_EQ(q.message, "Do you wish to clear all item slots?");
  EXPECT_EQ(q.title, "Empty ALL Item Slots?");
  EXPECT_EQ(q.ok, "&Empty All Slots");
}

TEST(SlotCommands, WeaponConfigurationDecidesWhichWeaponsCount) {
  MainWindowFixture f;
  f.Start();
  f.window.PreviewSlot(kRightHand, samples::MakeItem("Sword", {{1, 5}}));
  f.window.PreviewSlot(kTwoHand, samples::MakeItem("Great Sword", {{1, 7}}));
  EXPECT_EQ(f.window.View().Figures.MainStats[0].Value.Text, "0");  // configuration 4
  f.window.SetWeaponConfig(0);
  EXPECT_EQ(f.window.View().Figures.MainStats[0].Value.Text, "5");
  f.window.SetWeaponConfig(2);
  EXPECT_EQ(f.window.View().Figures.MainStats[0].Value.Text, "7");
  EXPECT_FALSE(f.window.Unchanged());
}

TEST(SlotCommands, SlotNamesTakeTheColourOfTheItemType) {
  MainWindowFixture f;
  f.Start();
  TItemRecord imported = samples::MakeItem("Imported Myth", {{1, 5}});
  imported.ItemType = 14;
  f.window.PreviewSlot(kMyth, imported);
  EXPECT_EQ(f.window.View().Slots[kMyth - 1].Name.Colour, kPurple);
  TItemRecord artifact = samples::MakeItem("Artifact", {{1, 5}});
  artifact.ItemType = 8;
  f.window.PreviewSlot(kCloak, artifact);
  EXPECT_EQ(f.window.View().Slots[kCloak - 1].Name.Colour, kBlue);
}

}  // namespace
}  // namespace qm
