// A whole session as a player plays it: first run, a new character, items
// from the workbench, save, and the template loaded back in a fresh window.
#include <gtest/gtest.h>

#include "mainwin/main_window_fixture.h"
#include "tools/samples.h"

namespace qm {
namespace {

using testing::MainWindowFixture;

std::vector<std::string> FigureTexts(const TfrmGearMain& window) {
  std::vector<std::string> texts;
  for (const FigureRow* row : window.View().Figures.AllRows())
    texts.push_back(row->Name.Text + "|" + row->Value.Text + "|" + row->Cap.Text + "|" +
                    row->Diff.Text);
  for (const auto& slot : window.View().Slots)
    texts.push_back(slot.Name.Text + "|" + slot.Utility.Text);
  texts.push_back(window.View().UtilityTotal.Text);
  return texts;
}

TEST(Session, FirstRunToSavedAndReloadedTemplate) {
  MainWindowFixture f;
  // First run: no settings key yet.
  ApplyStartupSettings(f.settings, f.user, f.shell);
  ASSERT_EQ(f.user.messages.size(), 2u);
  EXPECT_EQ(f.user.messages[0], "Startup registry settings were not found, default options set.");
  EXPECT_EQ(f.user.messages[1], "QMC and QMY files have been associated with this application");
  EXPECT_TRUE(f.store.writes.empty());
  f.window.StartUp(std::nullopt);
  f.window.FirstShow();
  EXPECT_FALSE(f.store.writes.empty());
  EXPECT_EQ(f.store.writes.front(), "Start");

  f.window.NewTemplate();
  f.window.ChangeName("Brenna", 6);
  f.window.ChangeClass(22);  // Eldritch
  const auto& races = f.window.View().Race.Entries;
  f.window.ChangeRace(
      static_cast<int>(std::find(races.begin(), races.end(), "Elf") - races.begin()));
  f.window.ChangeRealmRank(7);  // RR8

  f.workbench.results = {
      samples::MakeItem("Eldritch Jewel", {{6, 15}, {142, 5}, {10, 40}}),
      samples::MakeItem("Void Staff", {{91, 4}, {102, 50}, {153, 3}}),
      samples::MakeItem("Robe of the Void", {{2, 12}, {14, 8}, {139, 3}}),
      samples::MakeItem("Mythirian of Ire", {{14, 5}}),
  };
  f.window.OpenSlot(kJewel);
  f.window.OpenSlot(kTwoHand);
  f.window.OpenSlot(kChest);
  f.window.OpenSlot(kMyth);
  EXPECT_EQ(f.workbench.requests.size(), 4u);
  EXPECT_EQ(f.window.Template().WeaponConfig, 2);  // automatic weapon slot

  const MainWindowView& view = f.window.View();
  const FigureRow& acuity = view.Figures.MainStats[kAcuityRow];
  EXPECT_EQ(acuity.Name.Text, "Intelligence");
  EXPECT_EQ(acuity.Value.Text, "20");
  EXPECT_EQ(acuity.Cap.Text, "/ 78");
  EXPECT_EQ(view.Figures.MainStats[kHitPointsRow].Value.Text, "40");
  const FigureRow* voidRow = nullptr;
  for (const FigureRow& row : view.Figures.Skills)
    if (row.Name.Text == "Void") voidRow = &row;
  ASSERT_NE(voidRow, nullptr);
  EXPECT_EQ(voidRow->Value.Text, "11");  // 4 + realm rank 8 - 1
  EXPECT_EQ(voidRow->Cap.Text, "/ 18");
  EXPECT_EQ(view.Figures.Resists[3].Value.Text, "13");   // Heat 8 + 5 from the Myth slot, Elf 0
  EXPECT_EQ(view.Figures.Resists[3].Cap.Text, "/ 31%");  // the Myth raises the cap too
  EXPECT_EQ(f.window.View().Title, "Quillmark Classic v1.118.0.2 - [ Brenna ]");

  const auto before = FigureTexts(f.window);
  f.files.saveAnswers.push_back(f.File("Brenna.qmc"));
  ASSERT_TRUE(f.window.SaveTemplate());
  EXPECT_EQ(f.user.messages.back(), "Character saved : Brenna.qmc");
  EXPECT_TRUE(f.window.QueryClose());

  // A second run: settings exist now, the template comes back from the recent list.
  MainWindowFixture g;
  g.store.keyExists = true;
  g.store.values = f.store.values;
  ApplyStartupSettings(g.settings, g.user, g.shell);
  g.window.StartUp(std::nullopt);
  g.window.FirstShow();
  EXPECT_EQ(g.window.View().Recent[0].Caption, "&1. Brenna.qmc");
  g.window.ChooseRecent(1);
  EXPECT_EQ(g.window.Template().CharName.View(), "Brenna");
  EXPECT_EQ(g.window.View().Race.Text(), "Elf");
  EXPECT_EQ(g.window.View().RealmRank.Text(), "RR8");
  EXPECT_EQ(FigureTexts(g.window), before);
  EXPECT_TRUE(g.window.Unchanged());
}

}  // namespace
}  // namespace qm
