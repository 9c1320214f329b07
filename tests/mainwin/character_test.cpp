// Class, race, server and champion changes, the utility column and the panels.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/file_io.h"
#include "mainwin/main_window_fixture.h"
#include "tools/samples.h"

namespace qm {
namespace {

using testing::MainWindowFixture;

constexpr int kArmsman = 0;
constexpr int kCabalist = 1;

void PlaceThroughWorkbench(MainWindowFixture& f, int slot, const TItemRecord& item) {
  f.workbench.results.push_back(item);
  f.window.OpenSlot(slot);
}

TEST(Character, ClassChangeAsksOnceItemsArePlaced) {
  MainWindowFixture f;
  f.Start();
  // A fresh template changes class without a question and keeps its items.
  f.window.PreviewSlot(kChest, samples::MakeClassItem("Plate", {kArmsman}, {{1, 10}}));
  f.window.ChangeClass(kCabalist);
  EXPECT_TRUE(f.user.questions.empty());
  EXPECT_EQ(f.window.Template().Slot(kChest).Name.View(), "Plate");
  f.window.ChangeClass(kArmsman);

  PlaceThroughWorkbench(f, kHead, samples::MakeClassItem("Helm", {kArmsman}, {{2, 10}}));
  TItemRecord crafted = samples::MakeItem("Crafted Ring", {{1, 5}});
  crafted.Crafted = 1;
  TItemRecord craftedChest = crafted;
  craftedChest.Name.Assign("Crafted Chest");
  PlaceThroughWorkbench(f, kRing1, crafted);
  PlaceThroughWorkbench(f, kChest, craftedChest);

  f.user.answers = {Answer::Cancel};  // "&Cancel Change"
  f.window.ChangeClass(kCabalist);
  EXPECT_EQ(f.window.View().Class.Selection, kArmsman);
  EXPECT_EQ(f.window.Template().ClassIndex, kArmsman);
  EXPECT_EQ(f.window.Template().Slot(kHead).Name.View(), "Helm");
  const auto& q = f.user.questions.back();
  EXPECT_EQ(q.title, "Make Compatible?");
  EXPECT_EQ(q.ok, "Check &Items");
  EXPECT_EQ(q.cancel, "&Cancel Change");

  f.user.answers = {Answer::Ok};  // "Check &Items"
  f.window.ChangeClass(kCabalist);
  EXPECT_EQ(f.window.Template().ClassIndex, kCabalist);
  EXPECT_EQ(f.window.Template().Slot(kHead).Name.View(), " ");
  EXPECT_EQ(f.window.Template().Slot(kRing1).Name.View(), "Crafted Ring");
  EXPECT_EQ(f.window.Template().Slot(kChest).Name.View(), " ");
  EXPECT_EQ(f.window.View().Figures.MainStats[4].Name.Text, "Intelligence");
  EXPECT_EQ(f.window.View().Race.Text(), "<None>");
}

TEST(Character, RaceChangeShowsTheSummaryAndClassChangeResetsIt) {
  MainWindowFixture f;
  f.Start();
  const auto& races = f.window.View().Race.Entries;
  const int minotaur =
      static_cast<int>(std::find(races.begin(), races.end(), "Minotaur") - races.begin());
  f.window.ChangeRace(minotaur);
  EXPECT_EQ(f.window.View().InfoLines.at(0), "Race Information for Minotaur");
  EXPECT_EQ(f.window.View().Figures.Resists[0].Value.Text, "4");
  EXPECT_EQ(f.window.View().Figures.Resists[0].Cap.Text, "/ 30%");
  EXPECT_FALSE(f.window.Unchanged());

  f.window.ChangeClass(22);  // a Hibernian class: the race list changes and goes back to "<None>"
  EXPECT_EQ(f.window.View().Race.Text(), "<None>");
  EXPECT_EQ(f.window.View().Race.Entries.at(1), "Celt");
  EXPECT_EQ(f.window.View().Figures.Resists[0].Value.Text, "0");
  EXPECT_TRUE(f.window.View().InfoLines.empty());

  // Pointing at the race combo runs the race change again and counts as a change.
  f.window.ChangeRace(1);
  f.window.SaveTemplateAs();
  f.window.RaceMouseEnter();
  EXPECT_EQ(f.window.View().ActiveControl, "cbRace");
  EXPECT_EQ(f.window.View().InfoLines.at(0), "Race Information for Celt");
}

TEST(Character, ServerChangeQuestionAndRules) {
  MainWindowFixture f;
  f.Start(22);  // Eldritch, Hibernia
  TItemRecord albion = samples::MakeItem("Albion Ring", {{6, 5}});
  albion.Realm = 0;
  f.settings.Record().WSlot = false;
  f.window.ChangeServerType(1);  // Coop: realm-foreign items are allowed
  PlaceThroughWorkbench(f, kRing1, albion);
  EXPECT_EQ(f.window.Template().Slot(kRing1).Name.View(), "Albion Ring");

  f.user.answers = {Answer::Cancel};
  f.window.ChangeServerType(0);
  EXPECT_EQ(f.window.Template().ServerType, 1);
  EXPECT_EQ(f.window.View().Server.Selection, 1);
  EXPECT_EQ(f.user.questions.back().cancel, "&Cancel");

  f.user.answers = {Answer::Ok};
  f.window.ChangeServerType(0);
  EXPECT_EQ(f.window.Template().ServerType, 0);
  EXPECT_EQ(f.window.Template().Slot(kRing1).Name.View(), " ");
}

TEST(Character, ClearingTheChampionBoxEmptiesTheMythSlotForGood) {
  MainWindowFixture f;
  f.Start();
  f.window.PreviewSlot(kMyth, samples::MakeItem("Mythirian", {{1, 10}}));
  EXPECT_EQ(f.window.View().Figures.MainStats[0].Value.Text, "10");
  EXPECT_EQ(f.window.View().Figures.MainStats[0].Cap.Text, "/ 85");
  f.window.SetChampion(false);
  f.window.SetChampion(true);
  EXPECT_EQ(f.window.Template().Slot(kMyth).Name.View(), " ");
  EXPECT_EQ(f.window.View().Figures.MainStats[0].Value.Text, "0");
  EXPECT_TRUE(f.window.View().Slots[kMyth - 1].Button.Enabled);
}

TEST(Character, UtilityModeCyclesAndIsStored) {
  MainWindowFixture f;
  f.Start();
  f.window.PreviewSlot(kJewel, samples::MakeItem("Jewel", {{1, 15}, {11, 5}}));
  EXPECT_EQ(f.window.View().Slots[0].Utility.Text, "20.0");
  EXPECT_EQ(f.window.View().UtilityTotal.Text, "Total Utility : 20.0");
  const char* totals[] = {"Total ToA : 20.0", "Average Bonus LV : 14.0", "Total Bonus Count : 2",
                          "Total Utility : 20.0"};
  for (int step = 0; step < 4; ++step) {
    const std::size_t writesBefore = f.store.writes.size();
    f.window.CycleUtilityMode();
    EXPECT_EQ(f.window.View().UtilityTotal.Text, totals[step]);
    EXPECT_EQ(f.window.UtilityMode(), (step + 1) % 4);
    EXPECT_EQ(f.window.View().OptionChecks.utilityType, (step + 1) % 4);
    EXPECT_EQ(f.settings.Record().UtilSetting, (step + 1) % 4);
    EXPECT_GT(f.store.writes.size(), writesBefore);
  }
  f.window.ToggleUtilityDisplay();
  EXPECT_FALSE(f.window.View().UtilityVisible);
  EXPECT_FALSE(f.window.View().UtilityTotal.Visible);
  EXPECT_FALSE(f.window.View().Slots[kHead - 1].Utility.Visible);
  EXPECT_EQ(f.settings.Record().Utility, 0);
}

TEST(Character, HoverPanels) {
  MainWindowFixture f;
  f.Start();
  f.window.PreviewSlot(kRing1, samples::MakeItem("Ring", {{1, 7}, {1, 3}}));
  f.window.ItemMouseEnter(kRing1);
  EXPECT_EQ(f.window.View().StatBoxCaption, "Item: Ring");
  EXPECT_EQ(f.window.View().SummaryLabels.stat[0], "7 Strength");

  f.window.StatEnter(1);
  EXPECT_EQ(f.window.View().StatBoxCaption, "Stat: Strength");
  EXPECT_EQ(f.window.View().InfoLines.at(0), "Items that add to Strength");
  EXPECT_EQ(f.window.View().InfoLines.at(2), "Ring 1 : 10");
  EXPECT_EQ(f.window.View().InfoLines.back(), "Stat Total : (10)");
  EXPECT_TRUE(f.window.View().SummaryLabels.stat[0].empty());

  const auto before = f.window.View().InfoLines;
  f.window.StatEnter(0);
  f.window.StatEnter(2, false);
  EXPECT_EQ(f.window.View().InfoLines, before);

  f.window.ItemMouseEnter(kHead);
  EXPECT_EQ(f.window.View().StatBoxCaption, "Item: No item");
}

TEST(Character, WindowCommandsGoThroughThePorts) {
  MainWindowFixture f;
  f.Start();
  f.window.OpenWebSite();
  f.window.OpenHerald();
  EXPECT_EQ(f.shell.opened.size(), 2u);
  f.window.OpenSalvageCalculator();
  f.window.OpenVaultBrowser();
  f.window.OpenOptions();
  f.window.OpenAbout();
  f.window.OpenItemImport();
  EXPECT_EQ(f.windows.salvageRuns + f.windows.vaultBrowserRuns + f.windows.optionsRuns, 3);
  // By the names the desktop's window table registers them under.
  EXPECT_EQ(f.windows.opened,
            (std::vector<std::string>{"salvage", "browser", "options", "about", "import"}));
  f.window.ChangeRealmRank(4);
  f.window.OpenReport();
  ASSERT_EQ(f.windows.reports.size(), 1u);
  EXPECT_EQ(f.windows.reports[0].ClassText, "(Alb) Armsman");
  EXPECT_EQ(f.windows.reports[0].Template.RealmRank, 5);
  EXPECT_EQ(f.windows.reports[0].UtilityTexts[0], "0.0");
  f.window.RegisterFiles();
  EXPECT_EQ(f.user.messages.back(), "QMC and QMY files have been associated with this program.");
  f.window.SetDefaultServerType(3);
  EXPECT_EQ(f.settings.Record().Server, 3);
  f.window.SetDefaultServerType(4);  // "&Origins" cannot be chosen
  EXPECT_EQ(f.settings.Record().Server, 3);
}

// "&Use Bundled Vault" is offered once the player has a vault of their own,
// and each click flips and stores the choice for the next start.
TEST(Character, UseBundledVaultFlipsTheStoredChoiceOnceThePlayerHasAVault) {
  MainWindowFixture f;
  f.Start();
  const MenuItemState& item = f.window.View().UseBundledVault.Item;
  EXPECT_EQ(item.Caption, "&Use Bundled Vault");
  EXPECT_FALSE(item.Enabled);
  EXPECT_EQ(f.window.View().UseBundledVault.Tip,
            "You have no vault of your own yet: import one with Tools > Import Item Database...");
  f.window.ToggleBundledVault();
  EXPECT_FALSE(f.settings.Record().UseBundledVault);
  EXPECT_TRUE(f.user.messages.empty());

  std::filesystem::create_directory(f.folder.Path() / "data");
  ASSERT_TRUE(WriteFileAtomically(f.settings.UserVaultPath(), "vault").Ok());
  f.window.UpdateVaultMenu();
  EXPECT_TRUE(item.Enabled);
  EXPECT_FALSE(item.Checked);

  const struct {
    bool checked;
    const char* message;
  } clicks[] = {
      {true, "Quillmark starts with the bundled sample vault from its next start on."},
      {false, "Quillmark starts with your own vault from its next start on."},
  };
  for (const auto& click : clicks) {
    f.window.ToggleBundledVault();
    EXPECT_EQ(item.Checked, click.checked);
    EXPECT_EQ(f.store.Get("UseBundledVault"),
              testing::FakeSettingsStore::Value(click.checked ? 1 : 0));
    EXPECT_EQ(f.user.messages.back(), click.message);
  }
  EXPECT_TRUE(std::filesystem::exists(f.settings.UserVaultPath()));
}

}  // namespace
}  // namespace qm
