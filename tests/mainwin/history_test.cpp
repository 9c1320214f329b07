// Undo and redo of the main window's template: every kind of change, one
// step per user action, the unsaved mark, the history's limit and its cost.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>

#include "core/file_io.h"
#include "core/template_file.h"
#include "mainwin/main_window_fixture.h"
#include "mainwin/template_history.h"
#include "support/view_counter.h"
#include "tools/samples.h"

namespace qm {
namespace {

using testing::AnnouncementsOf;
using testing::MainWindowFixture;

constexpr int kArmsman = 0;
constexpr int kCabalist = 1;

// The bytes a save would write now.
std::vector<std::uint8_t> SavedBytes(MainWindowFixture& f) {
  TTemplateRecord tpl = f.window.RecordToSave();
  const std::string path = f.File("bytes.qmc");
  EXPECT_TRUE(WriteTemplateFile(path, tpl, 0).Ok());
  return ReadFileBytes(path).Value();
}

void Place(MainWindowFixture& f, int slot, const TItemRecord& item) {
  f.workbench.results.push_back(item);
  f.window.OpenSlot(slot);
}

// A started template with an Armsman-only helm, a ring and a Myth item.
void StartWithItems(MainWindowFixture& f) {
  f.Start();
  f.settings.Record().WSlot = false;
  Place(f, kHead, samples::MakeClassItem("Helm", {kArmsman}, {{2, 10}}));
  Place(f, kRing1, samples::MakeItem("Ring of Dances", {{3, 9}}));
  Place(f, kMyth, samples::MakeItem("Myth Charm", {{1, 4}}));
}

struct Change {
  const char* action;
  std::function<void(MainWindowFixture&)> run;
};

TEST(History, EveryKindOfChangeUndoesToTheSameBytesAndTotalsAndRedoes) {
  const Change changes[] = {
      {"Change Name", [](MainWindowFixture& f) { f.window.ChangeName("Aelric", 6); }},
      {"Change Level", [](MainWindowFixture& f) { f.window.ChangeLevel("42"); }},
      {"Change Realm Rank", [](MainWindowFixture& f) { f.window.ChangeRealmRank(6); }},
      {"Change Class",
       [](MainWindowFixture& f) {
         f.user.answers = {Answer::Ok};  // "Check &Items" removes the helm with the class change
         f.window.ChangeClass(kCabalist);
       }},
      {"Change Race", [](MainWindowFixture& f) { f.window.ChangeRace(2); }},
      {"Change Server",
       [](MainWindowFixture& f) {
         f.user.answers = {Answer::Ok};
         f.window.ChangeServerType(kClassic);
       }},
      {"Change Champion Level", [](MainWindowFixture& f) { f.window.SetChampion(false); }},
      {"Change Weapon Selection", [](MainWindowFixture& f) { f.window.SetWeaponConfig(1); }},
      {"Change Belt Item",
       [](MainWindowFixture& f) {
         // A session that previews two items and returns a third is one step.
         f.workbench.duringRun = [](const WorkbenchRequest&, const SlotPreview& preview) {
           preview(kBelt, samples::MakeItem("Preview One", {{1, 20}}));
           preview(kBelt, samples::MakeItem("Preview Two", {{1, 30}}));
         };
         Place(f, kBelt, samples::MakeItem("Belt of Might", {{1, 12}}));
       }},
      {"Equip Neck Item",
       [](MainWindowFixture& f) {
         f.workbench.results.push_back(samples::MakeItem("Vault Torc", {{4, 6}}));
         f.window.OpenSlot(kNeck, AutoReturnRequest{"Vault Torc", true});
       }},
      {"Clear Ring 1 Slot",
       [](MainWindowFixture& f) {
         f.user.yesNoAnswers = {true};
         f.window.ClearSlot(kRing1);
       }},
      {"Clear All Items",
       [](MainWindowFixture& f) {
         f.user.answers = {Answer::Ok};
         f.window.ClearAllSlots();
       }},
      {"Optimize Template",
       [](MainWindowFixture& f) {
         // A proposal of two slots, applied while the window is open, is one step.
         f.windows.duringOptimize = [](const OptimizeTemplateRequest& request) {
           TTemplateRecord proposal = request.Template;
           proposal.Slot(kBelt) = samples::MakeItem("Optimized Belt", {{1, 12}});
           InitItem(proposal.Slot(kRing1));
           request.Apply(proposal);
         };
         f.window.OpenOptimizeTemplate();
       }},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.action);
    MainWindowFixture f;
    StartWithItems(f);
    const auto before = SavedBytes(f);
    const TotalsAndCaps totalsBefore = f.window.LastTotals();
    const std::size_t steps = f.window.History().Size();

    change.run(f);
    f.workbench.duringRun = nullptr;
    const auto after = SavedBytes(f);
    const TotalsAndCaps totalsAfter = f.window.LastTotals();
    ASSERT_NE(after, before);
    EXPECT_EQ(f.window.History().Size(), steps + 1);
    EXPECT_EQ(f.window.View().Undo.Caption, std::string("&Undo ") + change.action);
    EXPECT_TRUE(f.window.View().Undo.Enabled);
    EXPECT_FALSE(f.window.View().Redo.Enabled);

    EXPECT_EQ(AnnouncementsOf(f.window, [&] { f.window.Undo(); }), 1);
    EXPECT_EQ(SavedBytes(f), before);
    EXPECT_TRUE(f.window.LastTotals() == totalsBefore);
    EXPECT_EQ(f.window.View().Redo.Caption, std::string("&Redo ") + change.action);
    EXPECT_EQ(f.window.View().NameText, f.window.Template().CharName.Str());

    f.window.Redo();
    EXPECT_EQ(SavedBytes(f), after);
    EXPECT_TRUE(f.window.LastTotals() == totalsAfter);
    EXPECT_EQ(f.window.View().Undo.Caption, std::string("&Undo ") + change.action);
  }
}

TEST(History, UndoShowsTheRestoredCharacterAndSlots) {
  MainWindowFixture f;
  StartWithItems(f);
  f.window.ChangeLevel("30");  // also takes the champion flag and the Myth item
  EXPECT_EQ(f.window.View().Slots[kMyth - 1].Name.Text, " ");
  f.window.Undo();
  EXPECT_EQ(f.window.View().Level.Text(), "50");
  EXPECT_TRUE(f.window.View().Champion.Checked);
  EXPECT_TRUE(f.window.View().Champion.Enabled);
  EXPECT_TRUE(f.window.View().Slots[kMyth - 1].Button.Enabled);
  EXPECT_EQ(f.window.View().Slots[kMyth - 1].Name.Text, "Myth Charm");
  EXPECT_EQ(f.window.View().Figures.MainStats[0].Value.Text, "4");

  f.user.answers = {Answer::Ok};
  f.window.ClearAllSlots();
  EXPECT_FALSE(f.window.ItemsPlaced());
  f.window.Undo();
  EXPECT_EQ(f.window.View().Slots[kHead - 1].Name.Text, "Helm");
  EXPECT_TRUE(f.window.ItemsPlaced()) << "a class change asks again about the items back";

  const std::string race = f.window.View().Race.Entries.at(1);
  const std::string acuity = f.window.View().Figures.MainStats[4].Name.Text;
  f.window.ChangeRace(1);
  const std::vector<std::string> summary = f.window.View().InfoLines;
  f.user.answers = {Answer::Ok};
  f.window.ChangeClass(kCabalist);
  f.window.ChangeRace(2);
  ASSERT_NE(f.window.View().InfoLines, summary);
  f.window.Undo();
  f.window.Undo();
  EXPECT_EQ(f.window.View().Class.Selection, kArmsman);
  EXPECT_EQ(f.window.View().Race.Text(), race);
  EXPECT_EQ(f.window.View().Figures.MainStats[4].Name.Text, acuity);
  EXPECT_EQ(f.window.View().InfoLines, summary) << "the side panel describes the race back";
}

TEST(History, NameKeystrokesJoinUntilTheBoxIsLeft) {
  MainWindowFixture f;
  f.Start();
  const std::size_t steps = f.window.History().Size();
  f.window.ChangeName("A", 1);
  f.window.ChangeName("Al", 2);
  f.window.ChangeName("Ald", 3);
  EXPECT_EQ(f.window.History().Size(), steps + 1);
  f.window.SetActiveControl("cbLevel");
  f.window.ChangeName("Aldo", 4);
  EXPECT_EQ(f.window.History().Size(), steps + 2);
  f.window.Undo();
  EXPECT_EQ(f.window.View().NameText, "Ald");
  f.window.Undo();
  EXPECT_EQ(f.window.View().NameText, "New Character");
  EXPECT_EQ(f.window.View().Title, "Quillmark Classic v1.118.0.2 - [ New Character ]");
  f.window.Redo();
  f.window.ChangeName("Aldx", 4);  // after a redo typing starts a new step, dropping "Aldo"
  EXPECT_EQ(f.window.History().Size(), steps + 2);
  EXPECT_FALSE(f.window.History().CanRedo());
  f.window.Undo();
  EXPECT_EQ(f.window.View().NameText, "Ald");
}

TEST(History, UnsavedMarkFollowsTheHistory) {
  MainWindowFixture f;
  f.Start();
  EXPECT_FALSE(f.window.View().Undo.Enabled);
  EXPECT_EQ(f.window.View().Undo.Caption, "&Undo");
  EXPECT_EQ(f.window.View().Redo.Caption, "&Redo");
  f.window.ChangeLevel("40");
  f.files.saveAnswers.push_back(f.File("hero.qmc"));
  ASSERT_TRUE(f.window.SaveTemplateAs());
  EXPECT_TRUE(f.window.Unchanged());
  EXPECT_TRUE(f.window.History().CanUndo()) << "saving keeps the history";

  f.window.ChangeRealmRank(4);
  EXPECT_FALSE(f.window.Unchanged());
  f.window.Undo();
  EXPECT_TRUE(f.window.Unchanged());
  f.window.Undo();
  EXPECT_FALSE(f.window.Unchanged());
  f.window.Redo();
  EXPECT_TRUE(f.window.Unchanged());
  const std::size_t asked = f.user.questions.size();
  EXPECT_TRUE(f.window.QueryClose());
  EXPECT_EQ(f.user.questions.size(), asked) << "nothing to save at the saved state";

  // A new step after an undo drops the saved state from the redo side.
  f.window.Undo();
  f.window.ChangeRealmRank(7);
  EXPECT_FALSE(f.window.History().CanRedo());
  f.window.Undo();
  EXPECT_FALSE(f.window.Unchanged());
}

// A renamed template is no longer its file (the next save asks for one);
// undoing the name makes it the file's template again, redoing takes it away.
TEST(History, UndoingARenameGivesTheFileBack) {
  MainWindowFixture f;
  f.Start();
  f.window.ChangeName("Hero", 4);
  const std::string path = f.File("Hero.qmc");
  f.files.saveAnswers.push_back(path);
  ASSERT_TRUE(f.window.SaveTemplate());
  ASSERT_EQ(f.window.CurrentFile(), path);

  f.window.SetActiveControl("cbLevel");  // leaving the box ends the name's run
  f.window.ChangeName("Heroine", 7);
  EXPECT_FALSE(f.window.HasFileName());
  EXPECT_FALSE(f.window.View().CompareSaved.Enabled);
  f.window.Undo();
  EXPECT_EQ(f.window.View().NameText, "Hero");
  EXPECT_EQ(f.window.CurrentFile(), path);
  EXPECT_TRUE(f.window.HasFileName());
  EXPECT_TRUE(f.window.View().CompareSaved.Enabled);
  EXPECT_TRUE(f.window.Unchanged());

  f.window.Redo();  // the rename again
  EXPECT_EQ(f.window.View().NameText, "Heroine");
  EXPECT_FALSE(f.window.HasFileName());
  EXPECT_TRUE(f.window.CurrentFile().empty());
  f.window.Undo();

  // A step that kept the file keeps it both ways, and saving needs no dialog.
  f.window.ChangeLevel("45");
  f.window.Undo();
  f.window.Redo();
  EXPECT_EQ(f.window.CurrentFile(), path);
  ASSERT_TRUE(f.window.SaveTemplate());
  EXPECT_TRUE(f.files.saveAnswers.empty()) << "the save went to the file without asking";
}

TEST(History, NewAndLoadStartAFreshHistoryACancelledOneKeepsIt) {
  MainWindowFixture f;
  f.Start();
  f.window.ChangeLevel("40");
  f.user.answers = {Answer::Abort};  // "&Cancel" at the save question
  f.window.NewTemplate();
  EXPECT_TRUE(f.window.History().CanUndo());

  f.user.answers = {Answer::Cancel};  // "&New Character"
  f.window.NewTemplate();
  EXPECT_FALSE(f.window.History().CanUndo());
  EXPECT_FALSE(f.window.View().Undo.Enabled);
  EXPECT_EQ(f.window.View().Undo.Caption, "&Undo");

  f.window.ChangeRealmRank(3);
  TTemplateRecord saved = samples::SampleTemplates()[1].tpl;
  const std::string path = f.File("other.qmc");
  ASSERT_TRUE(WriteTemplateFile(path, saved, 0).Ok());
  f.user.answers = {Answer::Cancel};  // "&Load"
  f.files.openAnswers.push_back(path);
  f.window.LoadTemplate();
  EXPECT_FALSE(f.window.History().CanUndo());
  EXPECT_TRUE(f.window.Unchanged());
  f.window.ChangeLevel("20");
  f.window.Undo();
  EXPECT_TRUE(f.window.Unchanged()) << "back at the loaded file";
  EXPECT_FALSE(f.window.History().CanUndo());
}

TEST(TemplateHistory, KeepsItsLimitAndDropsTheOldestSteps) {
  TemplateHistory history;
  ASSERT_GE(history.Limit(), 200u);
  history.Reset();
  TTemplateRecord tpl = EmptyTemplate();
  const std::size_t total = history.Limit() + 30;
  for (std::size_t n = 1; n <= total; ++n) {
    const TTemplateRecord before = tpl;
    tpl.Slot(kBelt).Level = static_cast<std::uint8_t>(n % 250);
    tpl.CharLevel = static_cast<std::uint8_t>(n % 250);
    history.Record("Change Level", before, tpl);
  }
  EXPECT_EQ(history.Size(), history.Limit());
  while (history.Undo(tpl)) {
  }
  EXPECT_EQ(tpl.CharLevel, 30u) << "the oldest state kept is the one after step 30";
  EXPECT_EQ(tpl.Slot(kBelt).Level, 30u);
  EXPECT_FALSE(history.AtSaved());
}

TEST(TemplateHistory, ASingleSlotStepKeepsOnlyThatSlot) {
  TemplateHistory history;
  history.Reset();
  TTemplateRecord tpl = EmptyTemplate();
  const TTemplateRecord same = tpl;
  EXPECT_FALSE(history.Record("Change Chest Item", same, tpl)) << "no change, no step";
  constexpr int kSteps = 200;
  for (int n = 0; n < kSteps; ++n) {
    const TTemplateRecord before = tpl;
    tpl.Slot(kChest) = samples::MakeItem("Chest " + std::to_string(n), {{1, n % 50}});
    ASSERT_TRUE(history.Record("Change Chest Item", before, tpl));
  }
  const std::size_t perStep = history.MemoryUse() / history.Size();
  std::cout << "history memory per single-slot step: " << perStep << " bytes\n";
  EXPECT_LT(perStep, 2048u);
  EXPECT_LT(perStep, sizeof(TTemplateRecord) / 4) << "only the changed slot is kept";
}

}  // namespace
}  // namespace qm
